#pragma once

// Pieces the record intake shares: engine text to QString, media kinds and
// their icons, the attachment and conversation builders and the device
// contact conversion. The builders run on the intake's thread with the
// store's write lock held; they never take it themselves.

#include "devicedata.h"

#include <QByteArray>
#include <QFileInfo>
#include <QString>

#include <string>

class DeviceParserPrivate;
struct STAddressBook;
struct STWhatsAppMessage;
namespace Cirrane {
struct STContacts;
}

namespace RecordBuilders {

// Engine text (UTF-32 wchar_t) to UTF-16, without Qt's slow UCS-4 codec.
QString fromWide(const std::wstring &text);
// escapeHtml(fromWide(text)) as UTF-8 into out, in one pass and without a
// text of its own, for SmsMessageList::appendUtf8. False, with out
// undefined, for a text that list would not give back unit for unit (a
// first byte order mark, an unpaired surrogate): take fromWide there.
bool escapedUtf8(const std::wstring &text, QByteArray &out);
// The text with every whitespace character removed; shares the text when
// there is none.
QString withoutWhitespace(const QString &text);
// withoutWhitespace(fromWide(text)); equal texts share one copy.
QString addressOf(const std::wstring &text);
// The service name starts with "SMS" (case-sensitive).
bool isSmsService(const std::wstring &service);
// The local day of Unix seconds as "yyyy-MM-dd". Equal days share one text.
QString dayTextOf(qint64 seconds);
// formatTimestamp (value, keepFormat, "yyyy-MM-dd hh:mm:ss"), empty for 0.
QString dateTextOf(qint64 value, bool keepFormat = false);
// The local time of Unix seconds as "yyyy-MM-dd hh:mm:ss"; empty for 0.
QString dateTimeTextOf(qint64 seconds);
// "hh:mm:ss" of whole seconds; "00:00:00" when not positive.
QString durationTextOf(qint64 seconds);

// The file's last-modified time in seconds; 0 when it is missing.
qint64 modifiedSeconds(const QFileInfo &file);

int mediaKindOf(const QString &fileName);
// The widget view's icon of a kind without a picture of its own.
QString mediaIconOf(int mediaKind);
bool isHeifName(const QString &fileName);

// The media cache folder of the settings.
QString cacheMediaFolder();
// "<cache>/<base name>.jpg" for a video.
QString videoThumbnailPath(const QString &videoPath);
// Hands (video, picture) to the thumbnail manager.
void queueThumbnail(const QString &videoPath, const QString &picturePath);
QString copyThumbnail(const QString &existingThumb, const QString &folder, const QString &sourceFile);

// Classifies the message's attachment, fills the message's kind, text and
// preview and returns the attachment record to store in category 3.
DeviceData::MediaInfo buildMessageAttachment(DeviceData::SMSInfo &message);
// Notes, calendar and reminder attachments: named by secondPath's file name
// where there is one, else by the file's. False for an empty path.
bool buildAttachmentMedia(const QString &path, const QString &secondPath, DeviceData::MediaInfo &media);
DeviceData::SMSSessionInfo buildSmsSession(const DeviceParserPrivate &store, const DeviceData::SMSInfo &message);
DeviceData::ContactInfo convertDeviceContact(const STAddressBook &record);
// A birthday or date text of the address book: a number of its epoch.
QString contactDateText(const QString &text);
DeviceData::ContactInfo convertCloudContact(const Cirrane::STContacts &record);

// The engine's WhatsApp message; the store supplies the cached push names.
// Texts equal to those of the chat's previous message are shared with it.
DeviceData::WaMessageInfo buildWaMessage(const DeviceParserPrivate &store, const STWhatsAppMessage &message,
                                         bool quote, const DeviceData::WaMessageInfo *previous = nullptr);
// The name of a contact card: its "FN:" name, or the first of several with
// the count of the others, or the current time in milliseconds.
QString contactCardTitle(const QByteArray &vCardText);

} // namespace RecordBuilders

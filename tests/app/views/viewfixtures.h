#pragma once

#include "devicedata.h"
#include "recordaccess.h"
#include "deviceparser.h"

#include <QAbstractItemModel>
#include <QColor>
#include <QDateTime>
#include <QImage>
#include <QList>
#include <QRect>
#include <QStringList>
#include <QVariant>

// Records and stores for the view tests, built in code.
namespace ViewFixtures {

inline QVariant call(const QString &name, const QString &number, qint64 date, bool outgoing = false,
                     int status = 0, bool deleted = false, int state = 0, bool checkable = true)
{
    DeviceData::CHFTInfo record;
    record.displayName = name;
    record.value = number;
    record.date = date;
    record.dateText = QStringLiteral("2023-01-%1 10:00:00").arg(date % 28 + 1, 2, 10, QLatin1Char('0'));
    record.durationText = QStringLiteral("00:0%1:00").arg(date % 10);
    record.originated = outgoing ? 1 : 0;
    record.disconnectedCause = quint16(status);
    record.deleted = deleted;
    record.reserved = quint16(state);
    record.finished = checkable;
    return QVariant::fromValue(record);
}

inline QVariant voice(const QString &title, const QString &sender, qint64 date, const QString &size,
                      bool deleted = false, int state = 0, bool checkable = true)
{
    DeviceData::VMMInfo record;
    record.title = title;
    record.sender = sender;
    record.date = date;
    record.dateText = QStringLiteral("2023-02-%1 09:30:00").arg(date % 28 + 1, 2, 10, QLatin1Char('0'));
    record.durationText = QStringLiteral("00:00:%1").arg(date % 60, 2, 10, QLatin1Char('0'));
    record.sizeText = size;
    record.size = date * 1000;
    record.deleted = deleted;
    record.reserved = quint16(state);
    record.finished = checkable;
    return QVariant::fromValue(record);
}

inline QVariant media(const QString &name, int kind, const QString &path, qint64 time = 1600000000,
                      bool deleted = false, int state = 0, bool checkable = true, const QString &preview = QString())
{
    DeviceData::MediaInfo record;
    record.name = name;
    record.suffix = name.section(QLatin1Char('.'), -1);
    record.path = path;
    record.preview = preview;
    record.time = time;
    record.mediaKind = quint16(kind);
    record.deleted = deleted;
    record.reserved = quint16(state);
    record.finished = checkable;
    return QVariant::fromValue(record);
}

inline QVariant document(const QString &name, const QString &format, qint64 size, bool deleted = false,
                         int state = 0, bool checkable = true)
{
    DeviceData::DocumentInfo record;
    record.name = name;
    record.suffix = format;
    record.size = size;
    record.sizeText = QStringLiteral("%1 KB").arg(size / 1024);
    record.deleted = deleted;
    record.reserved = quint16(state);
    record.finished = checkable;
    return QVariant::fromValue(record);
}

inline QVariant page(const QString &title, const QString &url, const QString &folder, qint64 time,
                     bool deleted = false, int state = 0, bool checkable = true)
{
    DeviceData::SafariInfo record;
    record.title = title;
    record.url = url;
    record.text3 = folder;
    record.time = time;
    record.timeText = QDateTime::fromSecsSinceEpoch(time, Qt::UTC).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    record.deleted = deleted;
    record.reserved = quint16(state);
    record.finished = checkable;
    return QVariant::fromValue(record);
}

// n calls "Caller i" / "+1555000i", one in five deleted (i % 5 == 4), dates
// rising with i.
inline QList<QVariant> calls(int n)
{
    QList<QVariant> list;
    for (int i = 0; i < n; ++i)
        list.append(call(QStringLiteral("Caller %1").arg(i), QStringLiteral("+1555%1").arg(i, 7, 10, QLatin1Char('0')),
                         1600000000 + i * 60, i % 3 == 0, i % 4 == 0 ? 2 : 0, i % 5 == 4));
    return list;
}

inline QVariant contact(const QString &name, const DeviceData::LabelledValues &phones = {}, bool deleted = false,
                        int state = 0, bool checkable = true, const QString &photo = QString())
{
    DeviceData::ContactInfo record;
    record.sortName = name;
    record.phones = phones;
    record.photoPath = photo;
    record.deleted = deleted;
    record.reserved2 = quint16(state);
    record.finished = checkable;
    return QVariant::fromValue(record);
}

// n contacts "Contact i" with the phone "+4470i", one in four deleted
// (i % 4 == 3).
inline QList<QVariant> contacts(int n)
{
    QList<QVariant> list;
    for (int i = 0; i < n; ++i)
        list << contact(QStringLiteral("Contact %1").arg(i),
                        {{QStringLiteral("_$!<Mobile>!$_"), QStringLiteral("+4470%1").arg(i)}}, i % 4 == 3);
    return list;
}

inline DeviceData::MediaInfo attachment(const QString &name, int kind, const QString &path = QString(),
                                        bool deleted = false, const QString &preview = QString())
{
    DeviceData::MediaInfo media;
    media.name = name;
    media.path = path;
    media.preview = preview.isEmpty() ? path : preview;
    media.mediaKind = quint16(kind);
    media.deleted = deleted;
    return media;
}

inline QVariant note(const QString &title, const QString &body, qint64 created, bool deleted = false,
                     const QList<DeviceData::MediaInfo> &attachments = {}, bool locked = false, int state = 0,
                     bool checkable = true)
{
    DeviceData::NotesInfo record;
    record.title = title;
    record.body = body;
    record.created = created;
    record.createdText = created ? QStringLiteral("2023-03-%1 08:00:00").arg(created % 28 + 1, 2, 10, QLatin1Char('0'))
                                 : QString();
    record.attachments = attachments;
    record.locked = locked;
    record.deleted = deleted;
    record.reserved = quint16(state);
    record.finished = checkable;
    return QVariant::fromValue(record);
}

// An event (start and end given) or a reminder (creation and reminder date).
inline QVariant entry(const QString &title, qint64 start, qint64 end, bool deleted = false,
                      const QList<DeviceData::MediaInfo> &attachments = {}, int state = 0, bool checkable = true)
{
    DeviceData::CalenderReminderInfo record;
    record.title = title;
    record.start = start;
    record.end = end;
    auto text = [](qint64 time) {
        return time ? QStringLiteral("2024-05-%1 09:00:00").arg(time % 28 + 1, 2, 10, QLatin1Char('0')) : QString();
    };
    record.startText = text(start);
    record.endText = text(end);
    record.attachments = attachments;
    record.deleted = deleted;
    record.reserved = quint16(state);
    record.finished = checkable;
    return QVariant::fromValue(record);
}

inline void seedStore(int type, const QList<QVariant> &records)
{
    DeviceParser::instance()->setRecords(DeviceData::DeviceGroup, type, records);
}

inline QList<QVariant> stored(int type)
{
    return DeviceParser::instance()->records(DeviceData::DeviceGroup, type);
}

// What a model's rows show in one column, as assistive tools read it.
inline QStringList shownTexts(const QAbstractItemModel *model, int column)
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, column).data(Qt::AccessibleTextRole).toString();
    return texts;
}

// The mean colour of a rectangle of an image.
inline QColor meanColour(const QImage &image, const QRect &rect)
{
    qint64 r = 0, g = 0, b = 0, n = 0;
    const QRect area = rect.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            r += c.red();
            g += c.green();
            b += c.blue();
            ++n;
        }
    }
    return n ? QColor(int(r / n), int(g / n), int(b / n)) : QColor();
}

// A check picture is "ticked" when its box is mostly the accent blue.
inline bool looksTicked(const QColor &mean)
{
    return mean.blue() - mean.red() > 60;
}

} // namespace ViewFixtures

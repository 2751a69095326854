// The chat views in the scan-result page's view factory (see
// dataviewfactory.h): Messages, WhatsApp, LINE and the attachments of the
// last two; and what the shell hands the chat panes from its services.

#include "attachmenttableview.h"
#include "chatdatafolders.h"
#include "chatinit.h"
#include "dataviewfactory.h"
#include "devicedata.h"
#include "guithreadmailbox.h"
#include "icloudhelp.h"
#include "linechat.h"
#include "natsmsview.h"
#include "scanitunesbackupmanage.h"
#include "settingsentry.h"
#include "tlsthreadstate.h"
#include "whatsappchat.h"

#include <QCoreApplication>
#include <QThreadPool>
#include <QTimer>

namespace
{
    // The tool bar pages of the chat views and of the attachment views.
    constexpr int ChatBar = 3;
    constexpr int OtherBar = 2;

    // The folders the panes may read pictures from: the scan's own and the
    // program's data folders, where device scans and pulls leave copies.
    void setChatRoots(const QString &scanned)
    {
        SettingsEntry *settings = SettingsEntry::instance();
        ChatDataFolders::setRoots({scanned, settings->backupRootPath(), settings->cacheMediaPath()});
    }

    void wireChatServices()
    {
        ScaniTunesBackupManage *scanner = ScaniTunesBackupManage::instance();
        QObject::connect(
            scanner, &ScaniTunesBackupManage::sigScanBackupsDbStart, qApp,
            [scanner] { setChatRoots(scanner->currentBackupPath()); }, Qt::QueuedConnection);
        QObject::connect(
            iCloudHelp::instance(), &iCloudHelp::sigPullBackupsStart, qApp, [] { setChatRoots(QString()); },
            Qt::QueuedConnection);
        // The owner is read from the backup: not on the GUI thread.
        QObject::connect(
            scanner, &ScaniTunesBackupManage::sigScanBackupsDbStop, qApp,
            [scanner] {
                const QString backup = scanner->currentBackupPath();
                QThreadPool::globalInstance()->start([scanner, backup] {
                    const QString number = scanner->getRegisterPhoneNum(backup);
                    // The engine hashes file names with OpenSSL.
                    releaseThreadTlsState();
                    runOnGuiThread([number] { WhatsAppChat::setOwnerNumber(number); });
                });
            },
            Qt::QueuedConnection);
    }
}

static void registerChatViews()
{
    initChat();
    DataViewFactory::registerView(DeviceData::Messages, ChatBar,
                                  [](int typeId) -> AbstractDataView * { return new NatSmsView(typeId); });
    for (int attachments : {DeviceData::WhatsAppAttachment, DeviceData::LineAttachment})
        DataViewFactory::registerView(attachments, OtherBar, [](int typeId) -> AbstractDataView * {
            return new AttachmentTableView(typeId);
        });
    DataViewFactory::registerView(DeviceData::WhatsApp, ChatBar,
                                  [](int typeId) -> AbstractDataView * { return new WhatsAppChat(typeId); });
    DataViewFactory::registerView(DeviceData::Line, ChatBar,
                                  [](int typeId) -> AbstractDataView * { return new LineChat(typeId); });
    // Once the event loop runs: the services are made after logging starts.
    QTimer::singleShot(0, qApp, wireChatServices);
}
Q_COREAPP_STARTUP_FUNCTION(registerChatViews)

// The chat views in the scan-result page's view factory (see
// dataviewfactory.h): Messages, and the attachments of WhatsApp and LINE.

#include "attachmenttableview.h"
#include "chatinit.h"
#include "dataviewfactory.h"
#include "devicedata.h"
#include "natsmsview.h"

#include <QCoreApplication>

namespace
{
    // The tool bar pages of the Messages view and of every other one.
    constexpr int MessagesBar = 3;
    constexpr int OtherBar = 2;
}

static void registerChatViews()
{
    initChat();
    DataViewFactory::registerView(DeviceData::Messages, MessagesBar,
                                  [](int typeId) -> AbstractDataView * { return new NatSmsView(typeId); });
    for (int attachments : {DeviceData::WhatsAppAttachment, DeviceData::LineAttachment})
        DataViewFactory::registerView(attachments, OtherBar, [](int typeId) -> AbstractDataView * {
            return new AttachmentTableView(typeId);
        });
}
Q_COREAPP_STARTUP_FUNCTION(registerChatViews)

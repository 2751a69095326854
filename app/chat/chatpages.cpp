// The chat views in the scan-result page's view factory (see
// dataviewfactory.h): Messages, WhatsApp and LINE.

#include "chatinit.h"
#include "dataviewfactory.h"
#include "devicedata.h"
#include "linechat.h"
#include "natsmsview.h"
#include "whatsappchat.h"

#include <QCoreApplication>

namespace
{
    // The tool bar page of the chat views.
    constexpr int ChatBar = 3;
}

static void registerChatViews()
{
    initChat();
    DataViewFactory::registerView(DeviceData::Messages, ChatBar,
                                  [](int typeId) -> AbstractDataView * { return new NatSmsView(typeId); });
    DataViewFactory::registerView(DeviceData::WhatsApp, ChatBar,
                                  [](int typeId) -> AbstractDataView * { return new WhatsAppChat(typeId); });
    DataViewFactory::registerView(DeviceData::Line, ChatBar,
                                  [](int typeId) -> AbstractDataView * { return new LineChat(typeId); });
}
Q_COREAPP_STARTUP_FUNCTION(registerChatViews)

// The chat views in the scan-result page's view factory (see
// dataviewfactory.h): Messages.

#include "chatinit.h"
#include "dataviewfactory.h"
#include "devicedata.h"
#include "natsmsview.h"

#include <QCoreApplication>

namespace
{
    // The tool bar page of the Messages view.
    constexpr int MessagesBar = 3;
}

static void registerChatViews()
{
    initChat();
    DataViewFactory::registerView(DeviceData::Messages, MessagesBar,
                                  [](int typeId) -> AbstractDataView * { return new NatSmsView(typeId); });
}
Q_COREAPP_STARTUP_FUNCTION(registerChatViews)

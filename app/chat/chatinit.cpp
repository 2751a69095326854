#include "chatinit.h"

#include "linechatinfomodel.h"
#include "natsmsmodel.h"
#include "quickwidgetaccessible.h"
#include "wachatinfomodel.h"

#include <QtQml>

// At global scope, as Q_INIT_RESOURCE requires.
static void registerChatResources()
{
    Q_INIT_RESOURCE(chatqml);
}

void initChat()
{
    static const bool done = [] {
        registerChatResources();
        qmlRegisterType<NatSmsModel>("VxRecover", 1, 0, "SmsModel");
        qmlRegisterType<LineChatInfoModel>("VxLineRecover", 1, 0, "LineChatModel");
        qmlRegisterType<WaChatInfoModel>("VxWaRecover", 1, 0, "WaChatModel");
        QuickWidgetAccessible::install();
        return true;
    }();
    Q_UNUSED(done);
}

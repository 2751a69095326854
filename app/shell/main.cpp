#include "analyticstracker.h"
#include "buttoneventfilter.h"
#include "crashreporter.h"
#include "dpiscale.h"
#include "heartbeat.h"
#include "lapplication.h"
#include "settingsentry.h"
#include "shellconstants.h"
#include "shellinit.h"
#include "vlog.h"
#include "widgetkit.h"

#include <QCoreApplication>
#include <QOpenGLContext>

// Qt Quick reads its back end when its first scene starts: the chat views'
// scenes draw in software where no OpenGL context can be made (offscreen, a
// bare X server), unless the user chose a back end.
static void selectQuickBackend()
{
    if (qEnvironmentVariableIsSet("QT_QUICK_BACKEND"))
        return;
    QOpenGLContext context;
    if (!context.create())
        qputenv("QT_QUICK_BACKEND", "software");
}

int main(int argc, char *argv[])
{
    // Qt reads the scale when the application object starts: before it.
    float dpi = 0;
    const float scale = computeDpiScale(dpi);
    const QString scaleText = QString::number(double(scale), 'g', 6);
    qputenv("QT_SCALE_FACTOR", scaleText.toUtf8());
    qputenv("QT_HIGHDPI_DISABLE_2X_IMAGE_LOADING", "1");
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);

    LApplication app(argc, argv);
    if (LApplication::isRunning())
        return 0;

    QCoreApplication::setOrganizationName(ShellConstants::OrganizationName);
    QCoreApplication::setOrganizationDomain(ShellConstants::OrganizationName);
    QCoreApplication::setApplicationName(ShellConstants::ApplicationName);
    Heartbeat::startFromEnvironment();

    vlogInit();
    trackEvent("Lifecycle", "Start");
    vlogInfo(QStringLiteral("app start, version: %1").arg(ShellConstants::Version));
    vlogInfo(QStringLiteral("dpiX: %1 dpi: %2").arg(double(dpi)).arg(scaleText));
    vlogInfo(QStringLiteral("app start, version: %1,gpu").arg(ShellConstants::Version));
    setupCrashReporter(SettingsEntry::instance()->logPath(), ShellConstants::Version);

    selectQuickBackend();
    ButtonEventFilter filter;
    app.installEventFilter(&filter);
    initWidgetKit();
    initShell();
    app.startMainWindow();
    const int code = app.exec();
    Heartbeat::writeProcessReport();
    return code;
}

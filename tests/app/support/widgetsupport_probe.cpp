// Test functions that are meant to fail, run one at a time by
// widgetsupport_test to see that the widget test support fails them.

#include "messageboxscript.h"
#include "modaldriver.h"
#include "widgetkit.h"
#include "xmessagebox.h"

#include <QDialog>
#include <QtTest>

class WidgetSupportProbe : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initWidgetKit(); }

    void leftoverAnswers()
    {
        MessageBoxScript script({1, 2});
        XMessageBox::question(nullptr, QString(), QStringLiteral("Only one"), {QStringLiteral("OK")});
    }

    void unexpectedBox()
    {
        MessageBoxScript script({1});
        XMessageBox::question(nullptr, QString(), QStringLiteral("First"), {QStringLiteral("OK")});
        XMessageBox::warning(nullptr, QString(), QStringLiteral("Surprise"), {QStringLiteral("OK")});
    }

    void modalTimeout()
    {
        // Armed for a message box, but a plain dialog comes: the test fails
        // and the dialog is rejected rather than left blocking.
        ModalDriver::onNext<XMessageBox>([](XMessageBox *) {}, 300);
        QDialog dialog;
        const int result = dialog.exec();
        qInfo("exec returned %d", result);
    }
};

QTEST_MAIN(WidgetSupportProbe)
#include "widgetsupport_probe.moc"

#include "modaldriver.h"
#include "widgetkit.h"
#include "xmessagebox.h"

#include <QDialog>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

// A small dialog with a name field, as the flows' dialogs have.
class NameDialog : public QDialog
{
    Q_OBJECT

public:
    NameDialog()
    {
        auto *layout = new QVBoxLayout(this);
        edit = new QLineEdit;
        edit->setObjectName(QStringLiteral("name"));
        auto *ok = new QPushButton(QStringLiteral("&OK"));
        layout->addWidget(edit);
        layout->addWidget(ok);
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    }

    QLineEdit *edit;
};

class WidgetSupportTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initWidgetKit(); }

    void cleanup() { QCOMPARE(ModalDriver::pending(), 0); }

    void failuresAreReported_data()
    {
        QTest::addColumn<QString>("function");
        QTest::addColumn<QString>("message");
        QTest::newRow("answers left over") << "leftoverAnswers" << "MessageBoxScript: 1 answer(s) left unused";
        QTest::newRow("a box beyond the script")
            << "unexpectedBox" << "MessageBoxScript: 1 box(es) shown with no answer left: \"Surprise\"";
        QTest::newRow("no modal of the type") << "modalTimeout" << "ModalDriver: no modal XMessageBox came within 300 ms";
    }

    void failuresAreReported()
    {
        QFETCH(QString, function);
        QFETCH(QString, message);
        QProcess probe;
        probe.setProcessChannelMode(QProcess::MergedChannels);
        probe.start(QStringLiteral(WIDGETSUPPORT_PROBE), {function});
        QVERIFY(probe.waitForFinished(30000));
        const QString output = QString::fromUtf8(probe.readAll());
        QVERIFY2(probe.exitCode() != 0, qPrintable(output));
        QVERIFY2(output.contains(message), qPrintable(output));
        if (function == QLatin1String("modalTimeout"))
            QVERIFY2(output.contains(QLatin1String("exec returned 0")), qPrintable(output));
    }

    void actionsRunInOrderOnePerModal()
    {
        QStringList seen;
        ModalDriver::onNext<XMessageBox>([&](XMessageBox *box) {
            seen << box->text();
            QVERIFY(ModalDriver::clickButton(box, QStringLiteral("OK")));
        });
        ModalDriver::onNext<XMessageBox>([&](XMessageBox *box) {
            seen << box->text();
            QVERIFY(ModalDriver::clickButton(box, QStringLiteral("Cancel")));
        });
        QCOMPARE(ModalDriver::pending(), 2);
        QCOMPARE(XMessageBox::question(nullptr, QString(), QStringLiteral("one"),
                                       {QStringLiteral("Cancel"), QStringLiteral("OK")}),
                 2);
        QCOMPARE(XMessageBox::question(nullptr, QString(), QStringLiteral("two"),
                                       {QStringLiteral("Cancel"), QStringLiteral("OK")}),
                 1);
        QCOMPARE(seen, (QStringList {QStringLiteral("one"), QStringLiteral("two")}));
    }

    void nestedModalsAnswerTheNewOne()
    {
        int inner = -1;
        ModalDriver::onNext<QDialog>([&](QDialog *outer) {
            // The outer dialog is up when the inner action is armed: the
            // action waits for the box that comes next.
            ModalDriver::onNext<QDialog>([](QDialog *box) { QVERIFY(ModalDriver::clickButton(box, QStringLiteral("OK"))); });
            inner = XMessageBox::information(outer, QString(), QStringLiteral("inner"), {QStringLiteral("OK")});
            outer->done(7);
        });
        QDialog outer;
        QCOMPARE(outer.exec(), 7);
        QCOMPARE(inner, 1);
    }

    void typesIntoANamedField()
    {
        ModalDriver::onNext<NameDialog>([](NameDialog *dialog) {
            QVERIFY(ModalDriver::typeText(dialog, QStringLiteral("Anna's iPhone"), QStringLiteral("name")));
            QVERIFY(!ModalDriver::clickButton(dialog, QStringLiteral("Nothing")));
            QVERIFY(ModalDriver::clickButton(dialog, QStringLiteral("OK"))); // "&OK" without its '&'
        });
        NameDialog dialog;
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(dialog.edit->text(), QStringLiteral("Anna's iPhone"));
    }
};

QTEST_MAIN(WidgetSupportTest)
#include "widgetsupport_test.moc"

#include "buttoneventfilter.h"

#include <QCheckBox>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class ButtonEventFilterTest : public QObject
{
    Q_OBJECT

private slots:
    void keysOnButtonsAndDialogs_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("consumed");
        const QList<QPair<QString, int>> keys {{"Space", Qt::Key_Space},
                                               {"Return", Qt::Key_Return},
                                               {"Enter", Qt::Key_Enter},
                                               {"Escape", Qt::Key_Escape}};
        for (const QString &target : {QStringLiteral("push button"), QStringLiteral("check box"),
                                      QStringLiteral("dialog")}) {
            for (const auto &key : keys)
                QTest::newRow(qPrintable(target + ", " + key.first)) << target << key.second << true;
            QTest::newRow(qPrintable(target + ", A")) << target << int(Qt::Key_A) << false;
            QTest::newRow(qPrintable(target + ", Tab")) << target << int(Qt::Key_Tab) << false;
        }
        for (const auto &key : keys) {
            QTest::newRow(qPrintable("line edit, " + key.first)) << "line edit" << key.second << false;
            QTest::newRow(qPrintable("file dialog, " + key.first)) << "file dialog" << key.second << false;
            QTest::newRow(qPrintable("file dialog's button, " + key.first))
                << "file dialog's button" << key.second << false;
        }
    }

    void keysOnButtonsAndDialogs()
    {
        QFETCH(QString, target);
        QFETCH(int, key);
        QFETCH(bool, consumed);
        QDialog dialog;
        QPushButton button(&dialog);
        QCheckBox box(&dialog);
        QLineEdit edit(&dialog);
        QFileDialog files;
        files.setOption(QFileDialog::DontUseNativeDialog);
        const QMap<QString, QObject *> targets {{"push button", &button}, {"check box", &box},
                                                {"dialog", &dialog},      {"line edit", &edit},
                                                {"file dialog", &files},
                                                {"file dialog's button", files.findChild<QPushButton *>()}};
        QObject *watched = targets.value(target);
        QVERIFY(watched);
        ButtonEventFilter filter;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCOMPARE(filter.eventFilter(watched, &press), consumed);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QVERIFY(!filter.eventFilter(watched, &release));
    }

    void aButtonStillAnswersTheMouseButNotSpace()
    {
        ButtonEventFilter filter;
        qApp->installEventFilter(&filter);
        QDialog dialog;
        QPushButton button(QStringLiteral("Next"), &dialog);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QSignalSpy clicked(&button, &QPushButton::clicked);
        button.setFocus();
        QTest::keyClick(&button, Qt::Key_Space);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(clicked.size(), 0);
        QVERIFY(dialog.isVisible());
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicked.size(), 1);
        qApp->removeEventFilter(&filter);
    }
};

QTEST_MAIN(ButtonEventFilterTest)
#include "buttoneventfilter_test.moc"

#include "analyticsrecorder.h"
#include "modaldriver.h"
#include "recoverpathunreadabilitydialog.h"
#include "recoversuccessdialog.h"
#include "../widgets/kitstyle.h"
#include "shots.h"
#include "widgetkit.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace
{
    QLabel *textLabelOf(QDialog &dialog)
    {
        for (QLabel *label : dialog.findChildren<QLabel *>()) {
            if (label->wordWrap())
                return label;
        }
        return nullptr;
    }

    QLabel *linkLabelOf(QDialog &dialog)
    {
        for (QLabel *label : dialog.findChildren<QLabel *>()) {
            if (label->text().contains("href"))
                return label;
        }
        return nullptr;
    }

    QImage pictureOf(QDialog &dialog)
    {
        for (QLabel *label : dialog.findChildren<QLabel *>()) {
            if (label->size() == QSize(50, 50))
                return label->pixmap(Qt::ReturnByValue).toImage();
        }
        return QImage();
    }

    QPushButton *okOf(QDialog &dialog)
    {
        return dialog.findChild<QPushButton *>(QStringLiteral("OkButton"));
    }

    void showDialog(QDialog &dialog)
    {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    }
}

class RecoverResultDialogsTest : public QObject
{
    Q_OBJECT

private:
    AnalyticsRecorder m_analytics;

private slots:
    void initTestCase()
    {
        QVERIFY(m_analytics.start());
        initWidgetKit();
        QVERIFY(useApplicationStyleSheet());
    }

    void cleanup() { QCOMPARE(ModalDriver::pending(), 0); }

    void resultTexts_data()
    {
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("succeeded");
        QTest::addColumn<bool>("hint");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("label");
        QTest::newRow("all") << 10 << 10 << false << "10 data restored successfully!" << "AllDataSucceed";
        QTest::newRow("all, hint") << 10 << 10 << true << "10 data restored successfully!" << "AllDataSucceed";
        QTest::newRow("some") << 10 << 4 << false << "4 data restored successful, but 6 data restored failed."
                              << "SomeFailed";
        QTest::newRow("some, hint")
            << 10 << 4 << true
            << "4 data restored successful, but 6 data restored failed.\nplease keep your device connection "
               "stable and try again later."
            << "SomeFailed";
        QTest::newRow("none") << 10 << 0 << false << "Recover failed! Please try again." << "AllFailed";
        QTest::newRow("nothing to write") << 0 << 0 << false << "0 data restored successfully!" << "AllDataSucceed";
        // More written than counted: never a negative number of failures.
        QTest::newRow("more than counted") << 4 << 10 << false
                                           << "10 data restored successful, but 0 data restored failed."
                                           << "SomeFailed";
    }

    void resultTexts()
    {
        QFETCH(int, total);
        QFETCH(int, succeeded);
        QFETCH(bool, hint);
        QFETCH(QString, text);
        QFETCH(QString, label);
        RecoverSuccessDialog dialog;
        dialog.setResult(total, 7, succeeded, hint);
        QCOMPARE(dialog.text(), text);
        QCOMPARE(textLabelOf(dialog)->text(), text);
        QCOMPARE(textLabelOf(dialog)->textFormat(), Qt::PlainText);
        QCOMPARE(pictureOf(dialog), QImage(":/Images/icon_success.png").convertToFormat(pictureOf(dialog).format()));
        QVERIFY(m_analytics.waitFor("RecoverRate/RecoverSuccess/" + label));
        showDialog(dialog);
        saveShot(&dialog, QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-').remove(','));
    }

    void okOnlyCloses()
    {
        RecoverSuccessDialog dialog;
        dialog.setResult(3, 3, 3, false);
        QCOMPARE(dialog.size(), QSize(580, 220));
        QCOMPARE(okOf(dialog)->size(), QSize(120, 36));
        ModalDriver::onNext<RecoverSuccessDialog>(
            [](RecoverSuccessDialog *shown) { QVERIFY(ModalDriver::clickButton(shown, QStringLiteral("OK"))); });
        QCOMPARE(dialog.exec(), 0);
        QVERIFY(!dialog.isVisible());
    }

    void theNoticeSaysWhatThePageGives()
    {
        RecoverPathunreadabilityDialog dialog;
        const QString text = QStringLiteral("Insufficient space, export data failed! Please ensure that there is "
                                            "more than 100MB in the disk space.");
        dialog.setMessage(text);
        QCOMPARE(dialog.text(), text);
        QCOMPARE(okOf(dialog)->size(), QSize(100, 36));
        QCOMPARE(pictureOf(dialog),
                 QImage(":/Images/icon_information.png").convertToFormat(pictureOf(dialog).format()));
        QLabel *link = linkLabelOf(dialog);
        QVERIFY(link);
        QVERIFY(link->text().startsWith("If you wan to change the file export path, go to "));
        showDialog(dialog);
        // The link sits below the button row.
        QVERIFY(link->mapTo(&dialog, QPoint()).y() > okOf(dialog)->mapTo(&dialog, QPoint()).y());
        saveShot(&dialog, QStringLiteral("insufficient-space"));
        dialog.close();

        ModalDriver::onNext<RecoverPathunreadabilityDialog>(
            [](RecoverPathunreadabilityDialog *shown) { QVERIFY(ModalDriver::clickButton(shown, "OK")); });
        QCOMPARE(dialog.exec(), 0);
    }

    void theSettingsLinkEndsWithThree()
    {
        RecoverPathunreadabilityDialog dialog;
        dialog.setMessage(QStringLiteral("x"));
        ModalDriver::onNext<RecoverPathunreadabilityDialog>([](RecoverPathunreadabilityDialog *shown) {
            // As a keyboard user follows it: the link takes the focus, Enter opens it.
            QLabel *link = linkLabelOf(*shown);
            link->setFocus(Qt::TabFocusReason);
            QTest::keyClick(link, Qt::Key_Tab);
            QTest::keyClick(link, Qt::Key_Return);
        });
        QCOMPARE(dialog.exec(), int(RecoverPathunreadabilityDialog::OpenSettings));
    }
};

QTEST_MAIN(RecoverResultDialogsTest)
#include "recoverresultdialogs_test.moc"

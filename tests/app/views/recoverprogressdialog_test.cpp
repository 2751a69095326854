#include "modaldriver.h"
#include "recoverprogressdialog.h"
#include "shots.h"
#include "widgetkit.h"
#include "xlabel.h"
#include "xmessagebox.h"
#include "xprogressbar.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

namespace
{
    QList<XLabel *> labelsOf(RecoverProgressDialog &dialog)
    {
        return dialog.findChildren<XLabel *>(QString(), Qt::FindChildrenRecursively);
    }

    QString counterOf(RecoverProgressDialog &dialog)
    {
        for (XLabel *label : labelsOf(dialog)) {
            if (label->alignment() == (Qt::AlignRight | Qt::AlignVCenter))
                return label->text();
        }
        return QString();
    }

    XLabel *detailOf(RecoverProgressDialog &dialog)
    {
        for (XLabel *label : labelsOf(dialog)) {
            if (label->textFormat() == Qt::PlainText && label->minimumHeight() == 40 && label->isVisibleTo(&dialog))
                return label;
        }
        return nullptr;
    }

    XProgressBar *barOf(RecoverProgressDialog &dialog)
    {
        return dialog.findChild<XProgressBar *>();
    }

    void showRunning(RecoverProgressDialog &dialog)
    {
        dialog.restart();
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    }
}

class RecoverProgressDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initWidgetKit(); }
    void cleanup() { QCOMPARE(ModalDriver::pending(), 0); }

    void itemsAreShortened_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("shown");
        QTest::newRow("14 whole") << "IMG_0001.HEIC1" << "IMG_0001.HEIC1";
        QTest::newRow("20 cut") << "IMG_0001_edited.HEIC" << "IMG_0...ted.HEIC";
        QTest::newRow("a pair never split") << QString::fromUtf8("abcd\xF0\x9F\x98\x80" "efghijklmnopqrs")
                                            << QString::fromUtf8("abcd\xF0\x9F\x98\x80...lmnopqrs");
    }

    void itemsAreShortened()
    {
        QFETCH(QString, item);
        QFETCH(QString, shown);
        QCOMPARE(RecoverProgressDialog::shortenedItem(item), shown);

        RecoverProgressDialog dialog;
        dialog.restart();
        dialog.setFileProcess(item, QString(), QString());
        dialog.setFinished(true);
        QCOMPARE(detailOf(dialog)->text(), QStringLiteral("Exporting data  %1 ").arg(shown));
    }

    void theDetailLineKeepsWhatIsNotReplaced()
    {
        RecoverProgressDialog dialog;
        dialog.restart();
        dialog.setFileProcess(QStringLiteral("a.jpg"), QStringLiteral("(3/9)"), QStringLiteral("Photos"));
        dialog.setFileProcess(QStringLiteral("b.jpg"), QString(), QString());
        dialog.setFinished(true);
        QCOMPARE(detailOf(dialog)->text(), QStringLiteral("Exporting data Photos ,b.jpg (3/9)"));
        dialog.clearFileProcess(false);
        dialog.setFinished(true);
        QCOMPARE(detailOf(dialog)->text(), QStringLiteral("Exporting data Photos  "));
        dialog.clearFileProcess(true);
        dialog.setFinished(true);
        // Still longer than 7 characters: shown.
        QCOMPARE(detailOf(dialog)->text(), QStringLiteral("Exporting data   "));
        // A file name is shown as it stands.
        dialog.setFileProcess(QStringLiteral("<img src=x>"), QString(), QString());
        dialog.setFinished(true);
        QCOMPARE(detailOf(dialog)->textFormat(), Qt::PlainText);
    }

    void progressWithTotals_data()
    {
        QTest::addColumn<double>("processed");
        QTest::addColumn<double>("total");
        QTest::addColumn<QString>("counter");
        QTest::addColumn<int>("bar");
        QTest::newRow("half") << 5.0 << 10.0 << "5/10" << 500;
        QTest::newRow("no total") << 0.0 << 0.0 << "0/0" << 0;
        QTest::newRow("millions") << 1234567.0 << 2000000.0 << "1234567/2000000" << 617;
        QTest::newRow("more than the total") << 12.0 << 10.0 << "12/10" << 1000;
    }

    void progressWithTotals()
    {
        QFETCH(double, processed);
        QFETCH(double, total);
        QFETCH(QString, counter);
        QFETCH(int, bar);
        RecoverProgressDialog dialog;
        dialog.restart();
        QCOMPARE(counterOf(dialog), QStringLiteral("0/0"));
        dialog.setProgress(processed, total, 0);
        QTRY_COMPARE(counterOf(dialog), counter);
        QCOMPARE(barOf(dialog)->value(), bar);
    }

    void aFloodIsShownAtTwentyFramesASecond()
    {
        RecoverProgressDialog dialog;
        showRunning(dialog);
        QSignalSpy barUpdates(barOf(dialog), &XProgressBar::valueChanged);
        QElapsedTimer elapsed;
        elapsed.start();
        for (int i = 1; i <= 10000; ++i) {
            dialog.setProgress(i, 10000, i);
            dialog.setFileProcess(QStringLiteral("file%1.jpg").arg(i), QString(), QStringLiteral("Photos"));
            if (i % 500 == 0)
                QCoreApplication::processEvents();
        }
        QTRY_COMPARE(counterOf(dialog), QStringLiteral("10000/10000"));
        QCOMPARE(barOf(dialog)->value(), 1000);
        QCOMPARE(detailOf(dialog)->text(), QStringLiteral("Exporting data Photos ,file10000.jpg "));
        QVERIFY2(barUpdates.count() <= elapsed.elapsed() / RecoverProgressDialog::RefreshMs + 2,
                 qPrintable(QStringLiteral("%1 updates in %2 ms").arg(barUpdates.count()).arg(elapsed.elapsed())));
        saveShot(&dialog, "running");
    }

    void finishingShowsTheLastValuesAtOnce()
    {
        RecoverProgressDialog dialog;
        dialog.restart();
        dialog.setProgress(3, 4, 3);
        QCOMPARE(counterOf(dialog), QStringLiteral("0/0"));
        dialog.setFinished(true);
        QCOMPARE(counterOf(dialog), QStringLiteral("3/4"));
        QCOMPARE(barOf(dialog)->value(), 750);
    }

    void closingAsksFirst_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Cancel") << "Cancel" << false;
        QTest::newRow("the question closed") << "" << false;
        QTest::newRow("Yes") << "Yes" << true;
    }

    void closingAsksFirst()
    {
        QFETCH(QString, answer);
        QFETCH(bool, closes);
        RecoverProgressDialog dialog;
        showRunning(dialog);
        QSignalSpy closed(&dialog, &RecoverProgressDialog::sigDlgClosed);
        QString asked;
        ModalDriver::onNext<XMessageBox>([&](XMessageBox *box) {
            asked = box->text();
            if (answer.isEmpty())
                box->done(0);
            else
                QVERIFY(ModalDriver::clickButton(box, answer));
        });
        dialog.close();
        QCOMPARE(asked, QStringLiteral("Exporting data, are you sure you want to stop?"));
        QCOMPARE(dialog.isVisible(), !closes);
        QCOMPARE(closed.count(), closes ? 1 : 0);
    }

    void escapeAsksToo()
    {
        RecoverProgressDialog dialog;
        showRunning(dialog);
        QSignalSpy closed(&dialog, &RecoverProgressDialog::sigDlgClosed);
        ModalDriver::onNext<XMessageBox>([](XMessageBox *box) { QVERIFY(ModalDriver::clickButton(box, "Cancel")); });
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
        QCOMPARE(closed.count(), 0);
    }

    void theExportEndingDuringTheQuestionClosesOnce()
    {
        RecoverProgressDialog dialog;
        showRunning(dialog);
        QSignalSpy closed(&dialog, &RecoverProgressDialog::sigDlgClosed);
        QPointer<XMessageBox> question;
        ModalDriver::onNext<XMessageBox>([&](XMessageBox *box) {
            question = box;
            // What the page does on sigRecoverOver.
            dialog.setFinished(true);
            dialog.close();
        });
        dialog.close();
        QCOMPARE(closed.count(), 1);
        QVERIFY(!dialog.isVisible());
        QVERIFY(!question || !question->isVisible());

        // The next run may close again, once.
        showRunning(dialog);
        dialog.setFinished(true);
        dialog.close();
        dialog.close();
        QCOMPARE(closed.count(), 2);
    }

    void finishedClosesWithoutAsking()
    {
        RecoverProgressDialog dialog;
        showRunning(dialog);
        QSignalSpy closed(&dialog, &RecoverProgressDialog::sigDlgClosed);
        dialog.setFinished(true);
        dialog.close();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(closed.count(), 1);
    }

    void dotsMoveAndNamesAreRead()
    {
        RecoverProgressDialog dialog;
        showRunning(dialog);
        QCOMPARE(dialog.accessibleName(), QStringLiteral("Exporting data"));
        for (XLabel *label : labelsOf(dialog))
            QVERIFY(label->accessibleName().isEmpty());
        XLabel *dots = nullptr;
        for (XLabel *label : labelsOf(dialog)) {
            if (label->minimumWidth() == 50 && label->maximumWidth() == 50)
                dots = label;
        }
        QVERIFY(dots);
        QCOMPARE(dots->text(), QStringLiteral("..."));
        QTRY_COMPARE_WITH_TIMEOUT(dots->text(), QStringLiteral("..."), 2000);
        QTRY_COMPARE_WITH_TIMEOUT(dots->text(), QStringLiteral("...."), 2000);
    }
};

QTEST_MAIN(RecoverProgressDialogTest)
#include "recoverprogressdialog_test.moc"

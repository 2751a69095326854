#include "aboutdialog.h"
#include "kitstyle.h"
#include "modaldriver.h"
#include "shots.h"
#include "upgradedialog.h"
#include "widgetkit.h"
#include "xbusyindicator.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTcpServer>
#include <QTextBrowser>
#include <QWindow>
#include <QtTest>

namespace
{
    // Stands in for the desktop's browser: records what would have opened.
    class UrlCatcher : public QObject
    {
        Q_OBJECT

    public:
        UrlCatcher()
        {
            for (const char *scheme : kSchemes)
                QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
        }
        ~UrlCatcher() override
        {
            for (const char *scheme : kSchemes)
                QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
        }

        QList<QUrl> opened;

    public slots:
        void open(const QUrl &url) { opened.append(url); }

    private:
        static constexpr const char *kSchemes[] = {"http", "https", "file", "javascript", "ftp"};
    };

    QLabel *headlineOf(UpgradeDialog *dialog)
    {
        for (QLabel *label : dialog->findChildren<QLabel *>()) {
            if (label->styleSheet().startsWith(QLatin1String("font-size:16px")))
                return label;
        }
        return nullptr;
    }

    QLabel *detailsOf(UpgradeDialog *dialog) { return dialog->findChild<QLabel *>(QStringLiteral("UpdateDetails")); }
    QTextBrowser *notesOf(UpgradeDialog *dialog) { return dialog->findChild<QTextBrowser *>(); }

    QPushButton *buttonOf(QWidget *dialog, const QString &text)
    {
        for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
            if (button->text() == text || button->objectName() == text)
                return button;
        }
        return nullptr;
    }

    QVariantMap newVersion(const QString &downloadUrl = QStringLiteral("https://downloads.example.org/q.exe"))
    {
        return {{"CheckResult", 1},
                {"Version", "8.2.0"},
                {"Size", "92.4 MB"},
                {"Release Date", "2024-03-15"},
                {"What's New", "<ul><li>Faster scans of large backups</li><li>WhatsApp calls</li></ul>"},
                {"Download URL", downloadUrl}};
    }

    // Shown, so that isVisible() of the parts says what a person sees.
    void showUp(QWidget *dialog)
    {
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
    }
}

class UpdateDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initWidgetKit();
        QVERIFY(useApplicationStyleSheet());
    }

    void cleanup() { QCOMPARE(ModalDriver::pending(), 0); }

    void checkingCentresTheBusyIndicatorLow()
    {
        UpgradeDialog dialog;
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.size(), QSize(520, 460));
        showUp(&dialog);
        dialog.showCheckResult(newVersion());
        dialog.showChecking();
        auto *busy = dialog.findChild<XBusyIndicator *>();
        QVERIFY(busy->isRunning());
        QCOMPARE(busy->geometry(), QRect(235, 255, 50, 50));
        QCOMPARE(headlineOf(&dialog)->text(), QStringLiteral("Waiting for checking..."));
        // What the last result showed is gone.
        QVERIFY(!detailsOf(&dialog)->isVisible());
        QCOMPARE(detailsOf(&dialog)->text(), QString());
        QCOMPARE(notesOf(&dialog)->toPlainText(), QString());
        QVERIFY(!buttonOf(&dialog, "Upgrade Now")->isVisible());
        QVERIFY(!buttonOf(&dialog, "Remind Me Later")->isVisible());
        saveShot(&dialog, QStringLiteral("update-checking"));

        dialog.showCheckResult({{"CheckResult", 0}});
        QVERIFY(!busy->isRunning());
    }

    void resultHeadlines_data()
    {
        QTest::addColumn<QVariantMap>("result");
        QTest::addColumn<QString>("headline");
        QTest::addColumn<bool>("details");
        QTest::addColumn<QString>("shot");
        QTest::newRow("no CheckResult") << QVariantMap() << "Current version is up to date." << false
                                        << "update-up-to-date";
        QTest::newRow("0") << QVariantMap{{"CheckResult", 0}} << "Current version is up to date." << false << "";
        QTest::newRow("1") << newVersion() << "A new version is available!" << true << "update-new-version";
        QTest::newRow("-1") << QVariantMap{{"CheckResult", -1}} << "Fetch update info failed. Please try again later.."
                            << false << "update-failed";
        QTest::newRow("2") << QVariantMap{{"CheckResult", 2}} << "Fetch update info failed. Please try again later.."
                           << false << "";
    }

    void resultHeadlines()
    {
        QFETCH(QVariantMap, result);
        QFETCH(QString, headline);
        QFETCH(bool, details);
        QFETCH(QString, shot);
        UpgradeDialog dialog;
        showUp(&dialog);
        dialog.showChecking();
        dialog.showCheckResult(result);
        QCOMPARE(headlineOf(&dialog)->text(), headline);
        QTRY_VERIFY(headlineOf(&dialog)->height() >= headlineOf(&dialog)->heightForWidth(headlineOf(&dialog)->width()));
        QCOMPARE(detailsOf(&dialog)->isVisible(), details);
        QCOMPARE(buttonOf(&dialog, "Upgrade Now")->isVisible(), details);
        QCOMPARE(buttonOf(&dialog, "Remind Me Later")->isVisible(), details);
        QVERIFY(notesOf(&dialog)->isVisible());
        QVERIFY(!dialog.findChild<XBusyIndicator *>()->isRunning());
        if (details) {
            QCOMPARE(detailsOf(&dialog)->text(), QStringLiteral("Version: 8.2.0 | Size: 92.4 MB | Release Date: 03-15.2024"));
            QVERIFY(notesOf(&dialog)->toPlainText().contains(QLatin1String("Faster scans of large backups")));
        }
        if (!shot.isEmpty())
            saveShot(&dialog, shot);
    }

    void newVersionWithoutVersionKeepsDetailsEmpty()
    {
        UpgradeDialog dialog;
        showUp(&dialog);
        dialog.showChecking();
        QVariantMap result = newVersion();
        result.insert("Version", QString());
        dialog.showCheckResult(result);
        QCOMPARE(headlineOf(&dialog)->text(), QStringLiteral("A new version is available!"));
        QCOMPARE(detailsOf(&dialog)->text(), QString());
        QVERIFY(notesOf(&dialog)->toPlainText().contains(QLatin1String("WhatsApp calls")));
        QVERIFY(buttonOf(&dialog, "Upgrade Now")->isVisible());
        QVERIFY(buttonOf(&dialog, "Remind Me Later")->isVisible());
    }

    void releaseDates_data()
    {
        QTest::addColumn<QString>("received");
        QTest::addColumn<QString>("shown");
        QTest::newRow("year-month-day") << "2024-03-15" << "03-15.2024";
        QTest::newRow("with a time") << "2024-03-15 10:00" << "03-15 10:00.2024";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("year alone") << "2024" << "2024";
        QTest::newRow("day first") << "15.03.2024" << "15.03.2024";
        QTest::newRow("letters") << "abcd-ef" << "abcd-ef";
    }

    void releaseDates()
    {
        QFETCH(QString, received);
        QFETCH(QString, shown);
        QCOMPARE(UpgradeDialog::displayDate(received), shown);
    }

    void networkTextsShowAsCharacters()
    {
        UpgradeDialog dialog;
        showUp(&dialog);
        QVariantMap result = newVersion();
        result.insert("Version", "<b>9</b>");
        result.insert("Size", "%1 <img src=x>");
        dialog.showCheckResult(result);
        QCOMPARE(detailsOf(&dialog)->textFormat(), Qt::PlainText);
        QCOMPARE(detailsOf(&dialog)->text(),
                 QStringLiteral("Version: <b>9</b> | Size: %1 <img src=x> | Release Date: 03-15.2024"));
        // Long values wrap inside the dialog rather than being clipped.
        QTRY_VERIFY(detailsOf(&dialog)->height() >= detailsOf(&dialog)->heightForWidth(detailsOf(&dialog)->width()));
        QVERIFY(detailsOf(&dialog)->geometry().right() < dialog.width() - 20);
        saveShot(&dialog, QStringLiteral("update-markup-as-text"));
    }

    void releaseNotesLoadAndOpenNothing()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        const QString base = QStringLiteral("http://127.0.0.1:%1").arg(server.serverPort());
        UrlCatcher catcher;
        UpgradeDialog dialog;
        showUp(&dialog);
        QVariantMap result = newVersion();
        result.insert("What's New", QStringLiteral("<a href=\"%1/page\">Read more about this release</a>"
                                                   "<p><img src=\"%1/picture.png\" width=40 height=40></p>"
                                                   "<link rel=stylesheet href=\"%1/notes.css\">")
                                        .arg(base));
        dialog.showCheckResult(result);
        QTextBrowser *notes = notesOf(&dialog);
        QCOMPARE(notes->textInteractionFlags(), Qt::NoTextInteraction);

        // A click on the link, where the link is drawn.
        QPoint onLink;
        for (int x = 2; x < 60 && onLink.isNull(); ++x) {
            for (int y = 2; y < 30 && onLink.isNull(); ++y) {
                if (!notes->anchorAt(QPoint(x, y)).isEmpty())
                    onLink = QPoint(x, y);
            }
        }
        QVERIFY(!onLink.isNull());
        QTest::mouseClick(notes->viewport(), Qt::LeftButton, {}, onLink);
        QTest::qWait(200);
        QVERIFY(!server.hasPendingConnections());
        QVERIFY(catcher.opened.isEmpty());
        QVERIFY(dialog.isVisible());
        saveShot(&dialog, QStringLiteral("update-notes-with-link"));
    }

    void upgradeNowOpensOnlyWebAddresses_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("opened");
        QTest::newRow("https") << "https://downloads.example.org/q.exe" << "https://downloads.example.org/q.exe";
        QTest::newRow("http with query") << "http://example.org/get?v=8.2.0&os=win"
                                         << "http://example.org/get?v=8.2.0&os=win";
        QTest::newRow("blanks around") << "  https://example.org/q.exe\n" << "https://example.org/q.exe";
        QTest::newRow("javascript") << "javascript:alert(1)" << "";
        QTest::newRow("file") << "file:///etc/passwd" << "";
        QTest::newRow("bare path") << "/usr/bin/xterm" << "";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("no host") << "https:///q.exe" << "";
        QTest::newRow("ftp") << "ftp://example.org/q.exe" << "";
    }

    void upgradeNowOpensOnlyWebAddresses()
    {
        QFETCH(QString, address);
        QFETCH(QString, opened);
        UrlCatcher catcher;
        UpgradeDialog dialog;
        ModalDriver::onNext<UpgradeDialog>([&catcher](UpgradeDialog *shown) {
            QTest::mouseClick(buttonOf(shown, "Upgrade Now"), Qt::LeftButton);
            QCoreApplication::processEvents();
            QVERIFY(shown->isVisible());
            shown->done(7);
            Q_UNUSED(catcher);
        });
        dialog.showCheckResult(newVersion(address));
        QCOMPARE(dialog.exec(), 7);
        if (opened.isEmpty())
            QCOMPARE(catcher.opened.size(), 0);
        else
            QCOMPARE(catcher.opened, QList<QUrl>({QUrl(opened)}));
    }

    void aCheckingDialogForgetsTheAddress()
    {
        UrlCatcher catcher;
        UpgradeDialog dialog;
        showUp(&dialog);
        dialog.showCheckResult(newVersion());
        dialog.showChecking();
        dialog.showCheckResult({{"CheckResult", 1}, {"Version", "8.2.0"}});
        buttonOf(&dialog, "Upgrade Now")->click();
        QVERIFY(catcher.opened.isEmpty());
    }

    void waysOut_data()
    {
        QTest::addColumn<bool>("about");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("result");
        QTest::newRow("update: close") << false << "TitleCloseButton" << 0;
        QTest::newRow("update: Remind Me Later") << false << "Remind Me Later" << 0;
        QTest::newRow("update: Esc") << false << "Esc" << 0;
        QTest::newRow("about: close") << true << "TitleCloseButton" << 255;
        QTest::newRow("about: Esc") << true << "Esc" << 0;
    }

    void waysOut()
    {
        QFETCH(bool, about);
        QFETCH(QString, action);
        QFETCH(int, result);
        QScopedPointer<QDialog> dialog;
        if (about) {
            dialog.reset(new AboutDialog);
        } else {
            auto *update = new UpgradeDialog;
            update->showCheckResult(newVersion());
            dialog.reset(update);
        }
        ModalDriver::onNext<QDialog>([action](QDialog *shown) {
            if (action == "Esc") {
                QTest::keyClick(shown, Qt::Key_Escape);
                return;
            }
            QPushButton *button = buttonOf(shown, action);
            QVERIFY(button);
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(button);
            if (!face || face->text(QAccessible::Name).isEmpty()) {
                shown->done(-2);
                QFAIL("a way out without an accessible name");
            }
            QTest::mouseClick(button, Qt::LeftButton);
        });
        QCOMPARE(dialog->exec(), result);
    }

    void dragMovesThem_data()
    {
        QTest::addColumn<bool>("about");
        QTest::newRow("about") << true;
        QTest::newRow("update") << false;
    }

    void dragMovesThem()
    {
        QFETCH(bool, about);
        QScopedPointer<QDialog> dialog(about ? static_cast<QDialog *>(new AboutDialog) : new UpgradeDialog);
        dialog->move(150, 120);
        showUp(dialog.data());
        const QPoint start = dialog->pos();
        QWindow *window = dialog->windowHandle();
        const QPoint from(260, 14);
        const QPoint delta(40, -25);
        const QPoint endGlobal = window->mapToGlobal(from) + delta;
        QTest::mousePress(window, Qt::LeftButton, {}, from);
        QTest::mouseMove(window, from + delta);
        QTest::mouseRelease(window, Qt::LeftButton, {}, window->mapFromGlobal(endGlobal));
        QTRY_COMPARE(dialog->pos(), start + delta);
    }

    void aboutShowsVersionAndItsLinkOpens()
    {
        UrlCatcher catcher;
        AboutDialog dialog;
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.size(), QSize(520, 340));
        showUp(&dialog);
        bool hasVersion = false;
        for (QLabel *label : dialog.findChildren<QLabel *>())
            hasVersion = hasVersion || label->text() == QLatin1String("Version:8.1.0");
        QVERIFY(hasVersion);
        saveShot(&dialog, QStringLiteral("about"));

        auto *link = dialog.findChild<QLabel *>(QStringLiteral("HomepageLink"));
        QVERIFY(link);
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(8, link->height() / 2));
        QTRY_COMPARE(catcher.opened, QList<QUrl>({QUrl(QStringLiteral("http://127.0.0.1:9/home"))}));
    }

    void aboutEscapesItsAddress()
    {
        const QByteArray before = qgetenv("QUENROW_HOMEPAGE_URL");
        qputenv("QUENROW_HOMEPAGE_URL", "https://example.org/?a=1&b=\"><b>x</b>");
        UrlCatcher catcher;
        {
            AboutDialog dialog;
            showUp(&dialog);
            auto *link = dialog.findChild<QLabel *>(QStringLiteral("HomepageLink"));
            QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(8, link->height() / 2));
            QTRY_COMPARE(catcher.opened.size(), 1);
            QCOMPARE(catcher.opened.first(), QUrl(QStringLiteral("https://example.org/?a=1&b=\"><b>x</b>")));
            saveShot(&dialog, QStringLiteral("about-odd-address"));
        }
        qputenv("QUENROW_HOMEPAGE_URL", before);
    }
};

QTEST_MAIN(UpdateDialogsTest)
#include "updatedialogs_test.moc"

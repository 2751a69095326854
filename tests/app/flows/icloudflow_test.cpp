#include "devicedata.h"
#include "deviceparser.h"
#include "flowlinklabel.h"
#include "flowsinit.h"
#include "flowstyle.h"
#include "icloudgmailfrm.h"
#include "icloudpasswordfrm.h"
#include "icloudstartingpage.h"
#include "loginicloudfrm.h"
#include "loopbackhttpserver.h"
#include "messageboxscript.h"
#include "modaldriver.h"
#include "need2stepverifydialog.h"
#include "recoverfromicloud.h"
#include "settingsentry.h"
#include "shots.h"
#include "typeselectionview.h"
#include "vlog.h"
#include "widgetkit.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QDateTime>
#include <QDesktopServices>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedLayout>
#include <QStandardItemModel>
#include <QtTest>

namespace
{
    const QString kPassword = QStringLiteral("Secret-Pw1");

    // The scripted iCloud library's answers, by Apple ID and by code.
    QJsonObject script()
    {
        return QJsonObject{
            {"loginByAppleId", QJsonObject{{"ok@example.com", 0},
                                           {"net@example.com", 10},
                                           {"wrong@example.com", 11},
                                           {"twostep@example.com", 12},
                                           {"other@example.com", 99},
                                           {"na@example.com", 503}}},
            {"verifyByCode", QJsonObject{{"000000", 0}, {"151515", 15}, {"333333", 3}}},
            {"login", QJsonArray{0}},
            {"verify", QJsonArray{3}},
        };
    }

    QString logText()
    {
        QFile file(qEnvironmentVariable("QUENROW_LOG_DIR") + "/app.txt");
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll());
    }

    QList<bool> emitted(const QSignalSpy &spy)
    {
        QList<bool> values;
        for (const QList<QVariant> &arguments : spy)
            values << arguments.at(0).toBool();
        return values;
    }

    void clickCard(TypeSelectionView *view, int row)
    {
        const QPoint centre = view->listView()->visualRect(view->model()->index(row, 0)).center();
        QTest::mouseClick(view->listView()->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    }

    int cardState(const TypeSelectionView *view, int row)
    {
        return view->model()->item(row)->data(Qt::DisplayRole).value<Vx::DataItemInfo>().checkState;
    }

    void typeCode(Need2StepVerifyDialog *dialog, const QString &code)
    {
        const QVector<QLineEdit *> boxes = dialog->digitBoxes();
        for (int index = 0; index < boxes.size(); ++index) {
            boxes.at(index)->clear();
            QTest::keyClicks(boxes.at(index), code.mid(index, 1));
        }
    }

    QStringList actionsOf(QWidget *widget)
    {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        return accessible && accessible->actionInterface() ? accessible->actionInterface()->actionNames()
                                                           : QStringList();
    }

    // Opened addresses, instead of a browser.
    class UrlRecorder : public QObject
    {
        Q_OBJECT

    public:
        QStringList opened;

    public slots:
        void open(const QUrl &url) { opened << url.toString(); }
    };
}

class ICloudFlowTest : public QObject
{
    Q_OBJECT

private:
    testsupport::LoopbackHttpServer m_server;
    UrlRecorder m_urls;
    QScopedPointer<LoginiCloudFrm> m_login;
    QScopedPointer<RecoverFromiCloud> m_module;

    void networkUp() { qputenv("QUENROW_REACHABILITY_URL", m_server.url("/up").toUtf8()); }
    void networkDown() { qputenv("QUENROW_REACHABILITY_URL", "http://127.0.0.1:9/down"); }

    LoginiCloudFrm *showLogin()
    {
        m_login.reset(new LoginiCloudFrm);
        m_login->resize(1000, 640);
        m_login->show();
        if (!QTest::qWaitForWindowExposed(m_login.data()))
            qWarning("the sign-in page was not exposed");
        return m_login.data();
    }

    static void fill(LoginiCloudFrm *page, const QString &appleId, const QString &password = kPassword)
    {
        page->appleIdFrame()->lineEdit()->clear();
        QTest::keyClicks(page->appleIdFrame()->lineEdit(), appleId);
        page->passwordFrame()->lineEdit()->clear();
        QTest::keyClicks(page->passwordFrame()->lineEdit(), password);
    }

    RecoverFromiCloud *showModule()
    {
        m_module.reset(new RecoverFromiCloud);
        m_module->resize(1240, 700);
        m_module->show();
        if (!QTest::qWaitForWindowExposed(m_module.data()))
            qWarning("the module was not exposed");
        m_module->setInit();
        return m_module.data();
    }

    // Signed in with the account that needs nothing more.
    void signIn(RecoverFromiCloud *module)
    {
        fill(module->loginPage(), QStringLiteral("ok@example.com"));
        QTest::mouseClick(module->loginPage()->signInButton(), Qt::LeftButton);
        QCOMPARE(module->stack()->currentIndex(), 1);
    }

private slots:
    void initTestCase()
    {
        if (!qEnvironmentVariableIsSet("FLOWS_ICLOUD_OWN_LIBRARY")) {
            qputenv("QUENROW_CIRRANE", qgetenv("QUENROW_BIN_DIR") + "/libCirraneScripted.so");
            qputenv("QUENROW_CIRRANE_SCRIPT", QJsonDocument(script()).toJson(QJsonDocument::Compact));
        }
        qputenv("QUENROW_APPLE_RECOVERY_URL", "https://recovery.test/forgot");
        qputenv("QUENROW_APPLE_TWO_FACTOR_URL", "https://recovery.test/two-factor");
        qputenv("QUENROW_APPLE_SIGNIN_HELP_URL", "https://recovery.test/help?a=1&b=2");
        initWidgetKit();
        initFlows();
        useApplicationStyleSheet();
        vlogInit();
        QCoreApplication::setOrganizationName(QStringLiteral("Brandle"));
        QCoreApplication::setApplicationName(QStringLiteral("Quenrow(iOS)"));
        QThreadPool::globalInstance()->setMaxThreadCount(qMax(4, QThreadPool::globalInstance()->maxThreadCount()));
        QVERIFY(m_server.start());
        m_server.setReply("/up", testsupport::LoopbackHttpServer::Reply::ok("up"));
        QDesktopServices::setUrlHandler("https", &m_urls, "open");
    }

    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler("https");
        m_server.stop();
    }

    void init()
    {
        networkUp();
        QSettings().remove(SettingsKey::ICloudAccount);
        m_urls.opened.clear();
    }

    void cleanup()
    {
        QCOMPARE(ModalDriver::pending(), 0);
        ModalDriver::clear();
        m_login.reset();
        m_module.reset();
    }

    void eachSignInResultIsToldOnThePage_data()
    {
        QTest::addColumn<QString>("appleId");
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("signedIn");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("codeStatus");
        QTest::newRow("0: signed in") << "ok@example.com" << "" << true << "" << "" << "";
        QTest::newRow("10: the network") << "net@example.com" << "" << false
                                         << "Please check your internet connection and try again!" << "" << "";
        QTest::newRow("11: wrong credentials") << "wrong@example.com" << "" << false << ""
                                               << "Your Apple ID or password is incorrect!" << "";
        QTest::newRow("12, then the right code") << "twostep@example.com" << "000000" << true << "" << "" << "";
        QTest::newRow("12, then too many tries") << "twostep@example.com" << "151515" << false << "" << ""
                                                 << "Frequent verification, try later!";
        QTest::newRow("12, then a wrong code") << "twostep@example.com" << "333333" << false << "" << ""
                                               << "Incorrect verification code!";
        QTest::newRow("99: unknown") << "other@example.com" << "" << false << "Login failed due to unknown reasons!"
                                     << "" << "";
        QTest::newRow("503: not available here") << "na@example.com" << "" << false << ""
                                                 << "iCloud is not available on this platform." << "";
    }

    void eachSignInResultIsToldOnThePage()
    {
        QFETCH(QString, appleId);
        QFETCH(QString, code);
        QFETCH(bool, signedIn);
        QFETCH(QString, box);
        QFETCH(QString, error);
        QFETCH(QString, codeStatus);
        LoginiCloudFrm *page = showLogin();
        fill(page, appleId);
        QVERIFY(page->signInButton()->isEnabled());
        QSignalSpy succeeded(page, &LoginiCloudFrm::sigLoginSucceed);
        QSignalSpy back(page, &LoginiCloudFrm::sigEnabledBackButton);
        MessageBoxScript boxes(box.isEmpty() ? QList<int>() : QList<int>({1}));
        QString shownStatus;
        bool digitsKept = true;
        if (!code.isEmpty()) {
            ModalDriver::onNext<Need2StepVerifyDialog>([&](Need2StepVerifyDialog *dialog) {
                typeCode(dialog, code);
                QTest::mouseClick(dialog->verifyButton(), Qt::LeftButton);
                if (dialog->isVisible()) {
                    shownStatus = dialog->statusText();
                    // The digits stay for another try; this one gives up.
                    digitsKept = dialog->digitBoxes().last()->text() == code.right(1)
                                 && dialog->verifyButton()->isEnabled();
                    saveShot(dialog, "wrong-code");
                    dialog->done(FDialog::ClosedByTitleBar);
                }
            });
        }
        QTest::mouseClick(page->signInButton(), Qt::LeftButton);

        QCOMPARE(succeeded.count(), signedIn ? 1 : 0);
        // Back is off while the library is asked, and on again after.
        QCOMPARE(emitted(back), QList<bool>({false, true}));
        QVERIFY(!page->isBusy());
        QVERIFY(page->appleIdFrame()->isEnabled());
        QVERIFY(page->signInButton()->isEnabled());
        QCOMPARE(page->appleIdFrame()->text(), appleId);
        QCOMPARE(page->passwordFrame()->text(), kPassword);
        QCOMPARE(boxes.shown().size(), box.isEmpty() ? 0 : 1);
        if (!box.isEmpty())
            QVERIFY2(boxes.shown().first().text.contains(box), qPrintable(boxes.shown().first().text));
        if (error.isEmpty())
            QVERIFY(page->errorText().isEmpty());
        else
            QVERIFY2(page->errorText().contains(error), qPrintable(page->errorText()));
        QVERIFY2(shownStatus.contains(codeStatus), qPrintable(shownStatus));
        QVERIFY(digitsKept);
        QCOMPARE(SettingsEntry::instance()->value(SettingsKey::ICloudAccount, SettingsEntry::UserScope).toString(),
                 signedIn ? appleId : QString());
        if (!error.isEmpty())
            saveShot(page, "error");
    }

    void anUnknownFailureLinksToHelp()
    {
        LoginiCloudFrm *page = showLogin();
        fill(page, QStringLiteral("other@example.com"));
        MessageBoxScript boxes({1});
        QTest::mouseClick(page->signInButton(), Qt::LeftButton);
        QCOMPARE(boxes.shown().size(), 1);
        QVERIFY2(boxes.shown().first().text.contains("href=\"https://recovery.test/help?a=1&amp;b=2\""),
                 qPrintable(boxes.shown().first().text));
        QCOMPARE(boxes.shown().first().buttons, QStringList({"OK"}));
    }

    void theNextTryClearsTheErrorLine()
    {
        LoginiCloudFrm *page = showLogin();
        fill(page, QStringLiteral("wrong@example.com"));
        QTest::mouseClick(page->signInButton(), Qt::LeftButton);
        QVERIFY(!page->errorText().isEmpty());
        fill(page, QStringLiteral("ok@example.com"));
        QTest::mouseClick(page->signInButton(), Qt::LeftButton);
        QVERIFY(page->errorText().isEmpty());
    }

    void withTheNetworkDownNothingIsAsked()
    {
        networkDown();
        LoginiCloudFrm *page = showLogin();
        fill(page, QStringLiteral("down@example.com"));
        QSignalSpy back(page, &LoginiCloudFrm::sigEnabledBackButton);
        QSignalSpy succeeded(page, &LoginiCloudFrm::sigLoginSucceed);
        MessageBoxScript boxes({1});
        QTest::mouseClick(page->signInButton(), Qt::LeftButton);
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(boxes.shown().first().text, QStringLiteral("Please check your internet connection and try again!"));
        QVERIFY(back.isEmpty());
        QCOMPARE(succeeded.count(), 0);
        QVERIFY(!page->isBusy());
        QVERIFY(!logText().contains("[Login] arg1:down@example.com"));
    }

    // Back is still on during the check: the page left meanwhile signs nothing in.
    void leavingDuringTheNetworkCheckSignsNothingIn()
    {
        m_server.setReply("/slow", testsupport::LoopbackHttpServer::Reply::slow("slowly up", 3, 100));
        qputenv("QUENROW_REACHABILITY_URL", m_server.url("/slow").toUtf8());
        RecoverFromiCloud *module = showModule();
        QSignalSpy left(module, &ModuleBaseFrm::sigBackButtonClicked);
        // The window shows another page when the module asks to go back.
        connect(module, &ModuleBaseFrm::sigBackButtonClicked, module, &QWidget::hide);
        fill(module->loginPage(), QStringLiteral("left@example.com"));
        QTimer::singleShot(50, module, [module] {
            QVERIFY(module->loginPage()->isBusy());
            QVERIFY(module->backButton()->isEnabled());
            QTest::mouseClick(module->backButton(), Qt::LeftButton);
        });
        QTest::mouseClick(module->loginPage()->signInButton(), Qt::LeftButton);
        QCOMPARE(left.count(), 1);
        QVERIFY(!module->loginPage()->isBusy());
        QCOMPARE(module->stack()->currentIndex(), 0);
        QVERIFY(module->backButton()->isEnabled());
        QVERIFY(!logText().contains("[Login] arg1:left@example.com"));
    }

    void theAccountIsRememberedAfterASuccessOnly()
    {
        LoginiCloudFrm *page = showLogin();
        fill(page, QStringLiteral("ok@example.com"));
        QTest::mouseClick(page->signInButton(), Qt::LeftButton);
        fill(page, QStringLiteral("wrong@example.com"));
        QTest::mouseClick(page->signInButton(), Qt::LeftButton);
        // A new start of the program reads it.
        LoginiCloudFrm later;
        QCOMPARE(later.account(), QStringLiteral("ok@example.com"));
        QVERIFY(later.passwordFrame()->text().isEmpty());
    }

    void thePasswordIsNeverLogged()
    {
        LoginiCloudFrm *page = showLogin();
        fill(page, QStringLiteral("ok@example.com"));
        QTest::mouseClick(page->signInButton(), Qt::LeftButton);
        const QString log = logText();
        QVERIFY(log.contains("[Login] arg1:ok@example.com arg2:********"));
        QVERIFY(!log.contains(kPassword));
        QVERIFY(!QSettings().allKeys().join(' ').contains(kPassword));
        for (const QString &key : QSettings().allKeys())
            QVERIFY(!QSettings().value(key).toString().contains(kPassword));
    }

    void theFieldsAdmitWhatTheyShould()
    {
        LoginiCloudFrm *page = showLogin();
        QLineEdit *appleId = page->appleIdFrame()->lineEdit();
        QTest::keyClicks(appleId, "  ");
        QVERIFY(appleId->text().isEmpty());
        QTest::keyClicks(appleId, "!#");
        QVERIFY(appleId->text().isEmpty());
        QTest::keyClicks(appleId, "first.last+tag@mail-host.example.org");
        QCOMPARE(appleId->text(), QStringLiteral("first.last+tag@mail-host.example.org"));
        QVERIFY(!page->signInButton()->isEnabled());
        // Any password can be typed, spaces and signs too.
        QLineEdit *password = page->passwordFrame()->lineEdit();
        QTest::keyClicks(password, "a b!");
        QCOMPARE(password->text(), QStringLiteral("a b!"));
        QVERIFY(page->signInButton()->isEnabled());
        password->clear();
        QVERIFY(!page->signInButton()->isEnabled());
        QCOMPARE(appleId->accessibleName(), QStringLiteral("Apple ID"));
        QCOMPARE(password->accessibleName(), QStringLiteral("Password"));
        QCOMPARE(appleId->placeholderText(), QStringLiteral("Apple ID"));
    }

    void theEyeShowsAndHidesThePassword()
    {
        LoginiCloudFrm *page = showLogin();
        QPushButton *eye = page->passwordFrame()->viewButton();
        QLineEdit *password = page->passwordFrame()->lineEdit();
        QCOMPARE(eye->accessibleName(), QStringLiteral("Show password"));
        const QImage hidden = eye->icon().pixmap(22, 22).toImage();
        QCOMPARE(password->echoMode(), QLineEdit::Password);
        QTest::mouseClick(eye, Qt::LeftButton);
        QCOMPARE(password->echoMode(), QLineEdit::Normal);
        QVERIFY(eye->icon().pixmap(22, 22).toImage() != hidden);
        QTest::mouseClick(eye, Qt::LeftButton);
        QCOMPARE(password->echoMode(), QLineEdit::Password);
        QCOMPARE(eye->icon().pixmap(22, 22).toImage(), hidden);
    }

    void theForgottenPasswordLinkWorksFromTheKeyboard()
    {
        LoginiCloudFrm *page = showLogin();
        FlowLinkLabel *link = page->forgotLink();
        QCOMPARE(link->accessibleName(), QStringLiteral("Forgot Apple ID or Password?"));
        QCOMPARE(QAccessible::queryAccessibleInterface(link)->role(), QAccessible::Link);
        QVERIFY(actionsOf(link).contains(QAccessibleActionInterface::pressAction()));
        link->setFocus();
        QTest::keyClick(link, Qt::Key_Space);
        QCOMPARE(m_urls.opened, QStringList({"https://recovery.test/forgot"}));
        saveShot(page, "sign-in");
    }

    void typingACodeMovesFromBoxToBox()
    {
        Need2StepVerifyDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QVector<QLineEdit *> boxes = dialog.digitBoxes();
        for (int index = 0; index < boxes.size(); ++index)
            QCOMPARE(boxes.at(index)->accessibleName(), QStringLiteral("Digit %1").arg(index + 1));
        boxes.first()->setFocus();
        for (int index = 0; index < 6; ++index) {
            QVERIFY(!dialog.verifyButton()->isEnabled());
            QCOMPARE(QApplication::focusWidget(), boxes.at(index));
            // A letter is refused; the digit is taken.
            QTest::keyClicks(boxes.at(index), "x");
            QVERIFY(boxes.at(index)->text().isEmpty());
            QTest::keyClicks(boxes.at(index), QString::number(index + 1));
            QCOMPARE(boxes.at(index)->text(), QString::number(index + 1));
        }
        QVERIFY(dialog.verifyButton()->isEnabled());
        // A second digit does not fit in a box.
        QTest::keyClicks(boxes.last(), "9");
        QCOMPARE(boxes.last()->text(), QStringLiteral("6"));
        saveShot(&dialog, "code");
    }

    void backspaceInAnEmptyBoxGoesBackWithoutDeleting()
    {
        Need2StepVerifyDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QVector<QLineEdit *> boxes = dialog.digitBoxes();
        boxes.first()->setFocus();
        QTest::keyClicks(QApplication::focusWidget(), "1");
        QTest::keyClicks(QApplication::focusWidget(), "2");
        QTest::keyClicks(QApplication::focusWidget(), "3");
        QCOMPARE(QApplication::focusWidget(), boxes.at(3));
        QTest::keyClick(boxes.at(3), Qt::Key_Backspace);
        QCOMPARE(QApplication::focusWidget(), boxes.at(2));
        QCOMPARE(boxes.at(2)->text(), QStringLiteral("3"));
        // Box 1 has no step back.
        boxes.first()->setFocus();
        boxes.first()->clear();
        QTest::keyClick(boxes.first(), Qt::Key_Backspace);
        QCOMPARE(QApplication::focusWidget(), boxes.first());
    }

    void aNewCodeWaitsThirtySeconds()
    {
        Need2StepVerifyDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        FlowLinkLabel *resend = dialog.resendLink();
        QCOMPARE(resend->accessibleName(), QStringLiteral("Resend a code"));
        QVERIFY(actionsOf(resend).contains(QAccessibleActionInterface::pressAction()));
        const int before = logText().count("[anycRequestSecurityCode] arg:0");
        QTest::mouseClick(resend, Qt::LeftButton);
        QTest::mouseClick(resend, Qt::LeftButton);
        QCOMPARE(logText().count("[anycRequestSecurityCode] arg:0"), before + 1);
        QVERIFY(!resend->isEnabled());
        QVERIFY(resend->text().contains("Resend a code(30s)"));
        QVERIFY(resend->text().contains("#666666"));
        // The other link keeps its own time.
        QVERIFY(dialog.smsLink()->isEnabled());
        QVERIFY(dialog.isResendCounting());

        dialog.resendTick();
        QVERIFY(resend->text().contains("(30s)"));
        for (int tick = 2; tick <= 30; ++tick)
            dialog.resendTick();
        QVERIFY(resend->text().contains("(1s)"));
        QVERIFY(!resend->isEnabled());
        dialog.resendTick();
        QVERIFY(resend->isEnabled());
        QVERIFY(!dialog.isResendCounting());
        QVERIFY(resend->text().contains("#558AF8"));
        QVERIFY(!resend->text().contains("s)"));
        // Press from the keyboard asks again.
        resend->setFocus();
        QTest::keyClick(resend, Qt::Key_Return);
        QCOMPARE(logText().count("[anycRequestSecurityCode] arg:0"), before + 2);
    }

    void theVerificationSaysWhetherATextMessageWasAsked_data()
    {
        QTest::addColumn<bool>("sms");
        QTest::newRow("trusted devices") << false;
        QTest::newRow("text message") << true;
    }

    void theVerificationSaysWhetherATextMessageWasAsked()
    {
        QFETCH(bool, sms);
        Need2StepVerifyDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        if (sms)
            QTest::mouseClick(dialog.smsLink(), Qt::LeftButton);
        QCOMPARE(dialog.smsRequested(), sms);
        typeCode(&dialog, QStringLiteral("333333"));
        QTest::mouseClick(dialog.verifyButton(), Qt::LeftButton);
        QVERIFY(logText().contains(QStringLiteral("[VerifySecurityCode] arg1:333333 arg2:%1").arg(sms ? 1 : 0)));
        QVERIFY(dialog.statusText().contains("Incorrect verification code!"));
    }

    void theDataTypesStartAllChecked()
    {
        iCloudStartingPage page;
        QCOMPARE(page.selectAllBox()->checkState(), Qt::Checked);
        QVERIFY(page.hasSelection());
        QCOMPARE(page.selectedCategories(), QVector<int>({16, 32, 1, 512, 2048, 4096}));
        QCOMPARE(page.selectAllBox()->accessibleName(), QStringLiteral("Select ALL"));
    }

    void theDataTypesFollowTheirBoxes_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("selectAll");
        QTest::addColumn<QVector<int>>("chosen");
        QTest::addColumn<QList<bool>>("announced");
        QTest::newRow("one unchecked") << "c0" << int(Qt::PartiallyChecked) << QVector<int>{32, 1, 512, 2048, 4096}
                                       << QList<bool>{true};
        QTest::newRow("all six one by one") << "c0,c1,c2,c3,c4,c5" << int(Qt::Unchecked) << QVector<int>{}
                                            << QList<bool>{true, true, true, true, true, false};
        QTest::newRow("Contacts and Notes unchecked") << "c2,c3" << int(Qt::PartiallyChecked)
                                                      << QVector<int>{16, 32, 2048, 4096} << QList<bool>{true, true};
        QTest::newRow("Select ALL when checked") << "X" << int(Qt::Unchecked) << QVector<int>{} << QList<bool>{false};
        QTest::newRow("Select ALL twice") << "X,X" << int(Qt::Checked) << QVector<int>{16, 32, 1, 512, 2048, 4096}
                                          << QList<bool>{false, true};
        QTest::newRow("Select ALL when partial") << "c5,X" << int(Qt::Checked)
                                                 << QVector<int>{16, 32, 1, 512, 2048, 4096}
                                                 << QList<bool>{true, true};
        QTest::newRow("one back after all were off") << "X,c4" << int(Qt::PartiallyChecked) << QVector<int>{2048}
                                                     << QList<bool>{false, true};
    }

    void theDataTypesFollowTheirBoxes()
    {
        QFETCH(QString, steps);
        QFETCH(int, selectAll);
        QFETCH(QVector<int>, chosen);
        QFETCH(QList<bool>, announced);
        iCloudStartingPage page;
        page.resize(1000, 600);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QSignalSpy states(&page, &iCloudStartingPage::sigSelectState);
        for (const QString &step : steps.split(',')) {
            if (step == "X")
                QTest::mouseClick(page.selectAllBox(), Qt::LeftButton);
            else
                clickCard(page.view(), step.mid(1).toInt());
        }
        QCOMPARE(int(page.selectAllBox()->checkState()), selectAll);
        QCOMPARE(page.selectedCategories(), chosen);
        QCOMPARE(emitted(states), announced);
        int checked = 0;
        for (int row = 0; row < 6; ++row)
            checked += cardState(page.view(), row) == Qt::Checked ? 1 : 0;
        QCOMPARE(checked, chosen.size());
    }

    // Assistive tools toggle "Select ALL" as a click does.
    void selectAllTogglesFromAssistiveTools()
    {
        iCloudStartingPage page;
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QSignalSpy states(&page, &iCloudStartingPage::sigSelectState);
        QAccessibleInterface *box = QAccessible::queryAccessibleInterface(page.selectAllBox());
        QVERIFY(box->actionInterface());
        box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QTRY_COMPARE(states.count(), 1);
        QCOMPARE(page.selectedCategories(), QVector<int>());
    }

    void signingInShowsTheDataTypesWithTheAccount()
    {
        RecoverFromiCloud *module = showModule();
        QCOMPARE(module->stack()->currentIndex(), 0);
        QVERIFY(!module->downloadButton()->isVisible());
        QVERIFY(!module->accountLabel()->isVisible());
        signIn(module);
        QVERIFY(module->downloadButton()->isVisible());
        QVERIFY(module->downloadButton()->isEnabled());
        QCOMPARE(module->downloadButton()->text(), QStringLiteral("Download"));
        QVERIFY(module->accountLabel()->isVisible());
        QVERIFY(module->accountLabel()->text().startsWith("ok@example.com<a "));
        QCOMPARE(module->accountLabel()->accessibleName(), QStringLiteral("(Sign out)"));
        QVERIFY(actionsOf(module->accountLabel()).contains(QAccessibleActionInterface::pressAction()));
        saveShot(module, "data-types");
        // The way back starts at the sign-in page.
        module->setInit();
        QCOMPARE(module->stack()->currentIndex(), 0);
        QVERIFY(!module->downloadButton()->isVisible());
    }

    void theAccountIsPlainTextInItsLabel()
    {
        QSettings().setValue(SettingsKey::ICloudAccount, "<b>bold</b>@example.com");
        RecoverFromiCloud *module = showModule();
        module->stack()->setCurrentIndex(1);
        QVERIFY2(module->accountLabel()->text().startsWith("&lt;b&gt;bold&lt;/b&gt;@example.com<a "),
                 qPrintable(module->accountLabel()->text()));
    }

    void backOnTheDataTypesAsksFirst_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("page");
        QTest::newRow("Return") << 1 << 0;
        QTest::newRow("Cancel") << 2 << 1;
        QTest::newRow("closed") << 0 << 1;
    }

    void backOnTheDataTypesAsksFirst()
    {
        QFETCH(int, answer);
        QFETCH(int, page);
        RecoverFromiCloud *module = showModule();
        signIn(module);
        QSignalSpy left(module, &ModuleBaseFrm::sigBackButtonClicked);
        const int cleared = logText().count("ClearLoginInfo");
        MessageBoxScript boxes({answer});
        QTest::mouseClick(module->backButton(), Qt::LeftButton);
        QCOMPARE(boxes.shown().first().text,
                 QStringLiteral("Are you sure you want to return? You will need to re-sign into iCloud after returning."));
        QCOMPARE(boxes.shown().first().buttons, QStringList({"Return", "Cancel"}));
        QCOMPARE(module->stack()->currentIndex(), page);
        QCOMPARE(logText().count("ClearLoginInfo"), cleared + (page == 0 ? 1 : 0));
        QCOMPARE(left.count(), 0);
    }

    void backOnTheSignInLeavesTheModule()
    {
        RecoverFromiCloud *module = showModule();
        fill(module->loginPage(), QStringLiteral("wrong@example.com"));
        QTest::mouseClick(module->loginPage()->signInButton(), Qt::LeftButton);
        QVERIFY(!module->loginPage()->errorText().isEmpty());
        QSignalSpy left(module, &ModuleBaseFrm::sigBackButtonClicked);
        QTest::mouseClick(module->backButton(), Qt::LeftButton);
        QCOMPARE(left.count(), 1);
        QVERIFY(module->loginPage()->errorText().isEmpty());
    }

    void signingOutAsksNothing()
    {
        RecoverFromiCloud *module = showModule();
        signIn(module);
        const int cleared = logText().count("ClearLoginInfo");
        module->accountLabel()->setFocus();
        QTest::keyClick(module->accountLabel(), Qt::Key_Return);
        QCOMPARE(module->stack()->currentIndex(), 0);
        QCOMPARE(logText().count("ClearLoginInfo"), cleared + 1);
        QVERIFY(!module->downloadButton()->isVisible());
    }

    void downloadNamesAFreshFolder()
    {
        RecoverFromiCloud *module = showModule();
        signIn(module);
        clickCard(module->typePage()->view(), 2);
        clickCard(module->typePage()->view(), 3);
        QSignalSpy handedOn(module, &ModuleBaseFrm::sigJumptoScanDataView);
        const qint64 before = QDateTime::currentSecsSinceEpoch();
        QTest::mouseClick(module->downloadButton(), Qt::LeftButton);
        const qint64 after = QDateTime::currentSecsSinceEpoch();
        QCOMPARE(handedOn.count(), 1);
        const QString folder = handedOn.first().first().toString();
        const QString root = SettingsEntry::instance()->backupRootPath();
        QVERIFY2(folder.startsWith(root + "/VXBackup_"), qPrintable(folder));
        const qint64 seconds = folder.mid(root.size() + 10).toLongLong();
        QVERIFY(seconds >= before && seconds <= after);
        // The pull makes it.
        QVERIFY(!QFileInfo::exists(folder));
        const QStringList cleanup = SettingsEntry::instance()->cleanupPaths();
        QVERIFY(cleanup.indexOf(root) >= 0);
        QVERIFY(cleanup.lastIndexOf(folder) > cleanup.lastIndexOf(root));
        QCOMPARE(DeviceParser::instance()->scanCategories(0), QVector<int>({16, 32, 2048, 4096}));
        QCOMPARE(module->stack()->currentIndex(), 1);
    }

    void downloadFollowsTheChoice()
    {
        RecoverFromiCloud *module = showModule();
        signIn(module);
        QTest::mouseClick(module->typePage()->selectAllBox(), Qt::LeftButton);
        QVERIFY(!module->downloadButton()->isEnabled());
        // Shown again, the page's state decides.
        module->stack()->setCurrentIndex(0);
        module->stack()->setCurrentIndex(1);
        QVERIFY(!module->downloadButton()->isEnabled());
        clickCard(module->typePage()->view(), 0);
        QVERIFY(module->downloadButton()->isEnabled());
    }

    // Run alone, by the CTest entry that binds the program's own library.
    void theProgramsOwnLibrarySaysItIsNotAvailable()
    {
        if (!qEnvironmentVariableIsSet("FLOWS_ICLOUD_OWN_LIBRARY"))
            QSKIP("the scripted library is bound in this run");
        RecoverFromiCloud *module = showModule();
        fill(module->loginPage(), QStringLiteral("anyone@example.com"));
        QSignalSpy succeeded(module->loginPage(), &LoginiCloudFrm::sigLoginSucceed);
        MessageBoxScript boxes({});
        QTest::mouseClick(module->loginPage()->signInButton(), Qt::LeftButton);
        QVERIFY(module->loginPage()->errorText().contains("iCloud is not available on this platform."));
        QCOMPARE(succeeded.count(), 0);
        QCOMPARE(module->stack()->currentIndex(), 0);
        QVERIFY(module->backButton()->isEnabled());
        QVERIFY(!module->loginPage()->isBusy());
        saveShot(module, "not-available");
    }
};

QTEST_MAIN(ICloudFlowTest)
#include "icloudflow_test.moc"

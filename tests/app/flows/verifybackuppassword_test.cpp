#include "backupbuilder.h"
#include "backupencrypter.h"
#include "flowfixtures.h"
#include "flowsinit.h"
#include "flowstyle.h"
#include "modaldriver.h"
#include "shots.h"
#include "verifybackuppassword.h"
#include "vlog.h"
#include "widgetkit.h"

#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace
{
    enum Mode
    {
        ITunesBackup,
        KeepEncryption,
        RemoveEncryption
    };

    // Typed with the spaces a person may put around it.
    const QString kPassword = QStringLiteral(" open sesame ");

    verifyBackupPassword *makeDialog(Mode mode)
    {
        return new verifyBackupPassword(mode == ITunesBackup, mode == KeepEncryption);
    }

    void typeAndDecrypt(verifyBackupPassword *dialog, const QString &password)
    {
        dialog->passwordEdit()->clear();
        QTest::keyClicks(dialog->passwordEdit(), password);
        QVERIFY(dialog->decryptButton()->isEnabled());
        QTest::mouseClick(dialog->decryptButton(), Qt::LeftButton);
    }
}

class VerifyBackupPasswordTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_work;
    QString m_encrypted;
    IBaseDevice *m_phone = nullptr;

    // The dialog's folders in iTunes-backup mode: a new target each time.
    void setPaths(verifyBackupPassword *dialog, const QString &target)
    {
        dialog->setBackupPaths(m_encrypted, m_work.filePath(target));
    }

private slots:
    void initTestCase()
    {
        initWidgetKit();
        initFlows();
        useApplicationStyleSheet();
        vlogInit();
        QVERIFY(m_work.isValid());
        QVERIFY(flowfixtures::startService());
        flowfixtures::freeRemovedDevices(this);
        m_phone = fakequorlin::attach(flowfixtures::phone("UDID-PW", "Ana"), true);
        flowfixtures::settle();
        QTRY_VERIFY(MobileDeviceConnect::instance()->currentDevice());

        const QString plain = m_work.filePath("plain");
        testsupport::BackupBuilder builder(plain.toStdString());
        builder.addFile("HomeDomain", "Library/SMS/sms.db", "messages");
        builder.write();
        m_encrypted = m_work.filePath("encrypted");
        testsupport::EncryptionOptions options;
        options.password = kPassword.toStdString();
        testsupport::encryptBackup(plain.toStdString(), m_encrypted.toStdString(), options);
    }

    void cleanupTestCase()
    {
        fakequorlin::detach(m_phone);
        flowfixtures::settle();
    }

    void init()
    {
        fakequorlin::resetCounts();
        fakequorlin::setCode(fakequorlin::SetPassword, 0);
    }

    void cleanup()
    {
        QCOMPARE(ModalDriver::pending(), 0);
        ModalDriver::clear();
        fakequorlin::hold(false);
    }

    void eachModeDoesItsWorkWithThePasswordAsTyped_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("iTunes backup: decrypts") << int(ITunesBackup);
        QTest::newRow("device: verifies") << int(KeepEncryption);
        QTest::newRow("device: switches encryption off") << int(RemoveEncryption);
    }

    void eachModeDoesItsWorkWithThePasswordAsTyped()
    {
        QFETCH(int, mode);
        QScopedPointer<verifyBackupPassword> dialog(makeDialog(Mode(mode)));
        const QString target = QStringLiteral("decrypted-%1").arg(mode);
        setPaths(dialog.data(), target);
        ModalDriver::onNext<verifyBackupPassword>([](verifyBackupPassword *shown) {
            saveShot(shown, "empty");
            typeAndDecrypt(shown, kPassword);
        });
        QCOMPARE(dialog->exec(), 254);

        switch (mode) {
        case ITunesBackup:
            QVERIFY(QFile::exists(m_work.filePath(target + "/Manifest.db")));
            QCOMPARE(fakequorlin::calls(fakequorlin::SetPassword), 0);
            break;
        case KeepEncryption:
            QCOMPARE(fakequorlin::calls(fakequorlin::SetPassword), 1);
            QCOMPARE(fakequorlin::lastOldPassword(), kPassword.toStdWString());
            QCOMPARE(fakequorlin::lastNewPassword(), kPassword.toStdWString());
            QCOMPARE(MobileDeviceConnect::instance()->backupPassword(), kPassword);
            break;
        case RemoveEncryption:
            QCOMPARE(fakequorlin::calls(fakequorlin::SetPassword), 1);
            QCOMPARE(fakequorlin::lastOldPassword(), kPassword.toStdWString());
            QCOMPARE(fakequorlin::lastNewPassword(), std::wstring());
            break;
        }
    }

    void aWrongPasswordCanBeTriedAgain_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("iTunes backup") << int(ITunesBackup);
        QTest::newRow("device") << int(KeepEncryption);
    }

    void aWrongPasswordCanBeTriedAgain()
    {
        QFETCH(int, mode);
        QScopedPointer<verifyBackupPassword> dialog(makeDialog(Mode(mode)));
        setPaths(dialog.data(), QStringLiteral("retried-%1").arg(mode));
        fakequorlin::setCode(fakequorlin::SetPassword, 3);
        ModalDriver::onNext<verifyBackupPassword>([mode](verifyBackupPassword *shown) {
            // Trimmed, it is not the backup's password.
            typeAndDecrypt(shown, kPassword.trimmed());
            QCOMPARE(shown->statusText(), QStringLiteral("Wrong password"));
            QCOMPARE(shown->passwordEdit()->text(), kPassword.trimmed());
            QVERIFY(shown->passwordEdit()->isEnabled());
            QVERIFY(shown->decryptButton()->isEnabled());
            QVERIFY(shown->isVisible());
            saveShot(shown, "wrong-password");
            if (mode != ITunesBackup)
                fakequorlin::setCode(fakequorlin::SetPassword, 0);
            typeAndDecrypt(shown, kPassword);
        });
        QCOMPARE(dialog->exec(), 254);
    }

    void anEmptyFieldDisablesDecryptAndClearsTheMessage()
    {
        verifyBackupPassword dialog(false, true);
        dialog.show();
        QVERIFY(!dialog.decryptButton()->isEnabled());
        QCOMPARE(dialog.passwordEdit()->placeholderText(), QStringLiteral("Enter password"));
        QCOMPARE(dialog.passwordEdit()->accessibleName(), QStringLiteral("Enter password"));
        fakequorlin::setCode(fakequorlin::SetPassword, 3);
        typeAndDecrypt(&dialog, QStringLiteral("nope"));
        QCOMPARE(dialog.statusText(), QStringLiteral("Wrong password"));
        QTest::keyClick(dialog.passwordEdit(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(dialog.passwordEdit(), Qt::Key_Delete);
        QVERIFY(dialog.passwordEdit()->text().isEmpty());
        QVERIFY(!dialog.decryptButton()->isEnabled());
        QVERIFY(dialog.statusText().isEmpty());
        // A space is a password too.
        QTest::keyClick(dialog.passwordEdit(), Qt::Key_Space);
        QVERIFY(dialog.decryptButton()->isEnabled());
    }

    void onlyItsTwoResultsCloseIt_data()
    {
        QTest::addColumn<int>("result");
        QTest::newRow("accepted") << 254;
        QTest::newRow("closed") << 255;
    }

    void onlyItsTwoResultsCloseIt()
    {
        QFETCH(int, result);
        verifyBackupPassword dialog(false, true);
        dialog.show();
        dialog.accept();
        dialog.reject();
        dialog.done(0);
        dialog.done(1);
        dialog.done(253);
        QVERIFY(dialog.isVisible());
        dialog.done(result);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), result);
    }

    // The device-connection library checks a password through the password
    // program; closing the dialog ends it, so the waiting check returns.
    void closingEndsThePasswordProgram()
    {
        const QString slowTool = m_work.filePath("slow-idevicebackup2");
        QFile script(slowTool);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nexec sleep 60\n");
        script.close();
        QVERIFY(script.setPermissions(script.permissions() | QFile::ExeOwner));
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QUENROW_IDEVICEBACKUP2", slowTool);
        program.setProcessEnvironment(environment);
        program.start(QCoreApplication::applicationDirPath() + "/idevicebackup2",
                      {"-u", "UDID-PW", "changepw", "a", "a"});
        QVERIFY(program.waitForStarted());
        QVERIFY(!program.waitForFinished(300));

        verifyBackupPassword dialog(false, true);
        ModalDriver::onNext<verifyBackupPassword>([](verifyBackupPassword *shown) { shown->done(255); });
        QCOMPARE(dialog.exec(), 255);
        QVERIFY(program.waitForFinished(5000));
        QCOMPARE(program.exitStatus(), QProcess::CrashExit);
    }

    // Closed while the device still checks: what the check then answers
    // changes nothing.
    void closedDuringTheCheckStaysClosed()
    {
        verifyBackupPassword dialog(false, true);
        fakequorlin::hold(true);
        ModalDriver::onNext<verifyBackupPassword>([](verifyBackupPassword *shown) {
            QTimer::singleShot(0, shown, [shown] {
                QTRY_COMPARE(fakequorlin::waitingCalls(), 1);
                QVERIFY(shown->isChecking());
                shown->done(255);
                fakequorlin::hold(false);
            });
            typeAndDecrypt(shown, kPassword);
        });
        QCOMPARE(dialog.exec(), 255);
        QCOMPARE(dialog.result(), 255);
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(VerifyBackupPasswordTest)
#include "verifybackuppassword_test.moc"

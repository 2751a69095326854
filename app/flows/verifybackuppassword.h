#pragma once

#include "fdialog.h"

#include <QScopedPointer>

class QLineEdit;
class QPushButton;
class verifyBackupPasswordPrivate;

// Asks for an iOS backup password and does the work with it when the user
// presses "Decrypt": in iTunes-backup mode it decrypts the backup into the
// target folder, otherwise it verifies the device's backup password
// (keepEncryption) or switches the device's backup encryption off with it.
// A failure says "Wrong password" and lets the user try again. exec()
// gives 254 when the work is done and 255 when the user closed the dialog;
// done() takes no other result.
class verifyBackupPassword : public FDialog
{
    Q_OBJECT

public:
    static constexpr int Accepted = 254;
    static constexpr int Closed = 255;

    verifyBackupPassword(bool iTunesBackup, bool keepEncryption, QWidget *parent = nullptr);
    ~verifyBackupPassword() override;

    void setBackupPaths(const QString &backupPath, const QString &cryptPath);

    // 255 first ends the password program, so that a device check waiting
    // for it returns.
    void done(int r) override;

    QLineEdit *passwordEdit() const;
    QPushButton *decryptButton() const;
    QString statusText() const;
    bool isChecking() const;

private:
    void verify();
    void onTextChanged(const QString &text);

    QScopedPointer<verifyBackupPasswordPrivate> d;
};

#pragma once

#include "fdialog.h"

#include <QScopedPointer>

class XProgressBar;
class DecodeBackupDialogPrivate;

// The progress of a backup decryption. Only two results end it: 254 (the
// work is done) and 255, which the title bar's close button gives after
// the user confirmed "Yes" to cancelling; any other result, QDialog's
// accept and reject included, is ignored.
class DecodeBackupDialog : public FDialog
{
    Q_OBJECT

public:
    static constexpr int Done = 254;
    static constexpr int Cancelled = 255;

    explicit DecodeBackupDialog(QWidget *parent = nullptr);
    ~DecodeBackupDialog() override;

    void setValue(int value);
    // Resets the bar to min, then gives it the range.
    void setRange(int min, int max);
    XProgressBar *progressBar() const;

    void done(int r) override;

private:
    QScopedPointer<DecodeBackupDialogPrivate> d;
};

#pragma once

#include "recovernoticedialog.h"

// Tells how an export went: everything written, nothing written, or how
// many records were written and how many failed.
class RecoverSuccessDialog : public RecoverNoticeDialog
{
    Q_OBJECT

public:
    explicit RecoverSuccessDialog(QWidget *parent = nullptr);

    // processed is not shown. connectionHint adds the advice to keep the
    // device connected to a partial result.
    void setResult(int total, int processed, int succeeded, bool connectionHint);
};

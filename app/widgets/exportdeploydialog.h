#pragma once

#include "fdialog.h"

#include <QScopedPointer>

class ExportDeployDialogPrivate;

// Chooses the export folder, kept in the setting "RecoverPath" (the
// desktop until one is saved). "Change" picks an existing folder; "Save"
// makes the folder when it is missing, stores it and ends with 0. A folder
// that cannot be made is reported and nothing is stored. The title bar's
// close button ends it with 255 and keeps the setting.
class ExportDeployDialog : public FDialog
{
    Q_OBJECT

public:
    explicit ExportDeployDialog(QWidget *parent = nullptr);
    ~ExportDeployDialog() override;

    QString path() const;

private:
    void browse();
    void save();

    QScopedPointer<ExportDeployDialogPrivate> d;
};

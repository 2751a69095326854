#pragma once

#include "fdialog.h"

class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

// What the two dialogs at the end of an export share: a picture, a text
// beside it and an OK button below that closes the dialog, on a 580 x 220
// dialog.
class RecoverNoticeDialog : public FDialog
{
    Q_OBJECT

public:
    QString text() const;

protected:
    RecoverNoticeDialog(const QSize &okSize, const QMargins &margins, QWidget *parent);

    void setPicture(const QString &path);
    void setText(const QString &text);
    // The dialog's column, for what a subclass adds below the button row.
    QVBoxLayout *column() const;
    void changeEvent(QEvent *event) override;

private:
    QLabel *m_icon = nullptr;
    QLabel *m_text = nullptr;
    QPushButton *m_ok = nullptr;
    QVBoxLayout *m_column = nullptr;
};

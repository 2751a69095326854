#pragma once

#include "fdialog.h"

class QLabel;
class QPushButton;

// What the two export-path notices share: the information picture, a text
// that ends in the link "Change the data export path" and an OK button.
// exec() gives 1 for OK, 0 for the link and 255 for the close button.
class PathNoticeDialog : public FDialog
{
    Q_OBJECT

public:
    static constexpr int Ok = 1;
    static constexpr int ChangePath = 0;

protected:
    // text is our own rich text ending in the link.
    PathNoticeDialog(const QString &text, QWidget *parent);

    QLabel *m_textLabel = nullptr;
    QPushButton *m_okButton = nullptr;
};

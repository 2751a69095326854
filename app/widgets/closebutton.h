#pragma once

#include <QPushButton>

// The close button of the small dialogs' title bars. Keys never press it:
// Space or Enter in a dialog must not close it by accident. Its look comes
// from its object name and the style sheet; its accessible name is "Close".
class CloseButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CloseButton(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
};

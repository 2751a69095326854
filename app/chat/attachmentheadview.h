#pragma once

#include <QWidget>

class QPushButton;

namespace VxLineAttachment {

// The row of four buttons above the attachment view's pages: Photos, Videos,
// Audios, Documents (indices 0 to 3). The selected one is drawn blue; for
// assistive tools it is the checked one.
class AttachmentHeadView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int ButtonCount = 4;

    explicit AttachmentHeadView(QWidget *parent = nullptr);

    int currentIndex() const;
    QPushButton *button(int index) const;
    // Gives the button at index (0 to 3) the selected or the plain look and
    // makes index the current one; other indices do nothing.
    void setButtonSelected(int index, bool selected);
    // Sets the buttons' texts again, in the language now loaded.
    void retranslate();

signals:
    // A button was clicked (also the one already selected).
    void clickedAttachmentType(int type);

private:
    void onButtonClicked(int index);

    QPushButton *m_buttons[ButtonCount] = {};
    int m_currentIndex = 0;
};

} // namespace VxLineAttachment

#include "attachmentheadview.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace VxLineAttachment {

namespace
{
    const char *const kTexts[AttachmentHeadView::ButtonCount] = {QT_TRANSLATE_NOOP("QObject", "Photos"),
                                                                 QT_TRANSLATE_NOOP("QObject", "Videos"),
                                                                 QT_TRANSLATE_NOOP("QObject", "Audios"),
                                                                 QT_TRANSLATE_NOOP("QObject", "Documents")};

    const QString kPlainSheet = QStringLiteral(
        "QPushButton#AttachmentHeadViewButton {font-size: 16px;border-radius: 5px;outline: none;"
        "background: #FFFFFF;color: #666666;border: 1px solid #CFCFCF;}");
    // The whole look, not a ":pressed" state: the selected button stays blue
    // once the mouse is released.
    const QString kSelectedSheet = QStringLiteral(
        "QPushButton#AttachmentHeadViewButton {font-size: 16px;border-radius: 5px;outline: none;"
        "background: #558AF8;color: #FFFFFF;border: 1px solid #558AF8;}");
}

AttachmentHeadView::AttachmentHeadView(QWidget *parent)
    : QWidget(parent)
{
    setFixedHeight(62);
    QPalette ground = palette();
    ground.setColor(QPalette::Window, Qt::white);
    setPalette(ground);
    setAutoFillBackground(true);

    auto *layout = new QHBoxLayout(this);
    layout->setSpacing(0);
    for (int index = 0; index < ButtonCount; ++index) {
        auto *button = new QPushButton(this);
        button->setObjectName(QStringLiteral("AttachmentHeadViewButton"));
        button->setFixedSize(128, 32);
        button->setCheckable(true);
        m_buttons[index] = button;
        layout->addSpacing(5);
        layout->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, index] { onButtonClicked(index); });
        setButtonSelected(index, false);
    }
    layout->addStretch();
    setButtonSelected(0, true);
    retranslate();
}

int AttachmentHeadView::currentIndex() const
{
    return m_currentIndex;
}

QPushButton *AttachmentHeadView::button(int index) const
{
    return index >= 0 && index < ButtonCount ? m_buttons[index] : nullptr;
}

void AttachmentHeadView::setButtonSelected(int index, bool selected)
{
    if (index < 0 || index >= ButtonCount)
        return;
    m_buttons[index]->setStyleSheet(selected ? kSelectedSheet : kPlainSheet);
    m_buttons[index]->setChecked(selected);
    m_currentIndex = index;
}

void AttachmentHeadView::retranslate()
{
    for (int index = 0; index < ButtonCount; ++index)
        m_buttons[index]->setText(QObject::tr(kTexts[index]));
}

void AttachmentHeadView::onButtonClicked(int index)
{
    setButtonSelected(m_currentIndex, false);
    setButtonSelected(index, true);
    emit clickedAttachmentType(index);
}

} // namespace VxLineAttachment

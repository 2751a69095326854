#pragma once

#include <QLabel>

// A label whose rich text holds one link that a person acts on: the mouse
// clicks the link, Tab reaches the label and Return, Enter or Space press
// it, and assistive tools see a link named after the link's text with
// Press (the kit's interface, see initFlows()). Every way ends in
// linkActivated with the link's address.
class FlowLinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit FlowLinkLabel(QWidget *parent = nullptr);

    // Sets the rich text and names the label after its link (assistive
    // tools read the whole text as its description).
    void setLinkText(const QString &richText);
    // The address and the plain text of the first link.
    QString linkAddress() const;
    QString linkText() const;

    // Press: what a click on the link does, while the label is enabled.
    Q_INVOKABLE void click();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

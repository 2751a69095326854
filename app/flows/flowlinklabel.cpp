#include "flowlinklabel.h"

#include <QKeyEvent>
#include <QRegularExpression>
#include <QTextDocumentFragment>

namespace
{
    const QRegularExpression &anchor()
    {
        static const QRegularExpression expression(
            QStringLiteral("<a\\b[^>]*href\\s*=\\s*\"([^\"]*)\"[^>]*>(.*?)(</a>|$)"),
            QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
        return expression;
    }
}

FlowLinkLabel::FlowLinkLabel(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::RichText);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    setContextMenuPolicy(Qt::NoContextMenu);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    // The same frame with and without focus, so that focus shows without
    // moving the text.
    setStyleSheet(QStringLiteral("FlowLinkLabel{border:1px solid transparent;border-radius:3px;}"
                                 "FlowLinkLabel:focus{border:1px dotted #558AF8;}"));
}

QString FlowLinkLabel::linkAddress() const
{
    const QRegularExpressionMatch match = anchor().match(text());
    return match.hasMatch() ? QTextDocumentFragment::fromHtml(match.captured(1)).toPlainText() : QString();
}

QString FlowLinkLabel::linkText() const
{
    const QRegularExpressionMatch match = anchor().match(text());
    return match.hasMatch() ? QTextDocumentFragment::fromHtml(match.captured(2)).toPlainText().trimmed()
                            : QString();
}

void FlowLinkLabel::click()
{
    if (isEnabled())
        emit linkActivated(linkAddress());
}

void FlowLinkLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void FlowLinkLabel::setLinkText(const QString &richText)
{
    setText(richText);
    const QString name = linkText();
    setAccessibleName(name);
    const QString whole = QTextDocumentFragment::fromHtml(richText).toPlainText().simplified();
    setAccessibleDescription(whole == name ? QString() : whole);
}

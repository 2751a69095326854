#include "xmessagebox.h"

#include "xbusyindicator.h"
#include "ximagebox.h"
#include "xlabel.h"
#include "xpushbutton.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLayout>
#include <QVBoxLayout>

#include <algorithm>

namespace
{
    // The box's usual greatest height; a text that needs more gets more.
    constexpr int kMaximumHeight = 290;

    struct Script
    {
        bool armed = false;
        QList<int> answers;
        QList<XMessageBox::Shown> shown;
        int unexpected = 0;
    };

    Script &script()
    {
        static Script s;
        return s;
    }

    QString imageOf(int kind)
    {
        switch (kind) {
        case XMessageBox::Question:
            return QStringLiteral(":/Images/question.png");
        case XMessageBox::Information:
        case XMessageBox::Warning:
            return QStringLiteral(":/Images/information.png");
        case XMessageBox::SuccessSmall:
            return QStringLiteral(":/Images/icon_success_min.png");
        case XMessageBox::Success:
            return QStringLiteral(":/Images/icon_success.png");
        default:
            return QString();
        }
    }

    const QColor kBlue(85, 138, 248);
    const QColor kBlueHover(68, 121, 231);
    const QColor kBluePressed(44, 97, 207);
    const QColor kDisabledGrey(226, 226, 226);
}

class XMessageBoxPrivate
{
public:
    XImageBox *icon = nullptr;
    XBusyIndicator *busy = nullptr;
    XLabel *text = nullptr;
    QHBoxLayout *buttonRow = nullptr;
    int kind = XMessageBox::None;
    int defaultId = -1;
};

XMessageBox::XMessageBox(QWidget *parent)
    : XDialog(parent)
    , d(new XMessageBoxPrivate)
{
    setTrackActivation(true);
    setMinimumSize(540, 240);
    setMaximumSize(600, kMaximumHeight);

    QWidget *content = contentWidget();
    d->icon = new XImageBox(content);
    d->icon->setFixedSize(50, 50);
    d->busy = new XBusyIndicator(content);
    d->busy->setFixedSize(50, 50);
    d->busy->hide();
    d->text = new XLabel(content);
    d->text->setWordWrap(true);
    d->text->setStyleSheet(QStringLiteral("font-size: 16px;font-weight:400;color:#333333;"));

    auto *topRow = new QHBoxLayout;
    topRow->setContentsMargins(10, 0, 20, 0);
    topRow->setSpacing(20);
    topRow->addWidget(d->icon);
    topRow->addWidget(d->busy);
    topRow->addWidget(d->text);

    d->buttonRow = new QHBoxLayout;
    d->buttonRow->setContentsMargins(30, 0, 20, 0);
    d->buttonRow->addStretch();

    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(8, 8, 8, 20);
    layout->addSpacing(10);
    layout->addLayout(topRow);
    layout->addSpacing(10);
    layout->addLayout(d->buttonRow);
}

XMessageBox::~XMessageBox() = default;

int XMessageBox::question(QWidget *parent, const QString &title, const QString &text, const QStringList &buttons,
                          int defaultId, bool openExternalLinks)
{
    return showMessage(parent, Question, title, text, buttons, defaultId, openExternalLinks);
}

int XMessageBox::information(QWidget *parent, const QString &title, const QString &text,
                             const QStringList &buttons, int defaultId, bool openExternalLinks)
{
    return showMessage(parent, Information, title, text, buttons, defaultId, openExternalLinks);
}

int XMessageBox::warning(QWidget *parent, const QString &title, const QString &text, const QStringList &buttons,
                         int defaultId, bool openExternalLinks)
{
    return showMessage(parent, Warning, title, text, buttons, defaultId, openExternalLinks);
}

int XMessageBox::successSmall(QWidget *parent, const QString &title, const QString &text,
                              const QStringList &buttons, int defaultId, bool openExternalLinks)
{
    return showMessage(parent, SuccessSmall, title, text, buttons, defaultId, openExternalLinks);
}

int XMessageBox::success(QWidget *parent, const QString &title, const QString &text, const QStringList &buttons,
                         int defaultId, bool openExternalLinks)
{
    return showMessage(parent, Success, title, text, buttons, defaultId, openExternalLinks);
}

int XMessageBox::showMessage(QWidget *parent, int kind, const QString &title, const QString &text,
                             const QStringList &buttons, int defaultId, bool openExternalLinks)
{
    auto *box = new XMessageBox(parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setIcon(kind);
    box->setTitle(title);
    XLabel *label = box->d->text;
    label->setTextFormat(Qt::RichText);
    if (openExternalLinks) {
        label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
        label->setOpenExternalLinks(true);
    } else {
        connect(label, &QLabel::linkActivated, box, [box] { box->done(LinkClicked); });
    }
    box->setText(text);
    box->setButtons(buttons, defaultId);

    Script &s = script();
    if (s.armed) {
        Shown shown;
        shown.kind = kind;
        shown.title = title;
        shown.text = text;
        shown.buttons = buttons;
        shown.defaultId = defaultId;
        shown.scripted = !s.answers.isEmpty();
        shown.answer = shown.scripted ? s.answers.takeFirst() : 0;
        if (!shown.scripted)
            ++s.unexpected;
        s.shown.append(shown);
        delete box;
        return shown.answer;
    }
    return box->exec();
}

void XMessageBox::setIcon(int kind)
{
    d->kind = kind;
    const QString image = imageOf(kind);
    if (!image.isEmpty())
        d->icon->setImage(image, true);
}

int XMessageBox::icon() const
{
    return d->kind;
}

void XMessageBox::setButtons(const QStringList &texts, int defaultId)
{
    if (texts.isEmpty())
        return;
    d->defaultId = defaultId;
    for (int i = 0; i < texts.size(); ++i) {
        const int id = i + 1;
        auto *button = new XPushButton(contentWidget());
        button->setMinimumSize(120, 38);
        button->setMaximumSize(120, 38);
        if (id == defaultId) {
            button->setBackgroundColors({kBlue, kBlueHover, kBluePressed, kDisabledGrey});
            button->setAllTextColor(Qt::white);
        } else {
            button->setBackgroundColors({Qt::white, kBlueHover, kBluePressed, kDisabledGrey});
            button->setTextColors({kBlue, Qt::white, Qt::white, Qt::white});
            button->setBorderColors({kBlue, kBlueHover, kBluePressed, kDisabledGrey});
            button->setBorderWidth(2.0);
        }
        button->setRadius(3.0);
        button->setFontPixelSize(15);
        button->setText(texts.at(i));
        button->setProperty("id", id);
        d->buttonRow->addWidget(button);
        connect(button, &XPushButton::clicked, this, [this, button] { done(button->property("id").toInt()); });
    }
}

int XMessageBox::defaultId() const
{
    return d->defaultId;
}

void XMessageBox::setText(const QString &text)
{
    d->text->setText(text);
    if (isVisible())
        fitText();
}

void XMessageBox::fitText()
{
    // A longer text (a translation, mostly) makes the box taller instead of
    // being cut off.
    if (QLayout *own = layout())
        own->activate();
    const int missing = d->text->heightForWidth(d->text->width()) - d->text->height();
    if (missing <= 0)
        return;
    setMaximumHeight(std::max(kMaximumHeight, height() + missing));
    resize(width(), height() + missing);
}

void XMessageBox::showEvent(QShowEvent *event)
{
    XDialog::showEvent(event);
    fitText();
}

QString XMessageBox::text() const
{
    return d->text->text();
}

void XMessageBox::showLoading(const QString &title, const QString &text, const QStringList &buttons)
{
    setTitleBarVisible(false);
    d->icon->hide();
    d->busy->setImage(QStringLiteral(":/Images/loading.png"), true);
    d->busy->start();
    setTitle(title);
    setText(text);
    setButtons(buttons, 1);
    show();
    raise();
}

void XMessageBox::scriptAnswers(const QList<int> &answers)
{
    Script &s = script();
    s.armed = true;
    s.answers = answers;
    s.shown.clear();
    s.unexpected = 0;
}

bool XMessageBox::isScripted()
{
    return script().armed;
}

QList<XMessageBox::Shown> XMessageBox::takeShown()
{
    QList<Shown> shown;
    shown.swap(script().shown);
    return shown;
}

XMessageBox::ScriptEnd XMessageBox::endScript()
{
    Script &s = script();
    ScriptEnd end;
    end.unusedAnswers = s.answers;
    end.unexpectedBoxes = s.unexpected;
    s = Script();
    return end;
}

void XMessageBox::closeEvent(QCloseEvent *event)
{
    emit closed();
    XDialog::closeEvent(event);
}

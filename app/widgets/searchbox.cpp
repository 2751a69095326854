#include "searchbox.h"

#include "xlineedit.h"
#include "xpushbutton.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>

class SearchBoxPrivate
{
public:
    XLineEdit *edit = nullptr;
    XPushButton *searchButton = nullptr;
    XPushButton *clearButton = nullptr;
};

SearchBox::SearchBox(QWidget *parent)
    : QFrame(parent)
    , d(new SearchBoxPrivate)
{
    setStyleSheet(QStringLiteral("QFrame{ border: 1px solid rgb(193, 193, 193); border-radius: 5px;}"));

    d->edit = new XLineEdit(this);
    d->edit->setStyleSheet(QStringLiteral("QLineEdit { border: none; }"));
    d->searchButton = new XPushButton(this);
    d->searchButton->setFixedSize(16, 16);
    d->searchButton->setImages(QStringLiteral(":/Images/search.png"), QStringLiteral(":/Images/search_green.png"),
                               false);
    d->searchButton->scaleImages(QSize(16, 16), false);
    d->searchButton->setCursor(Qt::PointingHandCursor);
    d->clearButton = new XPushButton(this);
    d->clearButton->setFixedSize(16, 16);
    d->clearButton->setImages(QStringLiteral(":/Images/close.png"), QStringLiteral(":/Images/close_hove.png"),
                              false);
    d->clearButton->scaleImages(QSize(16, 16), false);
    d->clearButton->setCursor(Qt::PointingHandCursor);
    d->clearButton->hide();

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(9, 2, 9, 2);
    layout->setSpacing(1);
    layout->addWidget(d->edit);
    layout->addWidget(d->clearButton);
    layout->addSpacing(5);
    layout->addWidget(d->searchButton);

    retranslateUi();
    d->edit->installEventFilter(this);
    connect(d->edit, &QLineEdit::returnPressed, this, [this] { emit textChanged(d->edit->text()); });
    connect(d->searchButton, &XPushButton::clicked, this, [this] { emit textChanged(d->edit->text()); });
    connect(d->clearButton, &XPushButton::clicked, d->edit, &QLineEdit::clear);
    connect(d->edit, &QLineEdit::textChanged, this, &SearchBox::onTextEdited);
}

SearchBox::~SearchBox() = default;

void SearchBox::clear()
{
    d->edit->clear();
}

void SearchBox::setInputEnabled(bool enabled)
{
    d->edit->setEnabled(enabled);
    d->searchButton->setEnabled(enabled);
    d->clearButton->setEnabled(enabled);
}

void SearchBox::setText(const QString &text)
{
    d->edit->setText(text);
}

QString SearchBox::text() const
{
    return d->edit->text();
}

void SearchBox::retranslateUi()
{
    d->edit->setPlaceholderText(QObject::tr("Search"));
    d->edit->setAccessibleName(QObject::tr("Search"));
    d->searchButton->setAccessibleName(QObject::tr("Search"));
    d->searchButton->setToolTip(QObject::tr("Search"));
    d->clearButton->setAccessibleName(QObject::tr("Clear"));
    d->clearButton->setToolTip(QObject::tr("Clear"));
}

void SearchBox::onTextEdited(const QString &text)
{
    if (text.isEmpty()) {
        d->clearButton->hide();
        d->searchButton->setHighlighted(false);
        emit textChanged(QString());
    } else {
        d->clearButton->show();
        // The green picture tells that Return or a click will search.
        d->searchButton->setHighlighted(true);
    }
}

bool SearchBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == d->edit && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Tab)
        return true;
    return QFrame::eventFilter(watched, event);
}

void SearchBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QFrame::changeEvent(event);
}

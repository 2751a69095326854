#pragma once

#include <QFrame>
#include <QScopedPointer>

class SearchBoxPrivate;

// The framed search field of the tool bar. It searches on Return or a click
// on its search button, not on every keystroke; emptying the field searches
// for nothing once, so that clearing it resets the search. Tab does not
// leave the field.
class SearchBox : public QFrame
{
    Q_OBJECT

public:
    explicit SearchBox(QWidget *parent = nullptr);
    ~SearchBox() override;

    void clear();
    void setInputEnabled(bool enabled);
    void setText(const QString &text);
    QString text() const;
    // The placeholder and the accessible names back in the current language.
    void retranslateUi();

signals:
    // A search request (not every keystroke).
    void textChanged(const QString &text);
    void clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void onTextEdited(const QString &text);

    QScopedPointer<SearchBoxPrivate> d;
};

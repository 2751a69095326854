#pragma once

#include "xdialog.h"

#include <QList>
#include <QScopedPointer>
#include <QStringList>

class XMessageBoxPrivate;

// The program's message box: an icon of one of five kinds, a word-wrapped
// rich-text message (callers escape outside text with toHtmlEscaped()) and a
// row of buttons given as texts. The show functions run it modally and return
// the 1-based position of the clicked button, 255 for a clicked link (links
// off), or 0 when it was closed.
class XMessageBox : public XDialog
{
    Q_OBJECT

public:
    enum IconKind
    {
        None = 0,
        Question = 1,
        Information = 2,
        Warning = 3,
        SuccessSmall = 4,
        Success = 5
    };
    static constexpr int LinkClicked = 255;

    // What a scripted show function recorded of its box.
    struct Shown
    {
        int kind = None;
        QString title;
        QString text;
        QStringList buttons;
        int defaultId = 1;
        int answer = 0;      // what the show function returned
        bool scripted = true; // false: the script had no answer left
    };
    struct ScriptEnd
    {
        QList<int> unusedAnswers;
        int unexpectedBoxes = 0;
    };

    explicit XMessageBox(QWidget *parent = nullptr);
    ~XMessageBox() override;

    static int question(QWidget *parent, const QString &title, const QString &text, const QStringList &buttons,
                        int defaultId = 1, bool openExternalLinks = false);
    static int information(QWidget *parent, const QString &title, const QString &text, const QStringList &buttons,
                           int defaultId = 1, bool openExternalLinks = false);
    static int warning(QWidget *parent, const QString &title, const QString &text, const QStringList &buttons,
                       int defaultId = 1, bool openExternalLinks = false);
    static int successSmall(QWidget *parent, const QString &title, const QString &text, const QStringList &buttons,
                            int defaultId = 1, bool openExternalLinks = false);
    static int success(QWidget *parent, const QString &title, const QString &text, const QStringList &buttons,
                       int defaultId = 1, bool openExternalLinks = false);
    static int showMessage(QWidget *parent, int kind, const QString &title, const QString &text,
                           const QStringList &buttons, int defaultId = 1, bool openExternalLinks = false);

    // Kinds above 5 are stored and change nothing else.
    void setIcon(int kind);
    int icon() const;
    // Adds one button per text (ids from 1); the default one is filled blue.
    // An empty list changes nothing.
    void setButtons(const QStringList &texts, int defaultId);
    int defaultId() const;
    void setText(const QString &text);
    QString text() const;
    // The non-modal busy form: a turning picture in place of the icon, no
    // title bar; shown at once, closed or deleted by its owner.
    void showLoading(const QString &title, const QString &text, const QStringList &buttons);

    // Test hook. While a script is armed, the show functions build and record
    // their box and return the next answer without exec() (0 when none is
    // left). Tests use MessageBoxScript rather than these.
    static void scriptAnswers(const QList<int> &answers);
    static bool isScripted();
    static QList<Shown> takeShown();
    static ScriptEnd endScript();

signals:
    void buttonClicked(int id);
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void fitText();
    QScopedPointer<XMessageBoxPrivate> d;
};

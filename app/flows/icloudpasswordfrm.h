#pragma once

#include <QFrame>

class QLineEdit;
class QPushButton;
class QValidator;

// The password field of the iCloud sign-in: a line edit that hides what is
// typed and the eye button that shows or hides it again.
class iCloudPasswordFrm : public QFrame
{
    Q_OBJECT

public:
    explicit iCloudPasswordFrm(QWidget *parent = nullptr);

    void setPlaceholderText(const QString &text);
    void setText(const QString &text);
    void setValidator(const QValidator *validator);
    QString text() const;
    QLineEdit *lineEdit() const;
    QPushButton *viewButton() const;
    // Sets again the button's name (after a language change).
    void retranslate();

signals:
    void textChanged(const QString &text);

private:
    void toggleEcho();

    QLineEdit *m_edit = nullptr;
    QPushButton *m_view = nullptr;
};

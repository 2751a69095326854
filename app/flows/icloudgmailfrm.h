#pragma once

#include <QFrame>

class QLineEdit;
class QValidator;

// The Apple ID field of the iCloud sign-in: a borderless line edit in a
// rounded frame.
class iCloudGmailFrm : public QFrame
{
    Q_OBJECT

public:
    explicit iCloudGmailFrm(QWidget *parent = nullptr);

    void setPlaceholderText(const QString &text);
    void setText(const QString &text);
    void setValidator(const QValidator *validator);
    QString text() const;
    QLineEdit *lineEdit() const;

signals:
    void textChanged(const QString &text);

private:
    QLineEdit *m_edit = nullptr;
};

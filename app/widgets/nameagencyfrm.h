#pragma once

#include <QScopedPointer>
#include <QWidget>

class NameAgencyFrmPrivate;

// A 22-pixel lock at the right end of a cell: closed for an encrypted
// backup, dotted otherwise; empty until the first setLocked. While locked its
// accessible description is "Encrypted".
class NameAgencyFrm : public QWidget
{
    Q_OBJECT

public:
    explicit NameAgencyFrm(QWidget *parent = nullptr);
    ~NameAgencyFrm() override;

    void setLocked(bool locked);
    bool isLocked() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void describe();

    QScopedPointer<NameAgencyFrmPrivate> d;
};

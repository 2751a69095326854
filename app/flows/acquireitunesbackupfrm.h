#pragma once

#include <QScopedPointer>
#include <QWidget>

class AcquireiTunesBackupFrmPrivate;

// The see-through overlay over the backup list while the backups are
// being listed: a busy picture and "Getting iTunes backup list....". The
// picture turns only while the overlay shows. Hidden at construction.
class AcquireiTunesBackupFrm : public QWidget
{
    Q_OBJECT

public:
    explicit AcquireiTunesBackupFrm(QWidget *parent = nullptr);
    ~AcquireiTunesBackupFrm() override;

    bool isAnimating() const;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QScopedPointer<AcquireiTunesBackupFrmPrivate> d;
};

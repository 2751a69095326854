#pragma once

#include "modulebasefrm.h"

#include <QScopedPointer>

class QLabel;
class QPushButton;
class QStackedLayout;
class ScaniTunesBackupManage;
class TypeSelectStartingPage;
class iTunesBackupFrm;
class RecoverFromiTunesFrmPrivate;

// The module of the recovery from an iTunes backup: the backup list, then
// the data-type page; "Start Scan" keeps the chosen categories in the
// record store and asks the window to scan the chosen backup folder (or
// its decrypted copy). The list is listed once per module life.
class RecoverFromiTunesFrm : public ModuleBaseFrm
{
    Q_OBJECT

public:
    explicit RecoverFromiTunesFrm(QWidget *parent = nullptr);
    ~RecoverFromiTunesFrm() override;

    // The listing service (the window's registration passes the program's).
    void setBackupService(ScaniTunesBackupManage *service);

    void setInit() override;
    void resetUI() override;
    void setTaskProgress(int task, QVariant param1, QVariant param2, QVariant param3) override;

    // The analytics label of a scan's categories: each id's label, in order.
    static QString categoriesLabel(const QVector<int> &ids);

    iTunesBackupFrm *listPage() const;
    TypeSelectStartingPage *typePage() const;
    QStackedLayout *stack() const;
    QPushButton *nextButton() const;
    QPushButton *backButton() const;
    QLabel *titleLabel() const;

private:
    void onPageChanged(int index);
    void onNextClicked();
    void onBackClicked();

    QScopedPointer<RecoverFromiTunesFrmPrivate> d;
};

#pragma once

#include "modulebasefrm.h"

#include <QScopedPointer>

class HomePageFrmPrivate;

// The first page: the heading and one card per way to recover (device,
// iTunes backup, iCloud backup); a click on a card emits its signal.
class HomePageFrm : public ModuleBaseFrm
{
    Q_OBJECT

public:
    explicit HomePageFrm(QWidget *parent = nullptr);
    ~HomePageFrm() override;

signals:
    void sigRecoverFromiOSDeviceClicked();
    void sigRecoverFromiTunesClicked();
    void sigRecoverFromiCloudClicked();

private:
    QScopedPointer<HomePageFrmPrivate> d;
};

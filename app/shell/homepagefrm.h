#pragma once

#include "modulebasefrm.h"

#include <QScopedPointer>

class HomePageFrmPrivate;
class OneClickWidget;

// The first page: the heading and one card per way to recover (device,
// iTunes backup, iCloud backup); a click on a card emits its signal.
class HomePageFrm : public ModuleBaseFrm
{
    Q_OBJECT

public:
    explicit HomePageFrm(QWidget *parent = nullptr);
    ~HomePageFrm() override;

    // Cards by position: 0 device, 1 iTunes, 2 iCloud. A card whose module
    // is missing is disabled, and looks it.
    void setCardEnabled(int card, bool enabled);
    OneClickWidget *card(int index) const;

signals:
    void sigRecoverFromiOSDeviceClicked();
    void sigRecoverFromiTunesClicked();
    void sigRecoverFromiCloudClicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    QScopedPointer<HomePageFrmPrivate> d;
};

#pragma once

#include "modulebasefrm.h"

class QLabel;

// Stands in for the scan-result page while none is registered: it starts
// the scan of what a module hands over, the categories the module chose
// (group 0), from the folder or, for iCloud, as a pull, and says so.
class ScanStandInPage : public ModuleBaseFrm
{
    Q_OBJECT

public:
    explicit ScanStandInPage(QWidget *parent = nullptr);

    Q_INVOKABLE void startScan(const QString &backupId, const QString &deviceId);

private:
    QLabel *m_status = nullptr;
};

#pragma once

#include "aboutframedialog.h"

#include <QScopedPointer>
#include <QVariantMap>

class UpgradeDialogPrivate;

// The state and result of the update check. Reused for every check:
// showChecking() while waiting, then showCheckResult() with the check's map
// ("CheckResult" 0 up to date, 1 a new version, else a failure; "Version",
// "Size", "Release Date", "What's New", "Download URL"). What comes from the
// network is shown as plain text, or as release notes that load nothing and
// open no link. "Upgrade Now" opens the download address only when it is
// an http or https address with a host. The close button, "Remind Me Later"
// and Esc end it with 0.
class UpgradeDialog : public AboutFrameDialog
{
    Q_OBJECT

public:
    explicit UpgradeDialog(QWidget *parent = nullptr);
    ~UpgradeDialog() override;

    void showChecking();
    void showCheckResult(const QVariantMap &result);
    // The details, the line below them and both buttons.
    void setDetailsVisible(bool visible);

    // "2024-03-15" -> "03-15.2024"; a text that does not start with a
    // four-digit year and "-" comes back as it is.
    static QString displayDate(const QString &date);
    // Whether "Upgrade Now" may open the address.
    static bool isOpenableDownloadUrl(const QString &address);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void upgradeNow();

    QScopedPointer<UpgradeDialogPrivate> d;
};

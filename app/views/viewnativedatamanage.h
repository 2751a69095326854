#pragma once

#include "modulebasefrm.h"

#include <QScopedPointer>
#include <QString>

#include <functional>
#include <memory>

class AbstractDataView;
class CToolBar;
class NavigationItemView;
class QPushButton;
class RecoverProgressDialog;
class ScaniTunesBackupManage;
class ScanFeed;
class ViewNativeDataManagePrivate;

// The scan-result page: it starts the scan of the categories a flow chose,
// lists them with their live counts, shows the records of the category the
// user picks in that category's view and writes what the user ticked to the
// export folder ("Recover").
//
// The services reach it as the shell wires them (ScanResultWiring): the
// record store's announcements go into its feed, which a 50 ms timer on the
// GUI thread applies; the scan's end, the export's progress and its end
// arrive queued. No widget and no reader of the store runs on the scan's
// thread.
//
// Ticks follow records: while the scan runs nothing can be ticked, and a
// category's view is reloaded from the store when the category ends (the
// store sorts it then) and at the end of the scan, so row r of a view's
// list is the store's record r.
class ViewNativeDataManage : public ModuleBaseFrm
{
    Q_OBJECT

public:
    // The export needs this much free space in the export folder.
    static constexpr quint64 FreeSpaceThreshold = 104857600;
    static constexpr int FeedIntervalMs = 50;
    static constexpr int ResultDelayMs = 200;

    explicit ViewNativeDataManage(QWidget *parent = nullptr);
    ~ViewNativeDataManage() override;

    // The scan service the page drives (by default the program's own).
    void setScanner(ScaniTunesBackupManage *scanner);
    std::shared_ptr<ScanFeed> feed() const;
    // Connections of the store to the feed, undone when the page goes.
    void keepConnection(const QMetaObject::Connection &connection);
    // Test hook: the free bytes of a folder (by default diskFreeBytes).
    void setFreeSpaceProvider(std::function<quint64(const QString &)> provider);

    // The window calls it by name when a flow jumps here.
    Q_INVOKABLE void startScan(const QString &source, const QString &deviceSource);

    bool quit() override;
    void resetUI() override;
    void setDeviceDisconnected(MobileDeviceObject *device, bool current) override;
    void setTaskProgress(int task, QVariant result, QVariant data, QVariant fourth) override;
    void setTaskRequested(int task, QVariant request, QVariant detail) override;

    // The category shown (-1 none) and its view (null when it has none).
    int currentCategory() const;
    AbstractDataView *currentView() const;
    NavigationItemView *navigation() const;
    CToolBar *toolBar() const;
    QPushButton *recoverButton() const;
    QPushButton *backButton() const;
    RecoverProgressDialog *progressDialog() const;
    // The widget the page shows in place of a view: its analysing page, its
    // no-data page, the view or the empty page.
    QWidget *shownPage() const;
    QWidget *analysingPage() const;
    QWidget *noDataPage() const;

public slots:
    void slotScanDbStop();
    void slotRecoverButton();
    // What the feed gathered, applied now (the timer's work).
    void applyFeed();
    // The export manager's signals, as the shell wires them.
    void onRecoverProgress(qulonglong processed, qulonglong total, qulonglong succeeded);
    void onRecoverFileProcess(const QString &item, const QString &tail, const QString &lead);
    void onResetFileProgress(bool leadOnly);
    void onRecoverOver();
    // A chat view's single file.
    void exportSingleFile(const QString &localPath, const QString &fileName);

private:
    void buildUi();
    void goBack();
    bool confirmReturn();
    void confirmStopScan();
    void showCategory(int type);
    void refreshTypeCounts(bool newPage);
    void setCategoryChecked(int type, int state);
    void reloadCurrent();
    void clearViews();
    void removeView(AbstractDataView *view);
    // The device flow's backup part: the folder of a finished backup,
    // decrypted here when it is encrypted, then scanned after the phone's part.
    void takeBackup(const QString &folder);
    void backupReady(const QString &folder);
    void scanBackupPart(const QString &folder);
    void endBackupPart();
    // Ends the scan once nothing of it is left to run.
    void finishScan();
    void showScanResult();
    void applyScanResult(int run);
    bool checkRecoverPath();
    bool checkFreeSpace();
    void showRecoverProgress();
    void showRecoverResult();
    void prepareExportSource();
    void openExportSettings();
    quint64 freeBytes(const QString &folder) const;
    QString recoverFolder() const;
    ScaniTunesBackupManage *scanner() const;

    QScopedPointer<ViewNativeDataManagePrivate> d;
};

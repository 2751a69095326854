#pragma once

#include "modulemanager.h"
#include "xframelesswindow.h"

#include <QScopedPointer>
#include <QStringList>
#include <QVariant>

class HomePageFrm;
class MainInterfaceFrmPrivate;
class MainInterfaceTitleFrm;
class ModuleBaseFrm;
class QMenu;
class TaskbarProgress;
class UpgradeDialog;

// The program's only top-level window: the title bar above a stack of five
// pages (home, device, iTunes and iCloud modules, scan result). It moves
// the user between the pages, hands device and backup events to the
// current one, answers the application events (key 0 of appEventReceivers),
// holds the menu and the languages, and runs the quit.
//
// The pages of the four modules come from ModuleRegistry; the window is
// built hidden and shown by onReady().
class MainInterfaceFrm : public XFramelessWindow
{
    Q_OBJECT

public:
    // The application events the window answers.
    enum Event
    {
        AboutEvent = 1010,
        UpdateCheckEvent = 1012,
        UpdateResultEvent = 1013,
        ExportSettingsEvent = 1014,
        RestoreEvent = 1017,
        ITunesRunningEvent = 1018,
        CopyMessageEvent = 1019,
        TaskbarProgressVisibleEvent = 1254,
        TaskbarProgressValueEvent = 1255
    };
    // The numbers the menu's actions carry.
    enum MenuId
    {
        MenuAbout = 0,
        MenuSettings = 3,
        MenuCheckForUpdates = 4,
        MenuFirstLanguage = 5,
        MenuLastStoredLanguage = 15,
        MenuCalibriRemix = 16,
        MenuGuide = 17,
        MenuFaq = 18,
        MenuOpenLogFolder = 19
    };

    explicit MainInterfaceFrm(QWidget *parent = nullptr);
    ~MainInterfaceFrm() override;

    // Raises and activates the window, out of its minimised state.
    void activateWindow();

    void setTaskbarProgress(int value);
    void setTaskbarProgressVisible(bool visible);
    TaskbarProgress *taskbarProgress() const;

    // Loads the language's translation and, when its font family differs
    // from the application's, gives the application and every widget of the
    // window that family.
    void switchLanguage(const int &id);

    // The "--from-context-menu" start: the backup folder among the
    // arguments is added to the iTunes backups when its Manifest.plist is a
    // binary property list.
    static bool openBackupFromCommandLine(const QStringList &arguments);

    // What tests and the pages' wiring look at.
    MainInterfaceTitleFrm *titleFrm() const;
    HomePageFrm *homePage() const;
    ModuleBaseFrm *page(int index) const;
    ModuleBaseFrm *currentPage() const;
    int historySize() const;
    QMenu *menu() const;
    UpgradeDialog *upgradeDialog() const;

public slots:
    void onReady();
    void slotButtonMenu();
    void slotMenuActionTriggered();
    void slotButtonCloseClicked();
    void goBack();

protected:
    void customEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void setupLayout();
    void buildMenu();
    void initWindow();
    void recordTranslatableTexts();
    void connectSignals();
    void retranslate();
    void setTitleSource(const char *source);
    void updateTitle();
    void openModule(ModuleBaseFrm *module, ModuleManager::ModuleType type, const char *action, const char *title);
    void showScanDataView(const QString &id);
    void handleCopyMessage(const QVariant &data);
    void showAbout();
    void checkForUpdates();
    void onUpdateCheckResult(const QVariantMap &result);
    void showExportSettings();
    void warnITunesRunning();
    void openWelcomePageOnce();

    QScopedPointer<MainInterfaceFrmPrivate> d;
};

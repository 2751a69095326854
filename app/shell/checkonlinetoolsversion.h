#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;
template <typename T> class QFutureWatcher;

// Asks the maker's servers whether a newer version of the program exists,
// and keeps the two helper packages current from the online configuration.
// Lives on the GUI thread.
class checkOnLineToolsVersion : public QObject
{
    Q_OBJECT

public:
    static constexpr const char *CurrentVersion = "8.1.0";
    static constexpr const char *UpdateInfoPath = "/updateinfo/quenrow_ios_com_update_win.json";
    // Which packages the online configuration keeps: 0 "WhatsApp", 1
    // "WhatsApp Business", 4 both.
    static constexpr int BothPackages = 4;

    struct PackageVersions
    {
        QString whatsApp;
        QString whatsAppBusiness;
        QString third;
    };

    explicit checkOnLineToolsVersion(QObject *parent = nullptr);
    ~checkOnLineToolsVersion() override;

    static checkOnLineToolsVersion *instance();

    // Sends the request and returns; the verdict arrives as AppEvent 1013
    // with the answer's members and "CheckResult" (1 newer, 0 not newer,
    // -1 failed).
    void checkUpdate();
    // Reads the local record, asks for the configuration and returns; the
    // packages are fetched, verified and recorded on a worker.
    void checkOnlineConfig();

    static QUrl updateUrl();
    static QUrl onlineConfigUrl();
    // "Src" below the program's data folder: the packages and their record.
    static QString packageFolder();

    PackageVersions recordedVersions() const { return m_versions; }
    bool isUpdatingPackages() const;

signals:
    // After checkOnlineConfig's work ends, whichever way.
    void onlineConfigFinished();

private:
    void onUpdateReply(QNetworkReply *reply);
    void onConfigReply(QNetworkReply *reply);

    PackageVersions m_versions;
    QByteArray m_onlineConfig;
    int m_packageSelection = BothPackages;
    QNetworkAccessManager *m_network;
    QFutureWatcher<PackageVersions> *m_packageJob;
};

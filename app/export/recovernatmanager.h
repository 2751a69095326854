#pragma once

#include "recovererror.h"

#include <QObject>
#include <QString>
#include <QVector>

#include <functional>

class RecoverNatManagerPrivate;

// Runs an export of what the user checked: a fresh root folder, one
// category job after another on a pool thread, the files handed to
// CopyProxy, progress and the end as signals. Lives in the GUI thread.
class RecoverNatManager : public QObject
{
    Q_OBJECT

public:
    using SourceNameProvider = std::function<QString()>;

    static RecoverNatManager *instance();
    ~RecoverNatManager() override;

    void startRecover(const QVector<int> &categoryIds);
    void exportFile(const QString &localPath, const QString &strFilename);
    void stop();
    void waitCopyProxy();
    void clearCopyProxy();

    int totalCount() const;
    int processedCount() const;
    int successCount() const;
    QString recoverPath() const;
    // Why a run stopped: 3 not enough space, 4 destination not found, 0 none.
    int errorType() const;
    bool wasStopped() const;

    void increaseTotal();
    void increaseProcessed();
    void increaseSucceeded();

    // Seams until the shell and the backup services exist: whether the
    // iCloud flow is current (its account names the root), and the model
    // name of the backup being read.
    static void setICloudFlow(bool current);
    static void setSourceNameProvider(SourceNameProvider provider);
    // A folder used in place of the stored "RecoverPath" (empty: the setting).
    static void setRecoverFolder(const QString &folder);
    // The pause between the last copy and sigRecoverOver (500 ms).
    static void setOverDelay(int milliseconds);

signals:
    void sigRecoverOver();
    void sigResetFileProgress(bool);
    void sigReocverFileProcess(QString, QString, QString);
    void sigRecoverProgress(qulonglong, qulonglong, qulonglong);

private slots:
    void slotError(RecoverError::ErrorType err);

private:
    RecoverNatManager();
    Q_DISABLE_COPY(RecoverNatManager)

    friend class RecoverNatManagerPrivate;
    RecoverNatManagerPrivate *d;
};

#include "mobiledevicebackupmanager.h"

#include "analyticstracker.h"
#include "fileutils.h"
#include "formatutils.h"
#include "mobiledeviceconnect.h"
#include "scanvardex.h"
#include "settingsentry.h"
#include "tlsthreadstate.h"
#include "vlog.h"
#include "volsark.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QLibrary>
#include <QRegExp>
#include <QTimer>
#include <QtConcurrent>

#include <plist/plist.h>

namespace
{
    std::atomic<MobileDeviceBackupManager *> g_decrypting{nullptr};
}

MobileDeviceBackupManager *MobileDeviceBackupManager::instance()
{
    static MobileDeviceBackupManager manager(QCoreApplication::applicationDirPath());
    return &manager;
}

MobileDeviceBackupManager::MobileDeviceBackupManager(const QString &libraryFolder)
{
    createProcess();
    // The library stays loaded for the life of the process: QLibrary does
    // not unload on destruction.
    QLibrary library(libraryFolder + "/" + linuxModuleName("Volsark.dll"));
    auto init = reinterpret_cast<bool (*)(IVolsarkMgr **)>(library.resolve("InitVolsarkMgr"));
    if (!init || !init(&m_volsark)) {
        m_volsark = nullptr;
        vlogInfo("InitVolsarkMgr error.");
    }
}

MobileDeviceBackupManager::MobileDeviceBackupManager(IVolsarkMgr *library) : m_volsark(library)
{
    createProcess();
}

MobileDeviceBackupManager::~MobileDeviceBackupManager()
{
    // A backup still running at exit is ended; its partial folder is the
    // program's to remove on SIGTERM.
    if (m_process->state() != QProcess::NotRunning) {
        m_process->disconnect(this);
        m_process->terminate();
        if (!m_process->waitForFinished(10000))
            m_process->kill();
        m_process->waitForFinished(1000);
    }
    m_stopRequested = true;
    m_asyncJobs.waitForFinished();
    MobileDeviceBackupManager *self = this;
    g_decrypting.compare_exchange_strong(self, nullptr);
}

void MobileDeviceBackupManager::createProcess()
{
    m_process = std::make_unique<QProcess>();
    m_process->setWorkingDirectory(QCoreApplication::applicationDirPath());
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    connect(m_process.get(), QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &MobileDeviceBackupManager::onBackupFinished);
    connect(m_process.get(), &QProcess::errorOccurred, this, &MobileDeviceBackupManager::onBackupError);
    connect(m_process.get(), &QProcess::readyReadStandardOutput, this, &MobileDeviceBackupManager::onBackupOutput);
    m_versionProvider = [] {
        MobileDeviceConnect *service = MobileDeviceConnect::instance();
        return service ? service->currentProductVersion() : QString();
    };
    m_sizeMeasure = [](const QString &folder) { return directorySize(folder); };
}

QString MobileDeviceBackupManager::helperImageName() const
{
    return m_backupProgramMode == 1 ? QStringLiteral("Harrowmoss.exe") : QStringLiteral("Harrowcap.exe");
}

quint32 MobileDeviceBackupManager::categoriesToBackupMask(const QVector<int> &categories)
{
    quint32 mask = 0;
    for (int category : categories)
        mask |= static_cast<quint32>(ScanVardex::engineCode(category));
    return mask;
}

bool MobileDeviceBackupManager::startBackup(const QString &targetFolder, const QString &deviceId,
                                            const QVector<int> &categories)
{
    if (m_backupRunning || m_process->state() != QProcess::NotRunning) {
        // A second backup would write over the running one's paths.
        vlogError("startBackup refused: a backup is running");
        return false;
    }
    m_backupDataPath = QString("%1/%2").arg(targetFolder, deviceId);
    m_lastError.clear();
    m_backupSize = 0;
    m_outputBuffer.clear();
    m_target = QFileInfo(targetFolder).absoluteFilePath();
    m_deviceId = deviceId;
    m_createdTarget = false;
    m_dataPathExisted = true;

    // The argument is split at "|", and the identifier names a folder.
    const bool usable = !targetFolder.isEmpty() && !targetFolder.contains('|') && !deviceId.isEmpty()
                        && !deviceId.contains('|') && !deviceId.contains('/') && deviceId != "." && deviceId != "..";
    if (!usable) {
        vlogError(QString("backup refused: target %1, device %2").arg(targetFolder, deviceId));
        emit taskProgress(0, -1, m_backupDataPath);
        return true;
    }

    if (!QFileInfo(targetFolder).isDir()) {
        m_createdTarget = QDir().mkpath(targetFolder);
    }
    m_dataPathExisted = QFileInfo::exists(m_backupDataPath);
    m_backupRunning = true;

    QString version = m_versionProvider ? m_versionProvider() : QString();
    if (version.isEmpty())
        version = "13.0";
    const bool fullMode = compareVersion(version, "17.") >= 0;

    QString argument;
    if (m_backupProgramMode == 1) {
        argument = fullMode ? QString("-path|%1|-target|%2|-a|full|-backuptype|%3")
                            : QString("-path|%1|-target|%2|-backuptype|%3");
        argument = argument.arg(m_target, deviceId).arg(categoriesToBackupMask(categories));
    } else {
        argument = QString("-path|%1|-target|%2").arg(m_target, deviceId);
    }
    const QString beside = QCoreApplication::applicationDirPath() + '/' + linuxModuleName(helperImageName());
    QString program = qEnvironmentVariable("QUENROW_BACKUP_HELPER");
    if (program.isEmpty())
        program = beside;

    vlogInfo(QString("%1 \"%2\"").arg(program, argument));
    emit taskProgress(0, 1);
    ++m_backupGeneration;
    m_process->start(program, QStringList {argument}, QIODevice::ReadWrite);
    return true;
}

void MobileDeviceBackupManager::stopBackup()
{
    m_stopRequested = true;
    if (!m_backupRunning || m_process->state() == QProcess::NotRunning)
        return;
    // Only our child: SIGTERM lets it remove its partial folder.
    m_process->terminate();
    const int generation = m_backupGeneration;
    QTimer::singleShot(10000, this, [this, generation] {
        if (generation == m_backupGeneration && m_process->state() != QProcess::NotRunning)
            m_process->kill();
    });
}

bool MobileDeviceBackupManager::isRunning() const
{
    return m_backupRunning || m_decryptRunning;
}

bool MobileDeviceBackupManager::usesNewHelper() const
{
    return m_backupProgramMode == 1;
}

void MobileDeviceBackupManager::setVersionProvider(std::function<QString()> provider)
{
    m_versionProvider = std::move(provider);
}

qint64 MobileDeviceBackupManager::backupSize() const
{
    return m_backupSize;
}

QString MobileDeviceBackupManager::backupDataPath() const
{
    return m_backupDataPath;
}

void MobileDeviceBackupManager::setBackupDataPath(const QString &path)
{
    m_backupDataPath = path;
}

QString MobileDeviceBackupManager::backupPath() const
{
    return m_backupPath;
}

void MobileDeviceBackupManager::setBackupPath(const QString &path)
{
    m_backupPath = path;
}

void MobileDeviceBackupManager::onBackupOutput()
{
    m_outputBuffer += m_process->readAllStandardOutput();
    if (m_backupProgramMode != 1) {
        handlePlistOutput();
        return;
    }
    for (;;) {
        const int end = m_outputBuffer.indexOf("\r\n");
        if (end < 0)
            return;
        // Cut as bytes, decoded per line: a character split across two reads stays whole.
        const QByteArray line = m_outputBuffer.left(end + 2);
        m_outputBuffer.remove(0, end + 2);
        handleBackupLine(QString::fromUtf8(line));
    }
}

void MobileDeviceBackupManager::handleBackupLine(const QString &line)
{
    if (line.startsWith("Error:", Qt::CaseInsensitive)) {
        QRegExp number("^(-?[0-9])|(-?\\d+)");
        // The code follows the last comma: the reason is the device's words and may hold commas.
        const int comma = line.lastIndexOf(',');
        const int from = comma >= 0 ? comma : line.size() - 1;
        int code = 0;
        if (number.indexIn(line, from) >= 0)
            code = number.cap(0).toInt();
        vlogError(line);
        trackEvent("iOSBackupProcess", "BackupErrorSituation", line);
        m_lastError = line;
        emit taskRequested(0, code, line);
    } else if (line.startsWith("1|")) {
        const QStringList parts = line.split('|');
        emit taskProgress(0, 2, parts.value(1).trimmed().toDouble());
    } else if (line.startsWith("2|")) {
        vlogInfo(line);
        emit taskRequested(2, line.split('|').value(1));
    }
}

void MobileDeviceBackupManager::handlePlistOutput()
{
    for (;;) {
        static const QByteArray close("</plist>");
        const int end = m_outputBuffer.indexOf(close);
        if (end < 0)
            return;
        QByteArray piece = m_outputBuffer.left(end + close.size());
        m_outputBuffer.remove(0, end + close.size());
        const int start = piece.indexOf("<?xml");
        if (start > 0)
            piece.remove(0, start);
        plist_t root = nullptr;
        plist_from_xml(piece.constData(), static_cast<uint32_t>(piece.size()), &root);
        if (!root)
            continue;
        if (plist_get_node_type(root) == PLIST_DICT) {
            if (plist_dict_get_item(root, "AMSDeviceIdentifierKey"))
                emit taskRequested(2, 2);
            plist_t error = plist_dict_get_item(root, "errorCode");
            if (error && plist_get_node_type(error) == PLIST_UINT) {
                uint64_t code = 0;
                plist_get_uint_val(error, &code);
                m_lastError = QString::number(code);
                emit taskRequested(0, static_cast<int>(code));
            }
            plist_t percent = plist_dict_get_item(root, "AMSBackupPercentageKey");
            if (percent && plist_get_node_type(percent) == PLIST_UINT) {
                uint64_t value = 0;
                plist_get_uint_val(percent, &value);
                emit taskProgress(0, 2, static_cast<qulonglong>(value));
                if (value == 100)
                    emit taskRequested(2, 0);
            }
        }
        plist_free(root);
    }
}

void MobileDeviceBackupManager::removeFailedBackup()
{
    if (m_target.isEmpty())
        return;
    QStringList paths;
    if (m_createdTarget) {
        paths << m_target;
    } else {
        if (!m_dataPathExisted)
            paths << m_target + '/' + m_deviceId;
        paths << m_target + "/." + m_deviceId + ".partial";
    }
    for (const QString &path : paths) {
        if (QFileInfo::exists(path))
            runRubbishCleaner(SettingsEntry::instance()->rubbishProgram(), path);
    }
}

void MobileDeviceBackupManager::onBackupFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    m_outputBuffer += m_process->readAllStandardOutput();
    if (m_backupProgramMode == 1) {
        onBackupOutput();
        // The last line may come without its line end.
        if (!m_outputBuffer.isEmpty()) {
            const QString rest = QString::fromUtf8(m_outputBuffer);
            m_outputBuffer.clear();
            handleBackupLine(rest);
        }
    } else {
        handlePlistOutput();
    }

    int status = 0;
    if (!m_lastError.isEmpty()) {
        status = -1;
    } else if (!QFileInfo(m_backupDataPath).isDir()) {
        status = -1;
        vlogError(QString("backup process %1 Error").arg(helperImageName()));
    } else if (exitCode != 0 || exitStatus != QProcess::NormalExit) {
        // A killed program leaves no trustworthy backup whatever its code.
        status = -1;
    }
    if (status != 0) {
        removeFailedBackup();
        endBackup(status);
        return;
    }
    // The size is told with the end, after every line the program wrote.
    auto *watcher = new QFutureWatcher<qint64>(this);
    connect(watcher, &QFutureWatcher<qint64>::finished, this, [this, watcher] {
        watcher->deleteLater();
        m_backupSize = watcher->result();
        trackEvent("RecoverfromiOSDevice", "RecoverDataProcess", "iOSBackupSize",
                   formatFileSize(static_cast<quint64>(m_backupSize), 1));
        endBackup(0);
    });
    watcher->setFuture(QtConcurrent::run([measure = m_sizeMeasure, folder = m_backupDataPath] {
        return measure(folder);
    }));
}

void MobileDeviceBackupManager::endBackup(int status)
{
    m_backupRunning = false;
    vlogError(QString("backup process ExitStatus:%1").arg(status));
    emit taskProgress(0, status, m_backupDataPath);
}

void MobileDeviceBackupManager::onBackupError(QProcess::ProcessError error)
{
    vlogError(QString("run %1 Error:%2").arg(helperImageName()).arg(static_cast<int>(error)));
    m_backupRunning = false;
    // A program that never started reports no end of its own.
    if (error == QProcess::FailedToStart)
        removeFailedBackup();
    QTimer::singleShot(500, this, [this] { emit taskProgress(0, 3); });
}

void MobileDeviceBackupManager::volsarkProgress(int done, int total)
{
    if (MobileDeviceBackupManager *manager = g_decrypting.load())
        emit manager->taskProgress(1, 2, done, total);
}

bool MobileDeviceBackupManager::runDecryption(const QString &backupPath, const QString &cryptPath,
                                              const QString &password)
{
    if (!m_volsark)
        return false;
    g_decrypting = this;
    const bool ok = m_volsark->DecryptBackup(backupPath.toStdWString(), cryptPath.toStdWString(),
                                             password.toStdWString(), &MobileDeviceBackupManager::volsarkProgress,
                                             &m_stopRequested);
    // The decryption ran OpenSSL on this pool thread.
    releaseThreadTlsState();
    return ok;
}

bool MobileDeviceBackupManager::decryptBackup(const QString &backupPath, const QString &cryptPath,
                                              const QString &password)
{
    vlogInfo(QString("Execute the decryption backup function [backupPath:%1 cryptPath:%2]").arg(backupPath, cryptPath));
    if (!m_volsark)
        return false;
    emit taskProgress(1, 1);
    m_stopRequested = false;
    m_decryptRunning = true;

    QEventLoop loop;
    QFutureWatcher<bool> watcher;
    bool ok = false;
    connect(&watcher, &QFutureWatcher<bool>::finished, &loop, [&] {
        ok = watcher.result();
        loop.quit();
    });
    watcher.setFuture(QtConcurrent::run([=] { return runDecryption(backupPath, cryptPath, password); }));
    loop.exec();

    m_decryptRunning = false;
    emit taskProgress(1, 0, cryptPath, ok);
    return ok;
}

void MobileDeviceBackupManager::decryptBackupAsync(const QString &backupPath, const QString &cryptPath,
                                                   const QString &password)
{
    vlogInfo(QString("Execute the aync decryption backup function [backupPath:%1 cryptPath:%2]")
                 .arg(backupPath, cryptPath));
    m_stopRequested = false;
    m_decryptRunning = true;
    m_asyncJobs.addFuture(QtConcurrent::run([=] {
        emit taskProgress(1, 1);
        const bool ok = runDecryption(backupPath, cryptPath, password);
        m_decryptRunning = false;
        emit taskProgress(1, 0, cryptPath, ok);
    }));
}

bool MobileDeviceBackupManager::checkIOSBackupEncrypt(const QString &backupPath)
{
    vlogInfo("Execute the CheckIOSBackupEncrypt function");
    if (!m_volsark)
        return false;
    return m_volsark->CheckIOSBackupEncrypt(backupPath.toStdWString());
}

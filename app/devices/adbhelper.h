#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// Runs the Android Debug Bridge: QUENROW_ADB, the setting "AdbProgram",
// Helper/adb in the program folder, else adb on PATH. Every call runs the
// program anew with an argument list; no state survives a call.
class adbHelper : public QObject
{
    Q_OBJECT

public:
    explicit adbHelper(QObject *parent = nullptr, int waitMs = 30000);

    QString program() const;

    void startServer(bool detached);
    void killServer(bool detached);
    // The state word of the first device whose serial starts with serial.
    QString deviceState(const QString &serial) const;

    QString androidVersion(const QString &serial) const;
    void openApplicationSettings(const QString &serial, bool detached);
    int listPath(const QString &serial, const QString &path);
    int makeFolder(const QString &path);
    int copyToDevice(const QString &serial, const QString &localPath, const QString &devicePath);
    QStringList packageQuery(const QString &serial) const;
    QStringList deviceList() const;
    int moveOnDevice(const QString &serial, const QString &from, const QString &to);
    void restartServer();
    void restartServerInBackground();
    QString androidVersionThroughWorker(const QString &serial) const;

    // One word for the device's shell, whatever the path holds.
    static QString shellQuoted(const QString &text);
    static QStringList splitLines(const QString &text);

private:
    QStringList withSerial(const QString &serial, const QStringList &arguments) const;
    int execute(const QStringList &arguments) const;
    void run(const QStringList &arguments, bool detached) const;
    // Output of a run that ended within the wait; empty otherwise.
    QString output(const QStringList &arguments) const;

    const int m_waitMs;
};

// quenrow-devicebackup and the backup program against a simulated device:
// what lands in the target folder, and that a backup which does not finish
// leaves the folder as it was.

#include "foldersnapshot.h"
#include "processprobe.h"
#include "simulateddevice.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <memory>

using testsupport::SimulatedDevice;
using testsupport::SimulatedDeviceState;

namespace
{
    const char *kUdid = "00008101-000A1B2C3D4E5F60";

    QString bin(const QString &name)
    {
        return qEnvironmentVariable("QUENROW_BIN_DIR") + "/" + name;
    }

    struct Run
    {
        int exitCode = -100;
        QStringList lines;
    };

    QJsonArray payload(const QString &line, const char *key)
    {
        return QJsonDocument::fromJson(line.toUtf8()).object().value(key).toArray();
    }

    QByteArray contentOf(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Processes still alive whose command line names text.
    QList<qint64> processesNaming(const QString &text)
    {
        QList<qint64> found;
        for (const QString &entry : QDir("/proc").entryList(QDir::Dirs)) {
            bool number = false;
            const qint64 pid = entry.toLongLong(&number);
            if (!number || pid == QCoreApplication::applicationPid())
                continue;
            QFile cmdline("/proc/" + entry + "/cmdline");
            if (cmdline.open(QIODevice::ReadOnly) && cmdline.readAll().replace('\0', ' ').contains(text.toUtf8())
                && isProcessAlive(pid))
                found << pid;
        }
        return found;
    }

    // A string item of a property list, "date" for a date, "" when missing.
    QString plistValue(const QByteArray &bytes, const char *key)
    {
        plist_t root = nullptr;
        plist_from_memory(bytes.constData(), uint32_t(bytes.size()), &root);
        plist_t item = root ? plist_dict_get_item(root, key) : nullptr;
        QString value;
        if (item && plist_get_node_type(item) == PLIST_DATE) {
            value = "date";
        } else if (item && plist_get_node_type(item) == PLIST_STRING) {
            char *text = nullptr;
            plist_get_string_val(item, &text);
            value = QString::fromUtf8(text);
            free(text);
        }
        plist_free(root);
        return value;
    }

    qint64 childOf(qint64 parent)
    {
        for (const QString &entry : QDir("/proc").entryList(QDir::Dirs)) {
            QFile stat("/proc/" + entry + "/stat");
            if (!stat.open(QIODevice::ReadOnly))
                continue;
            const QByteArray line = stat.readAll();
            const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
            if (fields.size() > 1 && fields.at(1).toLongLong() == parent)
                return entry.toLongLong();
        }
        return 0;
    }
}

class DeviceBackupSimulatedTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_work;
    std::unique_ptr<SimulatedDevice> m_device;
    QString m_socket;

    // A phone whose backup is the bundled sample, with knobs set by adjust.
    QString startDevice(const QString &name, const std::function<void(SimulatedDeviceState &)> &adjust = {})
    {
        const QString root = m_work.path() + "/" + name + "-phone";
        namespace fs = std::filesystem;
        std::error_code error;
        fs::create_directories(root.toStdString(), error);
        fs::copy(QUENROW_SAMPLE_BACKUP, (root + "/Backup").toStdString(), fs::copy_options::recursive, error);
        if (error)
            return {};
        SimulatedDeviceState state;
        state.udid = kUdid;
        state.root = root.toStdString();
        state.lockdownValues = {{"DeviceName", "Alice's iPhone"},
                                {"ProductVersion", "15.3.1"},
                                {"ProductType", "iPhone13,2"},
                                {"SerialNumber", "F2LXQ0KJHG7F"}};
        if (adjust)
            adjust(state);
        m_device.reset();
        m_device = std::make_unique<SimulatedDevice>(state);
        m_socket = QString::fromStdString(SimulatedDevice::uniqueSocketPath("backup"));
        if (!m_device->start(m_socket.toStdString()))
            return {};
        return root + "/Backup";
    }

    void startTool(QProcess &process, const QString &target, const QString &helper = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("USBMUXD_SOCKET_ADDRESS", QString::fromStdString(SimulatedDevice::muxAddress(m_socket.toStdString())));
        if (!helper.isEmpty())
            environment.insert("QUENROW_BACKUP_HELPER", helper);
        else
            environment.remove("QUENROW_BACKUP_HELPER");
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(bin("quenrow-devicebackup"), {"--target", target, "--udid", kUdid});
    }

    static Run collect(QProcess &process)
    {
        Run result;
        if (!process.waitForFinished(120000)) {
            process.kill();
            process.waitForFinished();
            return result;
        }
        if (process.exitStatus() == QProcess::NormalExit)
            result.exitCode = process.exitCode();
        for (const QByteArray &line : process.readAllStandardOutput().split('\n'))
            if (!line.isEmpty())
                result.lines << QString::fromUtf8(line);
        return result;
    }

    Run backUp(const QString &target, const QString &helper = {})
    {
        QProcess process;
        startTool(process, target, helper);
        return collect(process);
    }

    // A target holding another device's backup, an older backup of this
    // device and a file of the user's.
    static void fillTarget(const QString &target)
    {
        const QList<QPair<QString, QByteArray>> files = {
            {"OTHER/Manifest.db", "another device's manifest"},
            {"OTHER/Info.plist", "another device's info"},
            {"OTHER/ab/ab12", "another device's file"},
            {QString(kUdid) + "/Info.plist", "the older backup of this device"},
            {"notes.txt", "the user's own file"}};
        for (const auto &file : files) {
            QDir().mkpath(QFileInfo(target + "/" + file.first).path());
            QFile out(target + "/" + file.first);
            if (out.open(QIODevice::WriteOnly))
                out.write(file.second);
        }
    }

    static QString countsOf(const QString &backup, const QString &out)
    {
        QProcess scan;
        scan.start(bin("vardex-scan"), {"--count", "--backup", backup, "--mask", "0xFFFFF", "--out", out});
        scan.waitForFinished(120000);
        return QString::fromUtf8(scan.readAllStandardOutput());
    }

private slots:
    void initTestCase() { QVERIFY(m_work.isValid()); }

    void cleanup()
    {
        m_device.reset();
    }

    void backsUpIntoAMissingFolder()
    {
        const QString backup = startDevice("whole", [](SimulatedDeviceState &state) { state.passcodePromptMs = 2500; });
        QVERIFY(!backup.isEmpty());
        const QString target = m_work.path() + "/whole/missing";
        const Run result = backUp(target);
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.lines.size() > 3);
        QCOMPARE(result.lines.first(), QString(R"({"taskProgress":[0,1]})"));
        QCOMPARE(result.lines.last(), R"({"taskProgress":[0,0,")" + target + "/" + kUdid + R"("]})");
        const int prompt = result.lines.indexOf(R"({"taskRequested":[2,"1\r\n"]})");
        const int firstFile = result.lines.indexOf(R"({"taskRequested":[2,"2\r\n"]})");
        QVERIFY2(prompt >= 0 && firstFile > prompt, qPrintable(result.lines.join('\n')));
        QList<double> progress;
        for (const QString &line : result.lines) {
            const QJsonArray values = payload(line, "taskProgress");
            if (values.size() == 3 && values.at(1).toInt() == 2)
                progress << values.at(2).toDouble();
        }
        QVERIFY2(progress.size() > 10, qPrintable(result.lines.join('\n')));
        for (int i = 1; i < progress.size(); ++i)
            QVERIFY2(progress.at(i) > progress.at(i - 1), qPrintable(result.lines.join('\n')));
        QCOMPARE(progress.last(), 100.0);

        QCOMPARE(QDir(target).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList {kUdid});
        const QString made = target + "/" + kUdid;
        QMap<QString, QByteArray> expected = folderSnapshot(backup), got = folderSnapshot(made);
        for (const char *own : {"Info.plist", "Status.plist"}) {
            QVERIFY(got.contains(own));
            expected.remove(own);
        }
        got.remove("Status.plist");
        got.remove("Info.plist");
        const QByteArray status = contentOf(made + "/Status.plist");
        const QByteArray info = contentOf(made + "/Info.plist");
        QCOMPARE(got.keys(), expected.keys());
        for (const QString &path : expected.keys())
            QVERIFY2(got.value(path) == expected.value(path), qPrintable(path));

        QCOMPARE(plistValue(status, "SnapshotState"), QString("finished"));
        const QList<QPair<const char *, QString>> values = {{"Device Name", "Alice's iPhone"},
                                                            {"Product Type", "iPhone13,2"},
                                                            {"Product Version", "15.3.1"},
                                                            {"Serial Number", "F2LXQ0KJHG7F"},
                                                            {"Unique Identifier", kUdid},
                                                            {"Last Backup Date", "date"}};
        for (const auto &value : values)
            QCOMPARE(plistValue(info, value.first), value.second);

        const QString counts = countsOf(backup, m_work.path() + "/whole/scan-device");
        QVERIFY(!counts.isEmpty());
        QCOMPARE(countsOf(made, m_work.path() + "/whole/scan-copy"), counts);
    }

    void finishedBackupReplacesOnlyTheOlderOne()
    {
        QVERIFY(!startDevice("replace").isEmpty());
        const QString target = m_work.path() + "/replace/target";
        fillTarget(target);
        QMap<QString, QByteArray> others = folderSnapshot(target);
        const Run result = backUp(target);
        QCOMPARE(result.exitCode, 0);
        QMap<QString, QByteArray> after = folderSnapshot(target);
        const QString prefix = QString(kUdid) + "/";
        QCOMPARE(plistValue(contentOf(target + "/" + prefix + "Info.plist"), "Device Name"), QString("Alice's iPhone"));
        QVERIFY(after.contains(prefix + "Manifest.db"));
        for (auto *tree : {&others, &after})
            for (const QString &path : tree->keys())
                if (path.startsWith(prefix))
                    tree->remove(path);
        // Another device's backup and the user's file stay; nothing half made is left beside them.
        after.remove(kUdid);
        others.remove(kUdid);
        QCOMPARE(after, others);
    }

    void unfinishedBackupLeavesTheTarget_data()
    {
        QTest::addColumn<QString>("knob");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("code");
        QTest::newRow("device error after 3 files") << "errorAfterFiles" << "3" << 105;
        QTest::newRow("computer short of space") << "hugeFile" << "" << 105;
        QTest::newRow("device unplugged") << "dropAfterFiles" << "4" << -4;
        QTest::newRow("path leaving the folder") << "extraPath" << QString(kUdid) + "/../../x" << -6;
        QTest::newRow("path into another backup") << "extraPath" << "OTHER/Manifest.db" << -6;
        QTest::newRow("path with a line break") << "extraPath" << QString(kUdid) + "/../x\r\n1|100" << -6;
        QTest::newRow("disk full") << "fileSizeLimit" << "" << -5;
        QTest::newRow("device not trusted") << "untrusted" << "" << -2;
        QTest::newRow("backup service refused") << "refuseService" << "" << -3;
    }

    void unfinishedBackupLeavesTheTarget()
    {
        QFETCH(QString, knob);
        QFETCH(QString, value);
        QFETCH(int, code);
        const QString name = QString(QTest::currentDataTag()).replace(' ', '-');
        QString hugeFileFailed;
        QVERIFY(!startDevice(name, [&](SimulatedDeviceState &state) {
                     if (knob == "errorAfterFiles") {
                         state.backupErrorAfterFiles = value.toInt();
                         state.backupErrorCode = 105;
                     } else if (knob == "dropAfterFiles") {
                         state.backupDropAfterFiles = value.toInt();
                     } else if (knob == "extraPath") {
                         state.backupExtraPath = value.toStdString();
                     } else if (knob == "untrusted") {
                         state.paired = false;
                     } else if (knob == "refuseService") {
                         state.refuse = testsupport::RefuseStage::Service;
                     } else if (knob == "hugeFile") {
                         // A sparse file larger than the free space here: the device asks first and gives up.
                         namespace fs = std::filesystem;
                         std::error_code error;
                         const fs::space_info space = fs::space(state.root, error);
                         fs::create_directories(state.root + "/Backup/ff", error);
                         std::ofstream(state.root + "/Backup/ff/huge");
                         fs::resize_file(state.root + "/Backup/ff/huge", space.available + (uint64_t(1) << 30), error);
                         if (error)
                             hugeFileFailed = QString::fromStdString(error.message());
                     }
                 }).isEmpty());
        if (!hugeFileFailed.isEmpty())
            QSKIP(qPrintable("this file system has no room for a sparse file that large: " + hugeFileFailed));
        QString helper;
        const bool fileSizeLimit = knob == "fileSizeLimit";
        if (fileSizeLimit) {
            // Files past 50 KiB cannot be written, as on a volume that is full.
            helper = m_work.path() + "/" + name + "-limited.sh";
            QFile script(helper);
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write("#!/bin/sh\nulimit -f 100\nexec '" + bin("Harrowmoss").toUtf8() + "' \"$@\"\n");
            script.close();
            QFile::setPermissions(helper, QFile::permissions(helper) | QFile::ExeOwner);
        }
        const QString target = m_work.path() + "/" + name + "/target";
        fillTarget(target);
        const QMap<QString, QByteArray> before = folderSnapshot(target);

        const Run result = backUp(target, helper);
        const QString all = result.lines.join('\n');
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(result.lines.last(), R"({"taskProgress":[0,-1,")" + target + "/" + kUdid + R"("]})");
        QStringList errors;
        for (const QString &line : result.lines)
            if (line.startsWith(R"({"taskRequested":[0,)"))
                errors << line;
        QCOMPARE(errors.size(), 1);
        const QJsonArray error = payload(errors.first(), "taskRequested");
        QVERIFY2(error.at(1).toInt() == code, qPrintable(all));
        QVERIFY2(error.at(2).toString().startsWith("Error: "), qPrintable(all));
        // One line, however the device words it.
        QVERIFY2(error.at(2).toString().endsWith(", " + QString::number(code) + "\r\n"), qPrintable(all));
        QVERIFY2(error.at(2).toString().count('\n') == 1, qPrintable(all));
        QVERIFY2(!all.contains(R"({"taskProgress":[0,2,100]})"), qPrintable(all));
        if (fileSizeLimit)
            QVERIFY2(!error.at(2).toString().contains("space on the device"), qPrintable(all));

        QCOMPARE(folderSnapshot(target), before);
        QVERIFY(!QFileInfo::exists(m_work.path() + "/" + name + "/x"));
        QTRY_VERIFY_WITH_TIMEOUT(processesNaming(target).isEmpty(), 5000);
    }

    void interruptLeavesOthersAlone()
    {
        QVERIFY(!startDevice("interrupt", [](SimulatedDeviceState &state) { state.backupFileDelayMs = 150; }).isEmpty());
        const QString target = m_work.path() + "/interrupt/target";
        fillTarget(target);
        const QMap<QString, QByteArray> before = folderSnapshot(target);

        // Programs of others that carry the names an older build ended by name.
        const QString decoys = m_work.path() + "/decoys";
        QDir().mkpath(decoys);
        std::vector<std::unique_ptr<QProcess>> others;
        for (const char *name : {"Harrowmoss", "Harrowcap.exe", "AppleMobileBackup.exe"}) {
            QVERIFY(QFile::link("/bin/sleep", decoys + "/" + QString(name)));
            others.push_back(std::make_unique<QProcess>());
            others.back()->start(decoys + "/" + QString(name), {"60"});
            QVERIFY(others.back()->waitForStarted());
        }

        QProcess process;
        startTool(process, target);
        QVERIFY(process.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QDir(target + "/." + kUdid + ".partial").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size() > 2,
                                 30000);
        ::kill(static_cast<pid_t>(process.processId()), SIGINT);
        const Run result = collect(process);
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(result.lines.last(), R"({"taskProgress":[0,-1,")" + target + "/" + kUdid + R"("]})");
        for (const QString &line : result.lines)
            QVERIFY2(!line.startsWith(R"({"taskRequested":[0)"), qPrintable(line));
        QCOMPARE(folderSnapshot(target), before);
        QTRY_VERIFY_WITH_TIMEOUT(processesNaming(target).isEmpty(), 5000);
        for (const auto &other : others) {
            QVERIFY(isProcessAlive(other->processId()));
            other->kill();
            other->waitForFinished();
        }
    }

    // Through the simdevice program and a devices file, as the README shows.
    void killedProgramsLeaveNoBackup()
    {
        const QString root = m_work.path() + "/killed-phone";
        namespace fs = std::filesystem;
        std::error_code error;
        fs::create_directories(root.toStdString(), error);
        fs::copy(QUENROW_SAMPLE_BACKUP, (root + "/Backup").toStdString(), fs::copy_options::recursive, error);
        QVERIFY(!error);
        QFile devices(m_work.path() + "/killed-devices.plist");
        QVERIFY(devices.open(QIODevice::WriteOnly));
        devices.write(QString("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><array><dict>"
                              "<key>Lockdown</key><dict><key>UniqueDeviceID</key><string>%1</string></dict>"
                              "<key>Paired</key><true/><key>Root</key><string>%2</string>"
                              "<key>BackupFileDelayMs</key><integer>150</integer>"
                              "</dict></array></plist>\n")
                          .arg(kUdid, root)
                          .toUtf8());
        devices.close();
        m_socket = QString::fromStdString(SimulatedDevice::uniqueSocketPath("killed"));
        QProcess phone;
        phone.start(bin("simdevice"), {"--socket", m_socket, "--devices", devices.fileName()});
        QVERIFY(phone.waitForReadyRead(10000));
        QCOMPARE(phone.readLine().trimmed(), QByteArray("ready"));

        const QString target = m_work.path() + "/killed/target";
        QProcess process;
        startTool(process, target);
        QVERIFY(process.waitForStarted());
        const QString partial = target + "/." + kUdid + ".partial";
        QTRY_VERIFY_WITH_TIMEOUT(QDir(partial).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size() > 2, 30000);
        const qint64 helper = childOf(process.processId());
        QVERIFY(helper > 0);
        ::kill(static_cast<pid_t>(helper), SIGKILL);
        ::kill(static_cast<pid_t>(process.processId()), SIGKILL);
        process.waitForFinished();
        QTRY_VERIFY_WITH_TIMEOUT(!isProcessAlive(helper), 5000);
        QVERIFY(!QFileInfo::exists(target + "/" + kUdid));
        phone.terminate();
        QVERIFY(phone.waitForFinished(10000));
        QCOMPARE(phone.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(DeviceBackupSimulatedTest)
#include "devicebackupsimulated_test.moc"

#include "crashreporter.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace
{
    QStringList g_calls;

    // Takes the sender's calls down, in order.
    class RecordingSender
    {
    public:
        RecordingSender(const wchar_t *database, const wchar_t *application, const wchar_t *version,
                        const wchar_t *applicationId, unsigned int flags)
            : m_flags(flags)
        {
            g_calls << QStringLiteral("construct %1 %2 %3 %4 0x%5")
                           .arg(QString::fromWCharArray(database), QString::fromWCharArray(application),
                                QString::fromWCharArray(version),
                                applicationId ? QString::fromWCharArray(applicationId) : QStringLiteral("null"))
                           .arg(flags, 0, 16);
        }
        unsigned int getFlags()
        {
            g_calls << QStringLiteral("getFlags");
            return m_flags;
        }
        void setFlags(unsigned int flags) { g_calls << QStringLiteral("setFlags 0x%1").arg(flags, 0, 16); }
        void setMiniDumpType(unsigned int type) { g_calls << QStringLiteral("setMiniDumpType 0x%1").arg(type, 0, 16); }
        void setGuardByteBufferSize(std::size_t bytes)
        {
            g_calls << QStringLiteral("setGuardByteBufferSize %1").arg(bytes);
        }
        void setNotes(const wchar_t *notes) { g_calls << "setNotes " + QString::fromWCharArray(notes); }
        void setCallback(bool (*)(unsigned int, void *, void *)) { g_calls << QStringLiteral("setCallback"); }
        bool getMinidumpPath(wchar_t *buffer, std::size_t count)
        {
            g_calls << QStringLiteral("getMinidumpPath %1").arg(count);
            buffer[0] = L'\0';
            return true;
        }
        bool sendAdditionalFile(const wchar_t *path)
        {
            g_calls << "sendAdditionalFile " + QString::fromWCharArray(path);
            return true;
        }

    private:
        unsigned int m_flags;
    };

    void recordRoute()
    {
        g_calls << QStringLiteral("route fatal paths");
    }

    QString onlyReportIn(const QString &folder)
    {
        const QStringList reports = QDir(folder).entryList({QStringLiteral("crash-*.txt")}, QDir::Files);
        return reports.size() == 1 ? QDir(folder).filePath(reports.first()) : QString();
    }
}

class CrashReporterTest : public QObject
{
    Q_OBJECT

private slots:
    void theSenderIsSetUpInOrder()
    {
        g_calls.clear();
        std::unique_ptr<RecordingSender> sender(
            CrashReporterSetup::configure<RecordingSender>(QStringLiteral("8.1.0"), recordRoute, crashReporterCallback));
        QCOMPARE(g_calls, (QStringList {QStringLiteral("construct quenrow Quenrow(iOS) 8.1.0 null 0x2014"),
                                        QStringLiteral("getFlags"),
                                        QStringLiteral("setFlags 0x2016"),
                                        QStringLiteral("setMiniDumpType 0x1826"),
                                        QStringLiteral("route fatal paths"),
                                        QStringLiteral("setGuardByteBufferSize 20971520"),
                                        QStringLiteral("setNotes Channel:Com"),
                                        QStringLiteral("setCallback")}));
    }

    void theNoticeAttachesTheThreeLogs()
    {
        RecordingSender sender(L"d", L"a", L"v", nullptr, 0);
        g_calls.clear();
        QVERIFY(!CrashReporterSetup::attachLogs(&sender, 0x50, L"/home/ann/Quenrow log"));
        QCOMPARE(g_calls, (QStringList {QStringLiteral("getMinidumpPath 260"),
                                        QStringLiteral("sendAdditionalFile /home/ann/Quenrow log/Volsark.log"),
                                        QStringLiteral("sendAdditionalFile /home/ann/Quenrow log/QuorlinMac.log"),
                                        QStringLiteral("sendAdditionalFile /home/ann/Quenrow log/app.txt")}));
        g_calls.clear();
        QVERIFY(!CrashReporterSetup::attachLogs(&sender, 0x51, L"/logs"));
        QVERIFY(!CrashReporterSetup::attachLogs(&sender, 0, L"/logs"));
        QVERIFY(g_calls.isEmpty());
    }

    void aCrashLeavesAReportNamingTheLogs_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("signal");
        QTest::addColumn<QString>("reason");
        QTest::newRow("abort") << "abort" << int(SIGABRT) << "abort (SIGABRT)";
        QTest::newRow("uncaught exception") << "terminate" << int(SIGABRT) << "std::terminate";
        QTest::newRow("segmentation fault") << "segv" << int(SIGSEGV) << "segmentation fault (SIGSEGV)";
    }

    void aCrashLeavesAReportNamingTheLogs()
    {
        QFETCH(QString, how);
        QFETCH(int, signal);
        QFETCH(QString, reason);
        QTemporaryDir logs;
        QProcess probe;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QUENROW_LOG_DIR"), logs.path());
        probe.setProcessEnvironment(environment);
        probe.start(QStringLiteral(CRASH_PROBE), {how, logs.path()});
        QVERIFY(probe.waitForFinished(30000));
        QCOMPARE(probe.exitStatus(), QProcess::CrashExit);
        QCOMPARE(probe.exitCode(), signal);

        const QString report = onlyReportIn(logs.path());
        QVERIFY2(!report.isEmpty(), qPrintable(QDir(logs.path()).entryList().join(' ')));
        QFile file(report);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        for (const QString &line : {QStringLiteral("application: Quenrow(iOS)"), QStringLiteral("version: 8.1.0"),
                                    QStringLiteral("notes: Channel:Com"), "  " + logs.path() + "/Volsark.log",
                                    "  " + logs.path() + "/QuorlinMac.log", "  " + logs.path() + "/app.txt"})
            QVERIFY2(text.contains(line + '\n'), qPrintable(line + " not in:\n" + text));
        QVERIFY2(text.contains("reason: " + reason), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("backtrace:\n")));
    }
};

QTEST_MAIN(CrashReporterTest)
#include "crashreporter_test.moc"

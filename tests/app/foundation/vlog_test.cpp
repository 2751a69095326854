#include "vlog.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <thread>
#include <vector>

class VlogTest : public QObject
{
    Q_OBJECT

private:
    static QString logFile() { return qEnvironmentVariable("QUENROW_LOG_DIR") + "/app.txt"; }

    static QStringList logLines()
    {
        QFile file(logFile());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(!qEnvironmentVariableIsEmpty("QUENROW_LOG_DIR"));
        QFile::remove(logFile());
    }

    // Runs first: nothing is open yet.
    void entriesBeforeInitAreDropped()
    {
        vlogInfo("before the log is open");
        vlogError("before the log is open");
        QVERIFY(!QFile::exists(logFile()) || logLines().isEmpty());
    }

    void writesLevelsWithTextIntact()
    {
        vlogInit();
        vlogInit(); // a second open must neither throw nor reopen the file
        vlogInfo(QStringLiteral("50% é 中 😀"));
        vlogError(QStringLiteral("x"));
        const QStringList lines = logLines();
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines.at(0).endsWith(QStringLiteral("[2] vlog.h:51 50% é 中 😀")), qPrintable(lines.at(0)));
        QVERIFY2(lines.at(1).endsWith(QStringLiteral("[4] vlog.h:69 x")), qPrintable(lines.at(1)));
    }

    void formatLikeTextIsWrittenAsGiven_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("conversions") << "%s %d %n %ls %p";
        QTest::newRow("lone percent") << "100%";
        QTest::newRow("doubled percent") << "%%";
        QTest::newRow("long line") << QString(20000, QChar(0x4E2D));
    }

    void formatLikeTextIsWrittenAsGiven()
    {
        QFETCH(QString, text);
        vlogInit();
        vlogInfo(text);
        QVERIFY(logLines().last().endsWith("vlog.h:51 " + text));
    }

    void concurrentWritersNeverTearALine()
    {
        vlogInit();
        const QString padding(200, 'y');
        std::vector<std::thread> threads;
        for (int t = 0; t < 8; ++t) {
            threads.emplace_back([t, padding] {
                for (int n = 0; n < 1000; ++n)
                    vlogInfo(QStringLiteral("writer %1 line %2 %3").arg(t).arg(n).arg(padding));
            });
        }
        for (std::thread &thread : threads)
            thread.join();

        const QRegularExpression whole(QStringLiteral("\\[2\\] vlog\\.h:51 writer (\\d) line (\\d+) y{200}$"));
        QSet<QString> seen;
        for (const QString &line : logLines()) {
            if (!line.contains("writer "))
                continue;
            const QRegularExpressionMatch match = whole.match(line);
            QVERIFY2(match.hasMatch(), qPrintable(line.left(120)));
            seen.insert(match.captured(1) + '/' + match.captured(2));
        }
        QCOMPARE(seen.size(), 8000);
    }
};

QTEST_GUILESS_MAIN(VlogTest)
#include "vlog_test.moc"

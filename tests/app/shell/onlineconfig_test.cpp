// The online configuration: which packages it fetches, that only a verified
// package replaces the installed one, and what it records and logs.

#include "checkonlinetoolsversion.h"
#include "loopbackhttpserver.h"
#include "toolsrequest.h"
#include "vlog.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

using testsupport::LoopbackHttpServer;
using Reply = LoopbackHttpServer::Reply;

Q_DECLARE_METATYPE(LoopbackHttpServer::Reply)

namespace
{
    const QByteArray kNewPackage = QByteArray("new WhatsApp package ").repeated(40);
    const QByteArray kNewBusiness = QByteArray("new Business package ").repeated(40);

    QString md5(const QByteArray &data)
    {
        return QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Md5).toHex());
    }

    QString logText()
    {
        QFile file(qEnvironmentVariable("QUENROW_LOG_DIR") + "/app.txt");
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll());
    }

    QByteArray readAll(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    void write(const QString &path, const QByteArray &data)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(data);
    }

    QString recordedVersion(const QString &member)
    {
        const QJsonObject record =
            QJsonDocument::fromJson(readAll(checkOnLineToolsVersion::packageFolder() + "/secheme.json")).object();
        return record.value(member).toObject().value("version").toString();
    }
}

class OnlineConfigTest : public QObject
{
    Q_OBJECT

    LoopbackHttpServer m_server;
    QString m_folder;

    QByteArray member(const char *version, const QByteArray &path, const QString &md5)
    {
        return QJsonDocument(QJsonObject {{"version", version}, {"url", m_server.url(path)}, {"md5", md5}})
            .toJson(QJsonDocument::Compact);
    }

    void serveConfig(const QByteArray &whatsApp, const QByteArray &business)
    {
        QByteArray body = "{";
        if (!whatsApp.isEmpty())
            body += "\"WhatsApp\":" + whatsApp;
        if (!business.isEmpty())
            body += QByteArray(whatsApp.isEmpty() ? "" : ",") + "\"WhatsApp Business\":" + business;
        m_server.setReply("/onlineconfig", Reply::ok(body + "}", "application/json"));
    }

    // The installed state: both packages at the given versions.
    void install(const char *waVersion, const char *wa4bVersion)
    {
        QDir().mkpath(m_folder);
        write(m_folder + "/wa.apk", "old wa");
        write(m_folder + "/wa4b.apk", "old wa4b");
        write(m_folder + "/secheme.json",
              QJsonDocument(QJsonObject {{"WhatsApp", QJsonObject {{"version", waVersion}}},
                                         {"WhatsApp Business", QJsonObject {{"version", wa4bVersion}}},
                                         {"Helper", QJsonObject {{"version", "3.0"}, {"note", "kept"}}}})
                  .toJson());
    }

    bool runOnce()
    {
        checkOnLineToolsVersion check;
        QSignalSpy finished(&check, &checkOnLineToolsVersion::onlineConfigFinished);
        check.checkOnlineConfig();
        return finished.wait(20000);
    }

private slots:
    void initTestCase()
    {
        QFile::remove(qEnvironmentVariable("QUENROW_LOG_DIR") + "/app.txt");
        vlogInit();
        QVERIFY(m_server.start() != 0);
        qputenv("QUENROW_ONLINE_CONFIG_URL", m_server.url("/onlineconfig").toUtf8());
        m_folder = checkOnLineToolsVersion::packageFolder();
        QVERIFY(m_folder.startsWith(qEnvironmentVariable("XDG_DATA_HOME")));
        QVERIFY(m_folder.endsWith("/Src"));
        ToolsTimeouts timeouts;
        timeouts.onlineConfigMs = 300;
        timeouts.contentLengthMs = 300;
        setToolsTimeoutsForTesting(timeouts);
        m_server.setReply("/wa.apk", Reply::ok(kNewPackage));
        m_server.setReply("/wa4b.apk", Reply::ok(kNewBusiness));
        m_server.setReply("/broken.apk", Reply::withStatus(500));
    }

    void init()
    {
        QDir(m_folder).removeRecursively();
    }

    void changedPackageIsReplaced()
    {
        install("2.24.1", "2.24.1");
        serveConfig(member("2.24.2", "/wa.apk", md5(kNewPackage).toUpper()),
                    member("2.24.1", "/wa4b.apk", md5(kNewBusiness)));
        QVERIFY(runOnce());
        QCOMPARE(readAll(m_folder + "/wa.apk"), kNewPackage);
        QCOMPARE(recordedVersion("WhatsApp"), QString("2.24.2"));
        // Same version and present: left alone.
        QCOMPARE(readAll(m_folder + "/wa4b.apk"), QByteArray("old wa4b"));
        QCOMPARE(recordedVersion("WhatsApp Business"), QString("2.24.1"));
        QCOMPARE(recordedVersion("Helper"), QString("3.0"));
        QVERIFY(logText().contains("The secheme.json file is successfully written. Procedure"));
        QCOMPARE(QDir(m_folder).entryList({"*.crdownload", "*.part", "secheme.json.*"}, QDir::Files), QStringList());
    }

    void missingPackageIsFetched()
    {
        serveConfig(member("2.24.2", "/wa.apk", md5(kNewPackage)), member("2.25.0", "/wa4b.apk", md5(kNewBusiness)));
        QVERIFY(runOnce());
        QCOMPARE(readAll(m_folder + "/wa.apk"), kNewPackage);
        QCOMPARE(readAll(m_folder + "/wa4b.apk"), kNewBusiness);
        QCOMPARE(recordedVersion("WhatsApp"), QString("2.24.2"));
        QCOMPARE(recordedVersion("WhatsApp Business"), QString("2.25.0"));
    }

    void unverifiedPackageKeepsTheOld_data()
    {
        QTest::addColumn<QString>("md5");
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QString>("logLine");
        const QString mismatch = "The MD5 verification of the wa.apk file is incorrect. Procedure";
        QTest::newRow("wrong md5") << md5("something else") << QByteArray("/wa.apk") << mismatch;
        QTest::newRow("empty md5") << QString() << QByteArray("/wa.apk") << mismatch;
        QTest::newRow("leading part of the md5") << md5(kNewPackage).left(8) << QByteArray("/wa.apk") << mismatch;
        QTest::newRow("download fails") << md5(kNewPackage) << QByteArray("/broken.apk")
                                        << "Failed to download wa.apk";
    }

    void unverifiedPackageKeepsTheOld()
    {
        QFETCH(QString, md5);
        QFETCH(QByteArray, path);
        QFETCH(QString, logLine);
        install("2.24.1", "2.24.1");
        const int linesBefore = logText().count(logLine);
        serveConfig(member("2.24.2", path, md5), QByteArray());
        QVERIFY(runOnce());
        QCOMPARE(readAll(m_folder + "/wa.apk"), QByteArray("old wa"));
        QCOMPARE(recordedVersion("WhatsApp"), QString("2.24.1"));
        QCOMPARE(logText().count(logLine), linesBefore + 1);
        QCOMPARE(QDir(m_folder).entryList({"*.crdownload", "*.part"}, QDir::Files), QStringList());
    }

    void answerWithoutConfiguration_data()
    {
        QTest::addColumn<Reply>("reply");
        QTest::addColumn<QString>("logLine");
        QTest::newRow("500") << Reply::withStatus(500) << "Check OnLine configure failed! describe: ";
        QTest::newRow("silent") << Reply::neverAnswer() << "Check OnLine configure failed! describe: ";
        QTest::newRow("empty body") << Reply::ok("") << "Gets server config.json file with empty content";
    }

    void answerWithoutConfiguration()
    {
        QFETCH(Reply, reply);
        QFETCH(QString, logLine);
        install("2.24.1", "2.24.1");
        const QByteArray record = readAll(m_folder + "/secheme.json");
        m_server.setReply("/onlineconfig", reply);
        const int linesBefore = logText().count(logLine);
        QVERIFY(runOnce());
        QCOMPARE(logText().count(logLine), linesBefore + 1);
        QCOMPARE(readAll(m_folder + "/secheme.json"), record);
        QCOMPARE(readAll(m_folder + "/wa.apk"), QByteArray("old wa"));
    }

    void nonHttpAddressIsNotFetched()
    {
        install("2.24.1", "2.24.1");
        serveConfig(QJsonDocument(QJsonObject {{"version", "9"}, {"url", "file:///etc/passwd"}, {"md5", md5("x")}})
                        .toJson(QJsonDocument::Compact),
                    QByteArray());
        QVERIFY(runOnce());
        QCOMPARE(readAll(m_folder + "/wa.apk"), QByteArray("old wa"));
        QCOMPARE(recordedVersion("WhatsApp"), QString("2.24.1"));
    }
};

QTEST_GUILESS_MAIN(OnlineConfigTest)
#include "onlineconfig_test.moc"

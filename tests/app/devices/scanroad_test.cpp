// The command-line programs fill the store by the window's own road: the
// same scan worker, order, announcements and end. And a category that
// cannot be read reaches the store as an error, not as an empty list.

#include "backupbuilder.h"
#include "deviceparser.h"
#include "idbexecutor.h"
#include "iosschemas.h"
#include "scanitunesbackupmanage.h"
#include "scanrecorder.h"
#include "scanvardex.h"
#include "settingsentry.h"
#include "storejson.h"
#include "storescan.h"
#include "systemschemas.h"

#include <QtTest>

#include <filesystem>

using namespace DeviceData;
using namespace testsupport;

namespace
{
    // A conversation with a contact's number (stored with spaces in the
    // address book) and one with a number nobody has.
    QString namedConversationBackup(const std::string &name)
    {
        BackupBuilder backup(freshFolder(name));
        backup.addDatabase(
            "HomeDomain", "Library/SMS/sms.db",
            std::string(SmsSchema) + SmsRecoverableSchema
                + "INSERT INTO handle (ROWID, id, country, service) VALUES (1, '+15550003', 'us', 'iMessage'),"
                  " (2, '+15550099', 'us', 'SMS');"
                  "INSERT INTO message (ROWID, guid, text, handle_id, service, date, is_from_me) VALUES"
                  " (1, 'm1', 'Lunch?', 1, 'iMessage', 700000000000000000, 0),"
                  " (2, 'm2', 'Who is this?', 2, 'SMS', 700000100000000000, 0);");
        backup.addDatabase(schema::HomeDomain, schema::ContactsPath,
                           std::string(schema::ContactsSchema) + schema::ContactsFullTextSchema
                               + "INSERT INTO ABPerson (ROWID, First, Last) VALUES (3, 'Tess', 'Three'),"
                                 " (4, 'Ulf', 'Four');"
                                 "INSERT INTO ABMultiValueLabel (ROWID, value) VALUES (1, '_$!<Mobile>!$_');"
                                 "INSERT INTO ABMultiValue (UID, record_id, property, label, value) VALUES"
                                 " (30, 3, 3, 1, '+1 555 0003'), (40, 4, 3, 1, '+15550004');");
        backup.write();
        return QString::fromStdString(backup.folder());
    }

    // What the store holds, line by line, as quenrow-store-dump prints it.
    // A record without a date of its own (a contact without a creation
    // date, a copied attachment) is stamped with the time it was read,
    // which two scans need not share: such times read as "scanned".
    QJsonValue withScanTimes(const QJsonValue &value, qint64 scannedSince)
    {
        if (value.isArray()) {
            QJsonArray array;
            for (const QJsonValue &item : value.toArray())
                array.append(withScanTimes(item, scannedSince));
            return array;
        }
        if (!value.isObject())
            return value;
        QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (it.key() == "time" && it.value().isDouble() && it.value().toDouble() >= double(scannedSince))
                it.value() = "scanned";
            else
                it.value() = withScanTimes(it.value(), scannedSince);
        }
        return object;
    }

    QList<QByteArray> storeLines(qint64 scannedSince)
    {
        QList<QByteArray> lines;
        StoreJson::writeStore(false, [&lines, scannedSince](const QByteArray &line) {
            const QJsonValue object = withScanTimes(QJsonDocument::fromJson(line).object(), scannedSince);
            lines << QJsonDocument(object.toObject()).toJson(QJsonDocument::Compact);
        });
        return lines;
    }

    void emptyStore()
    {
        DeviceParser::instance()->clearAll();
        DeviceParser::instance()->resetRecords(DeviceGroup);
    }

    QJsonObject sessionOf(const QString &key)
    {
        for (const QVariant &value : DeviceParser::instance()->records(DeviceGroup, Messages)) {
            const QJsonObject session = StoreJson::recordJson(value).toObject();
            if (session.value("key").toString() == key)
                return session;
        }
        return QJsonObject();
    }
}

class ScanRoadTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void programAndWindowFillTheSameStore_data();
    void programAndWindowFillTheSameStore();
    void aConversationCarriesItsContactsName();
    void aDamagedCategoryReachesTheStoreAsAnError();
    void anUnreadableBackupIsAnErrorOfEachCategory();

private:
    // The window's road as the pages drive it: choose, then start the scan.
    void scanAsTheWindow(const QList<int> &categories, const QString &backup);

    QList<int> m_announced;
    QList<QPair<int, int>> m_errors;
    int m_stops = 0;
};

void ScanRoadTest::initTestCase()
{
    DeviceParser *store = DeviceParser::instance();
    connect(store, &DeviceParser::dataFinished, this, [this](GroupType, int type) { m_announced << type; },
            Qt::QueuedConnection);
    connect(
        store, &DeviceParser::scanError, this,
        [this](GroupType, int category, int error) { m_errors << qMakePair(category, error); }, Qt::QueuedConnection);
    connect(ScaniTunesBackupManage::instance(), &ScaniTunesBackupManage::sigScanBackupsDbStop, this,
            [this] { ++m_stops; }, Qt::QueuedConnection);
}

void ScanRoadTest::cleanupTestCase()
{
    ScaniTunesBackupManage::instance()->quitScan();
}

void ScanRoadTest::scanAsTheWindow(const QList<int> &categories, const QString &backup)
{
    const int stops = m_stops;
    DeviceParser::instance()->setScanCategories(DeviceGroup, categories.toVector());
    ScaniTunesBackupManage::instance()->scanBackupsDb(categories, backup, QString(), false);
    QTRY_COMPARE_WITH_TIMEOUT(m_stops, stops + 1, 60000);
}

void ScanRoadTest::programAndWindowFillTheSameStore_data()
{
    QTest::addColumn<QString>("backup");
    QTest::addColumn<QList<int>>("categories");
    QTest::newRow("messages of a contact") << namedConversationBackup("named") << QList<int> {Messages};
    QTest::newRow("every category of the sample")
        << QString(QUENROW_SAMPLE_BACKUP)
        << QList<int> {Contacts, Messages, Voicemails, VoiceMemos, Photos, AlbumVideos, FaceTime, SafariBookmarks,
                       SafariHistory, Notes, CallHistory, Calendars, Reminders, AppPhotos, AppVideos, AppAudios,
                       AppDocuments, WhatsApp, Line};
}

void ScanRoadTest::programAndWindowFillTheSameStore()
{
    QFETCH(QString, backup);
    QFETCH(QList<int>, categories);
    DeviceParser *store = DeviceParser::instance();
    // The engine's copies land in the same folder on both roads, so that
    // only the road tells them apart.
    const QString copies = SettingsEntry::instance()->cacheMediaPath();

    const qint64 started = QDateTime::currentSecsSinceEpoch();
    emptyStore();
    m_announced.clear();
    scanAsTheWindow(categories, backup);
    QVERIFY(store->isScanFinished(DeviceGroup));
    const QList<int> windowAnnounced = m_announced;
    const QList<QByteArray> window = storeLines(started);

    emptyStore();
    m_announced.clear();
    const int stops = m_stops;
    scanBackupIntoStore(backup, categories, copies);
    QVERIFY(store->isScanFinished(DeviceGroup));
    QCoreApplication::processEvents();
    QCOMPARE(m_stops, stops + 1);
    const QList<QByteArray> program = storeLines(started);

    QVERIFY(window.size() > 2);
    QCOMPARE(program.size(), window.size());
    for (int i = 0; i < window.size(); ++i)
        QCOMPARE(program.at(i), window.at(i));
    QCOMPARE(m_announced, windowAnnounced);
    QVERIFY(store->scanErrors(DeviceGroup).isEmpty());
}

void ScanRoadTest::aConversationCarriesItsContactsName()
{
    emptyStore();
    m_announced.clear();
    scanBackupIntoStore(namedConversationBackup("named-program"), {Messages}, QString::fromStdString(freshFolder("out")));
    QCoreApplication::processEvents();
    // Contacts were scanned first, but only what was chosen is announced.
    QCOMPARE(m_announced, QList<int> {Messages});
    QCOMPARE(DeviceParser::instance()->records(DeviceGroup, Contacts).size(), 2);
    QCOMPARE(sessionOf("+15550003").value("displayName").toString(),
             DeviceParser::instance()->contactNameForNumber("+15550003"));
    QVERIFY(sessionOf("+15550003").value("displayName").toString().contains("Tess"));
    QCOMPARE(sessionOf("+15550099").value("displayName").toString(), QStringLiteral("+15550099"));
}

void ScanRoadTest::aDamagedCategoryReachesTheStoreAsAnError()
{
    const QString backup = namedConversationBackup("damaged");
    const std::string sms = backup.toStdString() + "/3d/3d0d7e5fb2ce288813306e4d4636395e047a3d28";
    writeFile(sms, readFile(sms).substr(0, 100) + std::string(4000, '\x5A'));
    emptyStore();
    m_errors.clear();
    scanAsTheWindow({Messages}, backup);
    QCOMPARE(DeviceParser::instance()->scanErrors(DeviceGroup), (QMap<int, int> {{DBAPP_SMS, DBERROR_MALFORMED}}));
    QTRY_COMPARE(m_errors, (QList<QPair<int, int>> {{DBAPP_SMS, DBERROR_MALFORMED}}));
    // The contacts, read before, are all there.
    QCOMPARE(DeviceParser::instance()->records(DeviceGroup, Contacts).size(), 2);
    QVERIFY(DeviceParser::instance()->records(DeviceGroup, Messages).isEmpty());
    // A new scan starts without the old errors.
    DeviceParser::instance()->resetRecords(DeviceGroup);
    QVERIFY(DeviceParser::instance()->scanErrors(DeviceGroup).isEmpty());
}

void ScanRoadTest::anUnreadableBackupIsAnErrorOfEachCategory()
{
    emptyStore();
    scanAsTheWindow({CallHistory, Notes}, QString::fromStdString(freshFolder("gone")) + "/missing");
    QVERIFY(DeviceParser::instance()->isScanFinished(DeviceGroup));
    QCOMPARE(DeviceParser::instance()->scanErrors(DeviceGroup),
             (QMap<int, int> {{DBAPP_ADDRESSBOOK, DBERROR_NO_BACKUP},
                              {DBAPP_CALL_HISTORY, DBERROR_NO_BACKUP},
                              {DBAPP_NOTES, DBERROR_NO_BACKUP}}));
    QVERIFY(backupWasUnreadable());
}

QTEST_GUILESS_MAIN(ScanRoadTest)
#include "scanroad_test.moc"

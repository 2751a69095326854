// Run under ThreadSanitizer: a scan worker writing and GUI-side readers
// reading the store at the same time.
#include "deviceparser.h"
#include "deviceparser_p.h"

#include <QtTest>

#include <atomic>
#include <thread>

using namespace DeviceData;

class DeviceParserRaceTest : public QObject
{
    Q_OBJECT

private slots:
    void writerAndReadersRunClean();
};

void DeviceParserRaceTest::writerAndReadersRunClean()
{
    DeviceParser *parser = DeviceParser::instance();
    constexpr int Rounds = 400;
    std::atomic<bool> done{false};

    std::thread writer([&] {
        for (int i = 0; i < Rounds; ++i) {
            if (i % 150 == 0) {
                parser->setScanFinished(0, false);
                parser->resetRecords(0);
            }
            ContactInfo contact;
            contact.sortName = QString::number(i);
            contact.phones = {{"mobile", QString::number(i)}};
            parser->appendRecord(0, Contacts, QVariant::fromValue(contact));
            parser->appendSessionRecord(WhatsApp, i % 7, QVariant::fromValue(WaMessageInfo()));
            SmsMessageList messages = parser->smsMessages(QString::number(i % 5));
            messages.append(SMSInfo());
            parser->setSmsMessages(QString::number(i % 5), messages);
            parser->setCachedName(QString::number(i % 3), "j", "n", QString::number(i));
            parser->setRecord(0, Contacts, 0, QVariant::fromValue(contact));
            if (i % 50 == 0)
                parser->clearAll();
        }
        parser->setScanFinished(0, true);
        done = true;
    });

    auto reader = [&] {
        ContactInfo found;
        QString jid, number, push;
        while (!done) {
            parser->records(0, Contacts);
            parser->recordMap(0);
            parser->sessionMap(WhatsApp);
            parser->findContactByNumber(QStringLiteral("7"), found);
            parser->contactNameForNumber(QStringLiteral("8"));
            parser->lastSmsMessage(QStringLiteral("1"));
            parser->findCachedName(QStringLiteral("2"), jid, number, push);
            parser->isScanFinished(0);
            parser->scanCategories(0);
        }
    };
    std::thread readerA(reader);
    std::thread readerB(reader);
    // The GUI thread chooses categories meanwhile.
    while (!done)
        parser->setScanCategories(0, {Contacts, Messages});
    writer.join();
    readerA.join();
    readerB.join();
    QVERIFY(parser->isScanFinished(0));
}

QTEST_GUILESS_MAIN(DeviceParserRaceTest)
#include "deviceparser_race_test.moc"

// quenrow-store-dump: drives one engine scan into the record store, as the
// scan worker does, and prints the store as JSON Lines.
//
//   quenrow-store-dump --backup DIR --mask HEX --out DIR [--count]

#include "storejson.h"
#include "storescan.h"

#include <deviceparser.h>
#include <deviceparser_p.h>
#include <idbexecutor.h>
#include <thumbnailsessionmanager.h>
#include <utf8codec.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <string>

using namespace DeviceData;

namespace {

struct Options
{
    std::string backup;
    std::string out;
    long long mask = 0;
    bool maskGiven = false;
    bool count = false;
};

int usage()
{
    std::fputs("usage: quenrow-store-dump --backup DIR --mask HEX --out DIR [--count]\n", stderr);
    return 2;
}

bool parse(int argc, char **argv, Options &options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--count") {
            options.count = true;
        } else if (!hasValue) {
            return false;
        } else if (arg == "--backup") {
            options.backup = argv[++i];
        } else if (arg == "--out") {
            options.out = argv[++i];
        } else if (arg == "--mask") {
            char *end = nullptr;
            options.mask = std::strtoll(argv[++i], &end, 16);
            if (!end || *end)
                return false;
            options.maskGiven = true;
        } else {
            return false;
        }
    }
    return options.maskGiven && !options.backup.empty() && !options.out.empty();
}

void writeLine(const QByteArray &line)
{
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
}

// One list: each record on a line of its own, or one line with the count.
// head is the line's opening, up to the list's own keys.
template <typename List, typename Wrap>
void printList(const QByteArray &head, const List &list, bool count, Wrap wrap)
{
    if (count) {
        writeLine(head + ",\"records\":" + QByteArray::number(list.size()) + "}");
        return;
    }
    for (int row = 0; row < list.size(); ++row) {
        QString typeName;
        const QJsonValue record = StoreJson::recordJson(wrap(list.at(row)), &typeName);
        const QByteArray body = record.isObject() ? QJsonDocument(record.toObject()).toJson(QJsonDocument::Compact)
                                                  : QByteArray("null");
        writeLine(head + ",\"row\":" + QByteArray::number(row) + ",\"recordType\":" + StoreJson::quoted(typeName)
                  + ",\"record\":" + body + "}");
    }
}

void printStore(bool count)
{
    DeviceParser *parser = DeviceParser::instance();
    const auto asIs = [](const QVariant &v) { return v; };
    const QMap<int, QList<QVariant>> lists = parser->recordMap(DeviceGroup);
    for (auto it = lists.constBegin(); it != lists.constEnd(); ++it)
        printList("{\"list\":\"records\",\"type\":" + QByteArray::number(it.key()), it.value(), count, asIs);

    QList<QString> smsKeys;
    QList<int> scanTypes;
    QList<int> lineChats;
    {
        DeviceParserPrivate *d = parser->storage();
        std::shared_lock<std::shared_mutex> lock(d->lock);
        smsKeys = d->smsMessages.keys();
        scanTypes = d->sessionStore.keys();
        lineChats = d->lineMessages.keys();
    }
    for (const QString &key : smsKeys)
        printList("{\"list\":\"messages\",\"key\":" + StoreJson::quoted(key), parser->smsMessages(key), count,
                  [](const SMSInfo &m) { return QVariant::fromValue(m); });
    for (int scanType : scanTypes) {
        const QMap<int, QList<QVariant>> sessions = parser->sessionMap(scanType);
        for (auto it = sessions.constBegin(); it != sessions.constEnd(); ++it)
            printList("{\"list\":\"sessions\",\"scanType\":" + QByteArray::number(scanType)
                          + ",\"key\":" + QByteArray::number(it.key()),
                      it.value(), count, asIs);
    }
    for (int chatId : lineChats)
        printList("{\"list\":\"lineMessages\",\"chatId\":" + QByteArray::number(chatId), parser->lineSessions(chatId),
                  count, [](const LineInfo &m) { return QVariant::fromValue(m); });
}

} // namespace

int main(int argc, char **argv)
{
    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    // The store grows by millions of small records: let the heap grow in
    // large steps instead of one system call per few pages.
    mallopt(M_TOP_PAD, 64 << 20);

    QCoreApplication app(argc, argv);
    Options options;
    if (!parse(argc, argv, options))
        return usage();

    DeviceParser *parser = DeviceParser::instance();
    // Received here, queued, as the views receive it.
    QObject::connect(parser, &DeviceParser::dataFinished, &app, [](GroupType, int type) {
        writeLine("{\"signal\":\"dataFinished\",\"type\":" + QByteArray::number(type) + "}");
    }, Qt::QueuedConnection);
    if (!scanBackupIntoStore(QString::fromStdString(options.backup), options.mask,
                             QString::fromStdString(options.out))) {
        std::fputs("quenrow-store-dump: the engine could not be started\n", stderr);
        return 1;
    }

    printStore(options.count);
    std::fflush(stdout);
    // As the program does at quit: video stills not yet made are given up.
    ThumbnailSessionManager::instance()->stopAll();
    // Freeing a store of millions of records one by one only delays the exit.
    std::_Exit(0);
}

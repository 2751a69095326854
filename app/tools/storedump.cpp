// quenrow-store-dump: drives one engine scan into the record store, as the
// scan worker does, and prints the store as JSON Lines.
//
//   quenrow-store-dump --backup DIR --mask HEX --out DIR [--count]
//   quenrow-store-dump --cloud SCRIPT [--count]
//
// With --cloud it replays an iCloud download as the iCloud worker does: each
// line {"kind":K,"subKind":S,"record":{...}} is one record of the library,
// each {"end":K} the end of a kind.

#include "storejson.h"
#include "storescan.h"

#include <cloudrecordline.h>
#include <deviceparser.h>
#include <idbexecutor.h>
#include <thumbnailsessionmanager.h>
#include <utf8codec.h>

#include <QCoreApplication>
#include <QFile>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <variant>
#include <vector>

using namespace DeviceData;

namespace {

struct Options
{
    std::string backup;
    std::string out;
    std::string cloud;
    long long mask = 0;
    bool maskGiven = false;
    bool count = false;
};

int usage()
{
    std::fputs("usage: quenrow-store-dump --backup DIR --mask HEX --out DIR [--count]\n"
               "       quenrow-store-dump --cloud SCRIPT [--count]\n",
               stderr);
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
        } else if (arg == "--cloud") {
            options.cloud = argv[++i];
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
    if (!options.cloud.empty())
        return !options.maskGiven && options.backup.empty() && options.out.empty();
    return options.maskGiven && !options.backup.empty() && !options.out.empty();
}

// One step of a download: a record, or the end of a kind.
using CloudStep = std::variant<CloudRecordLine, int>;

// The lists an iCloud data kind fills.
QVector<int> cloudCategoriesOf(int kind)
{
    switch (kind) {
    case 1: return {Photos};
    case 2: return {AlbumVideos};
    case 4: return {Contacts};
    case 5: return {Calendars, CalendarsAttachment};
    case 6: return {Notes, NotesAttachment};
    case 7: return {Reminders, RemindersAttachment};
    default: return {};
    }
}

// The whole script, read before anything is replayed; false after
// reporting the first line that is neither a record nor an end.
bool readCloudScript(const std::string &path, std::vector<CloudStep> &steps, QVector<int> &categories)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "quenrow-store-dump: cannot read %s\n", path.c_str());
        return false;
    }
    int number = 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        ++number;
        if (line.isEmpty())
            continue;
        int kind = 0;
        CloudRecordLine record;
        QString error;
        if (parseCloudEndLine(line, kind)) {
            steps.emplace_back(kind);
        } else if (parseCloudRecordLine(line, record, &error)) {
            kind = record.kind;
            steps.emplace_back(std::move(record));
        } else {
            std::fprintf(stderr, "quenrow-store-dump: line %d: %s\n", number, error.toUtf8().constData());
            return false;
        }
        for (int category : cloudCategoriesOf(kind))
            if (!categories.contains(category))
                categories.append(category);
    }
    return true;
}

void replayCloud(const std::vector<CloudStep> &steps)
{
    DeviceParser *parser = DeviceParser::instance();
    for (const CloudStep &step : steps) {
        if (const auto *record = std::get_if<CloudRecordLine>(&step))
            parser->parseCloudRecord(DeviceGroup, record->kind, record->data(), record->subKind, 0);
        else
            parser->finishCloudCategory(std::get<int>(step));
    }
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

    for (const QString &key : parser->smsMessageKeys())
        printList("{\"list\":\"messages\",\"key\":" + StoreJson::quoted(key), parser->smsMessages(key), count,
                  [](const SMSInfo &m) { return QVariant::fromValue(m); });
    for (int scanType : parser->sessionScanTypes()) {
        const QMap<int, QList<QVariant>> sessions = parser->sessionMap(scanType);
        for (auto it = sessions.constBegin(); it != sessions.constEnd(); ++it)
            printList("{\"list\":\"sessions\",\"scanType\":" + QByteArray::number(scanType)
                          + ",\"key\":" + QByteArray::number(it.key()),
                      it.value(), count, asIs);
    }
    for (int chatId : parser->lineSessionIds())
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
    if (!options.cloud.empty()) {
        std::vector<CloudStep> steps;
        QVector<int> categories;
        if (!readCloudScript(options.cloud, steps, categories))
            return 1;
        parser->setScanCategories(DeviceGroup, categories);
        runOnStoreWorker([&steps] { replayCloud(steps); });
    } else if (!scanBackupIntoStore(QString::fromStdString(options.backup), options.mask,
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

// quenrow-store-dump: scans a backup into the record store by the program's
// own scan road and prints the store as JSON Lines.
//
//   quenrow-store-dump --backup DIR --categories N[,N...] --out DIR [--count]
//   quenrow-store-dump --cloud SCRIPT [--count]
//
// With --cloud it replays an iCloud download as the iCloud worker does: each
// line {"kind":K,"subKind":S,"record":{...}} is one record of the library,
// each {"end":K} the end of a kind.

#include "storejson.h"
#include "storescan.h"

#include <cloudrecordline.h>
#include <deviceparser.h>
#include <thumbnailsessionmanager.h>

#include <QCoreApplication>
#include <QFile>

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
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
    QList<int> categories;
    bool count = false;
};

int usage()
{
    std::fputs("usage: quenrow-store-dump --backup DIR --categories N[,N...] --out DIR [--count]\n"
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
        } else if (arg == "--categories") {
            if (!parseCategoryIds(QString::fromStdString(argv[++i]), &options.categories))
                return false;
        } else {
            return false;
        }
    }
    if (!options.cloud.empty())
        return options.categories.isEmpty() && options.backup.empty() && options.out.empty();
    return !options.categories.isEmpty() && !options.backup.empty() && !options.out.empty();
}

// One step of a download: a record, or the end of a kind.
using CloudStep = std::variant<CloudRecordLine, int>;

// The category an iCloud data kind fills; 0 for none.
int cloudCategoryOf(int kind)
{
    switch (kind) {
    case 1: return Photos;
    case 2: return AlbumVideos;
    case 4: return Contacts;
    case 5: return Calendars;
    case 6: return Notes;
    case 7: return Reminders;
    default: return 0;
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
        // The lists of a kind: its category's and its attachments'.
        const int category = cloudCategoryOf(kind);
        if (category != 0) {
            for (int list : withAttachments({category}))
                if (!categories.contains(list))
                    categories.append(list);
        }
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
    } else {
        scanBackupIntoStore(QString::fromStdString(options.backup), options.categories,
                            QString::fromStdString(options.out));
    }

    StoreJson::writeStore(options.count, writeLine);
    std::fflush(stdout);
    // Told after the store, which holds everything that could be read.
    const int status = reportScanErrors("quenrow-store-dump");
    // As the program does at quit: video stills not yet made are given up.
    ThumbnailSessionManager::instance()->stopAll();
    // Freeing a store of millions of records one by one only delays the exit.
    std::_Exit(status);
}

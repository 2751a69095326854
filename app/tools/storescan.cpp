#include "storescan.h"

#include <categorytable.h>
#include <devicedata.h>
#include <deviceparser.h>
#include <scanerror.h>
#include <scanitunesbackupmanage.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>

#include <cstdio>
#include <memory>

using namespace DeviceData;

bool parseCategoryIds(const QString &text, QList<int> *ids)
{
    ids->clear();
    for (const QString &part : text.split(',')) {
        bool ok = false;
        const int id = part.trimmed().toInt(&ok, 10);
        if (!ok || CategoryTable::scanBit(id) == 0)
            return false;
        if (!ids->contains(id))
            ids->append(id);
    }
    return !ids->isEmpty();
}

QVector<int> withAttachments(const QList<int> &ids)
{
    QVector<int> out;
    for (int id : ids) {
        out.append(id);
        const CategoryTable::Row *row = CategoryTable::find(id);
        if (row && row->attachmentId != 0)
            out.append(row->attachmentId);
    }
    return out;
}

void scanBackupIntoStore(const QString &backup, const QList<int> &categories, const QString &outputDir)
{
    // As the pages do before they start the scan.
    DeviceParser::instance()->setScanCategories(DeviceGroup, categories.toVector());
    ScaniTunesBackupManage *manager = ScaniTunesBackupManage::instance();
    QEventLoop loop;
    QObject::connect(manager, &ScaniTunesBackupManage::sigScanBackupsDbStop, &loop, &QEventLoop::quit,
                     Qt::QueuedConnection);
    manager->scanBackupsDb(categories, backup, QString(), false, outputDir);
    loop.exec();
    // The store's queued signals of the last category.
    QCoreApplication::processEvents();
}

int reportScanErrors(const char *program)
{
    DeviceParser *parser = DeviceParser::instance();
    QMap<int, int> errors = parser->scanErrors(DeviceGroup);
    if (errors.isEmpty())
        return 0;
    // Named by the ids the worker scanned, Contacts first as it runs them.
    QList<int> order = parser->scanCategories(DeviceGroup).toList();
    order.prepend(Contacts);
    bool backupError = false;
    const auto tell = [&](const QString &category, int error) {
        backupError = backupError || ScanError::IsBackupError(error);
        std::fprintf(stderr, "%s: category %s could not be read: %s\n", program, qPrintable(category),
                     ScanError::Reason(error).c_str());
    };
    for (int id : order) {
        const int code = CategoryTable::scanBit(id);
        if (errors.contains(code))
            tell(QString::number(id), errors.take(code));
    }
    for (auto it = errors.cbegin(); it != errors.cend(); ++it)
        tell("0x" + QString::number(it.key(), 16).toUpper(), it.value());
    return ScanError::ExitCode(true, backupError);
}

bool backupWasUnreadable()
{
    for (int error : DeviceParser::instance()->scanErrors(DeviceGroup))
        if (ScanError::IsBackupError(error))
            return true;
    return false;
}

void runOnStoreWorker(const std::function<void()> &intake)
{
    DeviceParser *parser = DeviceParser::instance();
    parser->setScanFinished(DeviceGroup, false);
    std::unique_ptr<QThread> worker(QThread::create([&intake, parser] {
        intake();
        parser->setScanFinished(DeviceGroup, true);
    }));
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    worker->start();
    loop.exec();
    worker->wait();
    QCoreApplication::processEvents();
}

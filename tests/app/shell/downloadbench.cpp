// The segmented download against one plain GET of the same file, for
// bench/segmented-download.sh. Three modes, each its own process so that
// each measures only its own memory:
//
//   quenrow-download-bench serve MIB CHUNK_BYTES INTERVAL_MS
//       serves MIB mebibytes at /file, trickled per connection, prints its
//       address and runs until its standard input closes;
//   quenrow-download-bench plain URL FILE
//   quenrow-download-bench segmented URL FILE
//       download URL into FILE and print one line of JSON: the milliseconds
//       taken and the peak memory above the start, in KiB.
#include "loopbackhttpserver.h"
#include "segmenteddownloadmanager.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <cstdio>
#include <functional>
#include <iostream>
#include <string>

namespace
{
    // A field of /proc/self/status in KiB ("VmRSS", "VmHWM").
    long statusKib(const char *field)
    {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly))
            return -1;
        const QByteArray prefix = QByteArray(field) + ':';
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith(prefix))
                return line.mid(prefix.size()).trimmed().split(' ').value(0).toLong();
        }
        return -1;
    }

    // Forgets the peak so far, so that VmHWM tells only what comes after.
    void resetPeak()
    {
        QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
        if (clearRefs.open(QIODevice::WriteOnly))
            clearRefs.write("5");
    }

    int serve(int mebibytes, int chunkBytes, int intervalMs)
    {
        QByteArray body(mebibytes * 1024 * 1024, Qt::Uninitialized);
        for (int i = 0; i < body.size(); ++i)
            body[i] = char((i * 7 + i / 4096) & 0xff);
        testsupport::LoopbackHttpServer server;
        server.setReply("/file", testsupport::LoopbackHttpServer::Reply::slow(body, chunkBytes, intervalMs));
        if (!server.start())
            return 1;
        std::printf("%s\n", qPrintable(server.url(QStringLiteral("/file"))));
        std::fflush(stdout);
        std::string line;
        while (std::getline(std::cin, line)) {
        }
        server.stop();
        return 0;
    }

    // A plain GET streamed to the file as it arrives; false on any failure.
    void plainGet(const QUrl &url, const QString &path, std::function<void(bool)> done)
    {
        auto *network = new QNetworkAccessManager(qApp);
        auto *file = new QFile(path, qApp);
        if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            done(false);
            return;
        }
        QNetworkReply *reply = network->get(QNetworkRequest(url));
        QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, file] { file->write(reply->readAll()); });
        QObject::connect(reply, &QNetworkReply::finished, reply, [reply, file, done] {
            file->write(reply->readAll());
            file->close();
            done(reply->error() == QNetworkReply::NoError);
        });
    }
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args.at(1) == QLatin1String("serve"))
        return serve(args.at(2).toInt(), args.at(3).toInt(), args.at(4).toInt());
    if (args.size() != 4 || (args.at(1) != QLatin1String("plain") && args.at(1) != QLatin1String("segmented"))) {
        std::fprintf(stderr, "usage: %s serve MIB CHUNK_BYTES INTERVAL_MS | plain|segmented URL FILE\n", argv[0]);
        return 2;
    }
    const QUrl url(args.at(2));
    const QString path = QFileInfo(args.at(3)).absoluteFilePath();

    resetPeak();
    const long startKib = statusKib("VmRSS");
    QElapsedTimer timer;
    timer.start();
    bool ok = false;
    bool finished = false;
    const auto done = [&](bool status) {
        ok = status;
        finished = true;
        app.quit();
    };
    SegmentedDownloadManager manager;
    if (args.at(1) == QLatin1String("plain")) {
        plainGet(url, path, done);
    } else {
        QObject::connect(&manager, &SegmentedDownloadManager::downloadFinished, &app, done);
        manager.start(url, QFileInfo(path).absolutePath(), QFileInfo(path).fileName());
    }
    if (!finished)
        app.exec();
    const qint64 elapsed = timer.elapsed();
    std::printf("{\"ok\": %s, \"ms\": %lld, \"peakAboveStartKib\": %ld}\n", ok ? "true" : "false",
                static_cast<long long>(elapsed), statusKib("VmHWM") - startKib);
    return ok ? 0 : 1;
}

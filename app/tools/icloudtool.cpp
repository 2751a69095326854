// quenrow-icloud: signs in to iCloud and pulls categories into the record
// store as the program's iCloud flow does. The password is the first line of
// standard input, never an argument.
//
//   quenrow-icloud --apple-id ID [--categories LIST --folder DIR]
//
// Exit 0 signed in (and pulled), 1 refused or stopped, 2 usage, 3 when iCloud
// is not available.
#include "cirrane.h"
#include "deviceparser.h"
#include "icloudhelp.h"
#include "vlog.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>
#include <unistd.h>

namespace
{
    int signalPipe[2] = {-1, -1};

    void onSignal(int)
    {
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    }

    void writeLine(const QByteArray &line)
    {
        std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }

    int usage()
    {
        std::fputs("usage: quenrow-icloud --apple-id ID [--categories LIST --folder DIR]\n"
                   "       (the password is read from the first line of standard input)\n",
                   stderr);
        return 2;
    }

    bool readLine(std::string &line)
    {
        if (!std::getline(std::cin, line))
            return false;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        return true;
    }
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QString appleId, folder;
    QVector<int> categories;
    bool haveCategories = false;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (i + 1 >= args.size())
            return usage();
        const QString value = args.at(++i);
        if (arg == QLatin1String("--apple-id")) {
            appleId = value;
        } else if (arg == QLatin1String("--folder")) {
            folder = value;
        } else if (arg == QLatin1String("--categories")) {
            haveCategories = true;
            for (const QString &part : value.split(QLatin1Char(','))) {
                bool ok = false;
                const int flag = part.trimmed().toInt(&ok, 10);
                if (!ok)
                    return usage();
                categories << flag;
            }
        } else {
            return usage();
        }
    }
    if (appleId.isEmpty() || haveCategories != !folder.isEmpty())
        return usage();

    vlogInit();
    std::string password;
    readLine(password);

    iCloudHelp *help = iCloudHelp::instance();
    int result = help->login(appleId, QString::fromStdString(password));
    writeLine("{\"login\":" + QByteArray::number(result) + "}");
    if (result == CirraneNotAvailable) {
        std::fputs("quenrow-icloud: iCloud is not available on this platform\n", stderr);
        return 3;
    }
    if (result == CirraneTwoStepNeeded) {
        std::string code;
        result = -1;
        while (result != CirraneOk && result != CirraneTooManyAttempts && readLine(code)) {
            result = help->verifySecurityCode(QString::fromStdString(code), false);
            writeLine("{\"verify\":" + QByteArray::number(result) + "}");
        }
        if (result == CirraneNotAvailable) {
            std::fputs("quenrow-icloud: iCloud is not available on this platform\n", stderr);
            return 3;
        }
    }
    if (result != CirraneOk)
        return 1;
    writeLine("{\"accountInfo\":" + QByteArray::number(help->accountInfo()) + "}");
    if (!haveCategories)
        return 0;

    // A signal asks the pull to stop, as the user's stop button does.
    if (::pipe(signalPipe) != 0)
        return 1;
    QSocketNotifier notifier(signalPipe[0], QSocketNotifier::Read);
    bool stopped = false;
    QObject::connect(&notifier, &QSocketNotifier::activated, [&] {
        char byte;
        [[maybe_unused]] const ssize_t got = ::read(signalPipe[0], &byte, 1);
        stopped = true;
        help->stopPullBackups();
    });
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);

    DeviceParser *parser = DeviceParser::instance();
    parser->setScanCategories(0, categories);
    QObject::connect(parser, &DeviceParser::dataFinished, &app, [](DeviceData::GroupType, int type) {
        writeLine("{\"signal\":\"dataFinished\",\"type\":" + QByteArray::number(type) + "}");
    }, Qt::QueuedConnection);
    QObject::connect(help, &iCloudHelp::sigPullBackupsStart, &app, [] {
        writeLine("{\"signal\":\"sigPullBackupsStart\"}");
    });
    QObject::connect(help, &iCloudHelp::sigPullBackupsStop, &app, [&app] {
        writeLine("{\"signal\":\"sigPullBackupsStop\"}");
        app.quit();
    }, Qt::QueuedConnection);
    help->scanBackups(categories, folder);
    app.exec();
    parser->setScanFinished(0, true);

    const QMap<int, QList<QVariant>> lists = parser->recordMap(0);
    for (auto it = lists.cbegin(); it != lists.cend(); ++it)
        if (!it.value().isEmpty())
            writeLine("{\"type\":" + QByteArray::number(it.key()) + ",\"records\":" + QByteArray::number(it.value().size())
                      + "}");
    help->quit();
    return stopped ? 1 : 0;
}

// What a local client writes to the analytics relay, in reads of any size:
// frames are taken apart and only URLs of the analytics endpoint pass.
#include "analyticsrelayinstance.h"
#include "fuzzsupport.h"
#include "ganalytics.h"
#include "relayframereader.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QUrl>

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzzsupport::initQt(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const QUrl endpoint(GAnalytics::defaultBaseUrl());
    RelayFrameReader reader;
    while (input.remaining_bytes() > 0) {
        const std::string read = input.ConsumeRandomLengthString();
        for (const QString &url : reader.take(QByteArray(read.data(), int(read.size()))))
            AnalyticsRelayInstance::isAnalyticsUrl(QUrl(url, QUrl::StrictMode), endpoint);
        // A client that never ends its frame must not grow the relay.
        if (reader.pending() > RelayFrameReader::MaxPending) {
            std::fprintf(stderr, "%d bytes kept for an unended frame\n", reader.pending());
            std::abort();
        }
    }
    return 0;
}

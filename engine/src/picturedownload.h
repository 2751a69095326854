#pragma once

#include <atomic>
#include <chrono>
#include <string>

// One HTTP(S) download into a file, with verified TLS peers, time-outs and a
// stop request. The file appears only when the whole transfer succeeded;
// an earlier file of the same name stays until then.
class CPictureDownload
{
public:
    CPictureDownload(std::chrono::milliseconds connectTimeout, std::chrono::milliseconds totalTimeout,
                     const std::atomic<bool> *stopFlag);

    // noAnswer, when given, tells a failure without any HTTP answer (no
    // connection, TLS failure, time-out, closed before a status line) from
    // one the server answered with an error status.
    bool Run(const std::string &url, const std::string &filePath, bool *noAnswer = nullptr) const;

private:
    bool Transfer(const std::string &url, FILE *file, bool &answered) const;

    std::chrono::milliseconds m_connectTimeout;
    std::chrono::milliseconds m_totalTimeout;
    const std::atomic<bool> *m_stopFlag;
};

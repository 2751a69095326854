#pragma once

#include <atomic>
#include <chrono>
#include <string>

// One HTTP(S) download into a file, with verified TLS peers (the system's
// authorities, or the bundle QUENROW_CA_BUNDLE names), time-outs and a stop
// request. The file appears only when the whole transfer succeeded;
// an earlier file of the same name stays until then.
class CPictureDownload
{
public:
    CPictureDownload(std::chrono::milliseconds connectTimeout, std::chrono::milliseconds totalTimeout,
                     const std::atomic<bool> *stopFlag);

    bool Run(const std::string &url, const std::string &filePath) const;

private:
    bool Transfer(const std::string &url, FILE *file) const;

    std::chrono::milliseconds m_connectTimeout;
    std::chrono::milliseconds m_totalTimeout;
    const std::atomic<bool> *m_stopFlag;
};

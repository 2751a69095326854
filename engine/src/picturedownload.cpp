#include "picturedownload.h"

#include <curl/curl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <vector>

namespace
{
    void initCurlOnce()
    {
        static std::once_flag once;
        std::call_once(once, [] { curl_global_init(CURL_GLOBAL_ALL); });
    }

    size_t writeToFile(char *data, size_t size, size_t count, void *file)
    {
        return std::fwrite(data, size, count, static_cast<FILE *>(file)) * size;
    }

    int checkStop(void *stopFlag, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
    {
        const auto *stop = static_cast<const std::atomic<bool> *>(stopFlag);
        return stop && stop->load() ? 1 : 0;
    }

    // A new file beside the target, so a failed transfer never touches it.
    FILE *openTemporary(const std::string &filePath, std::string &temporaryPath)
    {
        std::vector<char> name(filePath.begin(), filePath.end());
        for (char c : std::string(".XXXXXX"))
            name.push_back(c);
        name.push_back('\0');
        const int descriptor = mkstemp(name.data());
        if (descriptor < 0)
            return nullptr;
        temporaryPath = name.data();
        fchmod(descriptor, 0644); // mkstemp makes it private; the picture is an ordinary output file
        FILE *file = fdopen(descriptor, "wb");
        if (!file) {
            close(descriptor);
            unlink(temporaryPath.c_str());
        }
        return file;
    }
}

CPictureDownload::CPictureDownload(std::chrono::milliseconds connectTimeout, std::chrono::milliseconds totalTimeout,
                                   const std::atomic<bool> *stopFlag)
    : m_connectTimeout(connectTimeout), m_totalTimeout(totalTimeout), m_stopFlag(stopFlag)
{
}

bool CPictureDownload::Run(const std::string &url, const std::string &filePath, bool *noAnswer) const
{
    if (noAnswer)
        *noAnswer = false;
    std::string temporaryPath;
    FILE *file = openTemporary(filePath, temporaryPath);
    if (!file)
        return false;
    bool answered = false;
    const bool transferred = Transfer(url, file, answered);
    if (noAnswer)
        *noAnswer = !answered;
    const bool closed = std::fclose(file) == 0;
    std::error_code ec;
    if (transferred && closed) {
        std::filesystem::rename(temporaryPath, filePath, ec);
        if (!ec)
            return true;
    }
    std::filesystem::remove(temporaryPath, ec);
    return false;
}

bool CPictureDownload::Transfer(const std::string &url, FILE *file, bool &answered) const
{
    initCurlOnce();
    CURL *curl = curl_easy_init();
    if (!curl)
        return false;
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, long(m_connectTimeout.count()));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, long(m_totalTimeout.count()));
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, writeToFile);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, file);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, checkStop);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, const_cast<std::atomic<bool> *>(m_stopFlag));
    const CURLcode result = curl_easy_perform(curl);
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    answered = status > 0;
    curl_easy_cleanup(curl);
    return result == CURLE_OK;
}

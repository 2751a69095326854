#include "scanrecorder.h"

#include "backupbuilder.h"
#include "recordjson.h"
#include "utf8codec.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace testsupport
{
    namespace
    {
        struct Recorder
        {
            IDBExecutor *executor = nullptr;
            std::vector<std::string> lines;
            const std::function<void(IDBExecutor &, const std::string &)> *onEvent = nullptr;
        };

        void record(const int *status, int kind, int value, const void *data, void *user)
        {
            auto *recorder = static_cast<Recorder *>(user);
            recorder->lines.push_back(EventToJson(*status, kind, value, data));
            if (recorder->onEvent && *recorder->onEvent)
                (*recorder->onEvent)(*recorder->executor, recorder->lines.back());
        }
    }

    std::wstring widen(const std::string &utf8)
    {
        return utf8codec::decode(utf8);
    }

    std::string narrow(const std::wstring &wide)
    {
        return utf8codec::encode(wide);
    }

    std::vector<std::string> scanEvents(const ScanRequest &request,
                                        const std::function<void(IDBExecutor &, const std::string &)> &onEvent)
    {
        IDBExecutor *raw = nullptr;
        if (!InitDBExecutor(&raw))
            return {};
        std::unique_ptr<IDBExecutor> executor(raw);
        DBExecutorParam param;
        param.backupPath = widen(request.backup);
        param.outputDir = widen(request.out);
        param.mode = request.mode;
        param.categoryMask = request.mask;
        executor->SetParam(param);
        Recorder recorder;
        recorder.executor = executor.get();
        recorder.onEvent = &onEvent;
        executor->SetCallback(record, &recorder);
        executor->Start();
        return recorder.lines;
    }

    std::string runCommand(const std::string &command, int *exitCode)
    {
        std::string output;
        FILE *pipe = popen(command.c_str(), "r");
        if (!pipe) {
            if (exitCode)
                *exitCode = -1;
            return output;
        }
        char buffer[65536];
        size_t read;
        while ((read = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            output.append(buffer, read);
        const int status = pclose(pipe);
        if (exitCode)
            *exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return output;
    }

    std::string shellQuote(const std::string &text)
    {
        std::string out = "'";
        for (char c : text)
            out += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return out + "'";
    }

    std::vector<std::string> splitLines(const std::string &text)
    {
        std::vector<std::string> lines;
        size_t start = 0;
        while (start < text.size()) {
            size_t end = text.find('\n', start);
            if (end == std::string::npos)
                end = text.size();
            lines.push_back(text.substr(start, end - start));
            start = end + 1;
        }
        return lines;
    }

    std::vector<std::string> recordLines(const std::vector<std::string> &lines, int kind)
    {
        const std::string prefix = "{\"status\":4,\"kind\":" + std::to_string(kind) + ",";
        std::vector<std::string> out;
        std::copy_if(lines.begin(), lines.end(), std::back_inserter(out),
                     [&](const std::string &line) { return line.rfind(prefix, 0) == 0; });
        return out;
    }

    std::string progressLine(int kind, int value)
    {
        return "{\"status\":3,\"kind\":" + std::to_string(kind) + ",\"value\":" + std::to_string(value) + "}";
    }

    std::string errorLine(int kind, int error)
    {
        return "{\"status\":2,\"kind\":" + std::to_string(kind) + ",\"value\":" + std::to_string(error) + "}";
    }

    std::string recordLine(int kind, int value, const std::string &recordJson)
    {
        return "{\"status\":4,\"kind\":" + std::to_string(kind) + ",\"value\":" + std::to_string(value) +
               ",\"record\":" + recordJson + "}";
    }

    std::vector<std::string> emptyCategoryEvents(int kind)
    {
        return {progressLine(1, 0), progressLine(3, kind), progressLine(4, kind), progressLine(2, 0)};
    }

    std::string freshFolder(const std::string &name)
    {
        const char *tmp = std::getenv("TMPDIR");
        const fs::path folder = fs::path(tmp && *tmp ? tmp : "/tmp") / name;
        fs::remove_all(folder);
        fs::create_directories(folder);
        return folder.string();
    }

    std::vector<std::pair<std::string, std::string>> snapshot(const std::string &folder)
    {
        std::vector<std::pair<std::string, std::string>> files;
        for (const auto &entry : fs::recursive_directory_iterator(folder))
            files.emplace_back(entry.path().string(), entry.is_regular_file() ? readFile(entry.path().string()) : "");
        std::sort(files.begin(), files.end());
        return files;
    }

    std::string logText(const std::string &fileName)
    {
        const char *dir = std::getenv("QUENROW_LOG_DIR");
        return readFile(std::string(dir ? dir : ".") + "/" + fileName);
    }
}

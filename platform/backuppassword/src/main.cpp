// idevicebackup2 -u UDID changepw OLD NEW
//
// ("", NEW) turns backup encryption on with NEW, (OLD, "") turns it off, any
// other pair changes the password (equal ones only verify it). Runs the real
// tool ($QUENROW_IDEVICEBACKUP2, else /usr/bin/idevicebackup2) with its
// output passed through and stdin from /dev/null, so that it never waits for
// a password typed on a terminal.
//
// Exit codes, as the library expects them: 100 success, 1 the tool's own
// code 100 (a device error), 2 bad usage, 127 the tool could not be started,
// else the tool's code.

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace
{
    constexpr int kSuccess = 100;
    constexpr int kUsage = 2;
    constexpr int kCannotStart = 127;

    int usage()
    {
        std::fprintf(stderr, "usage: idevicebackup2 -u UDID changepw OLD NEW\n"
                             "  an empty OLD sets NEW, an empty NEW removes OLD, equal ones verify it\n");
        return kUsage;
    }

    std::vector<std::string> toolCommand(const std::string &udid, const std::string &oldPassword,
                                         const std::string &newPassword)
    {
        if (oldPassword.empty())
            return {"-u", udid, "encryption", "on", newPassword};
        if (newPassword.empty())
            return {"-u", udid, "encryption", "off", oldPassword};
        return {"-u", udid, "changepw", oldPassword, newPassword};
    }

    int run(const std::string &tool, const std::vector<std::string> &arguments)
    {
        std::vector<char *> argv {const_cast<char *>(tool.c_str())};
        for (const std::string &argument : arguments)
            argv.push_back(const_cast<char *>(argument.c_str()));
        argv.push_back(nullptr);

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        pid_t pid = 0;
        const int spawned = posix_spawn(&pid, tool.c_str(), &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (spawned != 0) {
            std::fprintf(stderr, "idevicebackup2: cannot start %s: %s\n", tool.c_str(), std::strerror(spawned));
            return kCannotStart;
        }
        int status = 0;
        pid_t done = 0;
        do {
            done = waitpid(pid, &status, 0);
        } while (done < 0 && errno == EINTR);
        if (done != pid)
            return kCannotStart;
        if (WIFSIGNALED(status))
            return 128 + WTERMSIG(status);
        const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 1;
        if (code == 0)
            return kSuccess;
        // The tool's 100 must not read as success.
        return code == kSuccess ? 1 : code;
    }
}

int main(int argc, char *argv[])
{
    if (argc != 6 || std::strcmp(argv[1], "-u") != 0 || std::strcmp(argv[3], "changepw") != 0)
        return usage();
    const std::string udid = argv[2];
    const std::string oldPassword = argv[4];
    const std::string newPassword = argv[5];
    if (udid.empty())
        return usage();
    if (oldPassword.empty() && newPassword.empty()) {
        std::fprintf(stderr, "idevicebackup2: neither an old nor a new password given\n");
        return kUsage;
    }
    const char *configured = std::getenv("QUENROW_IDEVICEBACKUP2");
    const std::string tool = configured && *configured ? configured : "/usr/bin/idevicebackup2";
    std::fflush(stdout);
    return run(tool, toolCommand(udid, oldPassword, newPassword));
}

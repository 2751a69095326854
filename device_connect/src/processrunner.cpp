#include "processrunner.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace
{
    constexpr int kPollMs = 300;

    // Appends what is readable now; false at the end of the pipe or on an error.
    bool readAvailable(int fd, std::string &out)
    {
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n > 0) {
                out.append(buffer, size_t(n));
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
        }
    }

    int exitCodeOf(int status)
    {
        if (WIFEXITED(status))
            return WEXITSTATUS(status);
        if (WIFSIGNALED(status))
            return 128 + WTERMSIG(status);
        return -1;
    }

    pid_t waitFor(pid_t pid, int &status)
    {
        pid_t done = 0;
        do {
            done = ::waitpid(pid, &status, 0);
        } while (done < 0 && errno == EINTR);
        return done;
    }

    // A short-lived middle process spawns the program and exits at once, so
    // the program is handed to init (or the nearest subreaper), which reaps
    // it; the middle one is reaped here. Its exit code carries the spawn's.
    bool spawnDetached(char *const argv[])
    {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
        const pid_t middle = ::fork();
        if (middle == 0) {
            pid_t pid = 0;
            const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv, environ);
            ::_exit(spawned == 0 ? 0 : 1);
        }
        posix_spawn_file_actions_destroy(&actions);
        int status = 0;
        return middle > 0 && waitFor(middle, status) == middle && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
}

bool CProcessRunner::Run(const std::vector<std::string> &arguments, bool wait)
{
    m_output.clear();
    m_exitCode = -1;
    if (arguments.empty() || arguments.front().empty())
        return false;

    if (!wait) {
        std::vector<char *> argv;
        for (const std::string &argument : arguments)
            argv.push_back(const_cast<char *>(argument.c_str()));
        argv.push_back(nullptr);
        return spawnDetached(argv.data());
    }

    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return false;

    std::vector<char *> argv;
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDERR_FILENO);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    if (spawned != 0) {
        ::close(fds[0]);
        return false;
    }

    // Read while the child runs; once it has ended take what is left in the
    // pipe and stop, even if a grandchild still holds the pipe open.
    ::fcntl(fds[0], F_SETFL, ::fcntl(fds[0], F_GETFL) | O_NONBLOCK);
    int status = 0;
    bool reaped = false;
    bool open = true;
    while (open) {
        pollfd entry {fds[0], POLLIN, 0};
        const int ready = ::poll(&entry, 1, kPollMs);
        if (ready > 0)
            open = readAvailable(fds[0], m_output);
        else if (ready < 0 && errno != EINTR)
            break;
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            reaped = true;
            readAvailable(fds[0], m_output);
            break;
        }
    }
    ::close(fds[0]);
    if (!reaped && waitFor(pid, status) != pid)
        return true; // the exit code stays unknown
    m_exitCode = exitCodeOf(status);
    return true;
}

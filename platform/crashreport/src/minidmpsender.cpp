#include "minidmpsender.h"

#include "spdlogcore.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include <execinfo.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

// Everything a crash needs is kept in fixed buffers made ready beforehand:
// a report is written from a signal handler, where nothing may allocate.
struct MiniDmpSender::State
{
    static constexpr std::size_t TextSize = 512;
    static constexpr std::size_t PathSize = 4096;

    char database[TextSize] = {};
    char application[TextSize] = {};
    char version[TextSize] = {};
    char notes[TextSize] = {};
    char reportPath[PathSize] = {};
    char attachments[MaxAttachments][PathSize] = {};
    std::atomic<int> attachmentCount {0};
    unsigned int flags = 0;
    unsigned int dumpType = 0;
    void *guard = nullptr;
    std::size_t guardSize = 0;
    std::atomic<Callback> callback {nullptr};
};

namespace
{
    std::atomic<MiniDmpSender *> g_sender {nullptr};
    std::atomic_flag g_crashing = ATOMIC_FLAG_INIT;
    const int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL};
    alignas(16) char g_signalStack[64 * 1024];

    // UTF-8 of a wide text into a fixed buffer, cut at a whole character.
    void toUtf8(const wchar_t *text, char *out, std::size_t size)
    {
        std::size_t used = 0;
        for (; text && *text; ++text) {
            char32_t c = char32_t(*text);
            if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
                c = 0xFFFD;
            char bytes[4];
            std::size_t n = 0;
            if (c < 0x80) {
                bytes[n++] = char(c);
            } else if (c < 0x800) {
                bytes[n++] = char(0xC0 | (c >> 6));
                bytes[n++] = char(0x80 | (c & 0x3F));
            } else if (c < 0x10000) {
                bytes[n++] = char(0xE0 | (c >> 12));
                bytes[n++] = char(0x80 | ((c >> 6) & 0x3F));
                bytes[n++] = char(0x80 | (c & 0x3F));
            } else {
                bytes[n++] = char(0xF0 | (c >> 18));
                bytes[n++] = char(0x80 | ((c >> 12) & 0x3F));
                bytes[n++] = char(0x80 | ((c >> 6) & 0x3F));
                bytes[n++] = char(0x80 | (c & 0x3F));
            }
            if (used + n >= size)
                break;
            std::memcpy(out + used, bytes, n);
            used += n;
        }
        out[used] = '\0';
    }

    void writeText(int fd, const char *text)
    {
        std::size_t left = std::strlen(text);
        while (left > 0) {
            const ssize_t written = ::write(fd, text, left);
            if (written <= 0)
                return;
            text += written;
            left -= std::size_t(written);
        }
    }

    void writeLine(int fd, const char *label, const char *value)
    {
        writeText(fd, label);
        writeText(fd, value);
        writeText(fd, "\n");
    }

    const char *signalName(int signal)
    {
        switch (signal) {
        case SIGSEGV:
            return "segmentation fault (SIGSEGV)";
        case SIGBUS:
            return "bus error (SIGBUS)";
        case SIGFPE:
            return "arithmetic error (SIGFPE)";
        case SIGILL:
            return "illegal instruction (SIGILL)";
        default:
            return "fatal signal";
        }
    }

    void onFatalSignal(int signal, siginfo_t *, void *)
    {
        if (MiniDmpSender *sender = g_sender.load())
            sender->crash(signalName(signal), signal);
        ::signal(signal, SIG_DFL);
        ::raise(signal);
    }

    void installSignalHandlers()
    {
        stack_t stack {};
        stack.ss_sp = g_signalStack;
        stack.ss_size = sizeof g_signalStack;
        ::sigaltstack(&stack, nullptr);
        struct sigaction action {};
        action.sa_sigaction = onFatalSignal;
        action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESETHAND;
        sigemptyset(&action.sa_mask);
        for (int signal : kFatalSignals)
            ::sigaction(signal, &action, nullptr);
    }
}

MiniDmpSender::MiniDmpSender(const wchar_t *database, const wchar_t *application, const wchar_t *version,
                             const wchar_t *applicationId, unsigned int flags)
    : d(new State)
{
    (void)applicationId; // the SDK's account key; nothing is sent anywhere here
    toUtf8(database, d->database, sizeof d->database);
    toUtf8(application, d->application, sizeof d->application);
    toUtf8(version, d->version, sizeof d->version);
    d->flags = flags;

    char stamp[32] = {};
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    ::localtime_r(&now, &local);
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    std::snprintf(d->reportPath, sizeof d->reportPath, "%s/crash-%s-%ld.txt", SpdLogFolder(), stamp,
                  long(::getpid()));

    // The first backtrace() loads the unwinder, which allocates: do it now.
    void *frames[4];
    ::backtrace(frames, 4);

    g_sender.store(this);
    installSignalHandlers();
}

MiniDmpSender::~MiniDmpSender()
{
    MiniDmpSender *self = this;
    if (g_sender.compare_exchange_strong(self, nullptr)) {
        struct sigaction action {};
        action.sa_handler = SIG_DFL;
        sigemptyset(&action.sa_mask);
        for (int signal : kFatalSignals)
            ::sigaction(signal, &action, nullptr);
    }
    if (d->guard)
        ::munmap(d->guard, d->guardSize);
    delete d;
}

unsigned int MiniDmpSender::getFlags() const
{
    return d->flags;
}

void MiniDmpSender::setFlags(unsigned int flags)
{
    d->flags = flags;
}

void MiniDmpSender::setMiniDumpType(unsigned int type)
{
    d->dumpType = type;
}

unsigned int MiniDmpSender::miniDumpType() const
{
    return d->dumpType;
}

void MiniDmpSender::setGuardByteBufferSize(std::size_t bytes)
{
    if (d->guard)
        ::munmap(d->guard, d->guardSize);
    d->guard = nullptr;
    d->guardSize = 0;
    if (bytes == 0)
        return;
    // Address space only: a report is written from fixed buffers and needs
    // no heap, so the pages are never touched and cost no memory.
    void *block = ::mmap(nullptr, bytes, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (block == MAP_FAILED)
        return;
    d->guard = block;
    d->guardSize = bytes;
}

std::size_t MiniDmpSender::guardByteBufferSize() const
{
    return d->guardSize;
}

void MiniDmpSender::setNotes(const wchar_t *notes)
{
    toUtf8(notes, d->notes, sizeof d->notes);
}

void MiniDmpSender::setCallback(Callback callback)
{
    d->callback.store(callback);
}

bool MiniDmpSender::getMinidumpPath(wchar_t *buffer, std::size_t count) const
{
    // The path is ours and ASCII but for the log folder's name: decode it whole.
    if (!buffer || count == 0)
        return false;
    std::size_t out = 0;
    const unsigned char *in = reinterpret_cast<const unsigned char *>(d->reportPath);
    while (*in) {
        char32_t c = *in++;
        int more = 0;
        if (c >= 0xF0) {
            c &= 0x07;
            more = 3;
        } else if (c >= 0xE0) {
            c &= 0x0F;
            more = 2;
        } else if (c >= 0xC0) {
            c &= 0x1F;
            more = 1;
        }
        for (; more > 0 && (*in & 0xC0) == 0x80; --more)
            c = (c << 6) | (*in++ & 0x3F);
        if (out + 1 >= count) {
            buffer[0] = L'\0';
            return false;
        }
        buffer[out++] = wchar_t(c);
    }
    buffer[out] = L'\0';
    return true;
}

bool MiniDmpSender::sendAdditionalFile(const wchar_t *path)
{
    if (!path || !*path)
        return false;
    const int slot = d->attachmentCount.fetch_add(1);
    if (slot >= MaxAttachments) {
        d->attachmentCount.store(MaxAttachments);
        return false;
    }
    toUtf8(path, d->attachments[slot], sizeof d->attachments[slot]);
    return true;
}

void MiniDmpSender::crash(const char *reason, int signal)
{
    if (g_crashing.test_and_set()) {
        // A crash while reporting one: end without a second report.
        ::signal(signal, SIG_DFL);
        ::raise(signal);
        ::_exit(128 + signal);
    }
    if (d->guard) {
        ::munmap(d->guard, d->guardSize);
        d->guard = nullptr;
    }
    if (Callback callback = d->callback.load())
        callback(ExceptionNotice, nullptr, nullptr);

    const int fd = ::open(d->reportPath, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd >= 0) {
        writeLine(fd, "application: ", d->application);
        writeLine(fd, "version: ", d->version);
        writeLine(fd, "database: ", d->database);
        writeLine(fd, "notes: ", d->notes);
        writeLine(fd, "reason: ", reason ? reason : "");
        writeText(fd, "files:\n");
        const int count = d->attachmentCount.load() < MaxAttachments ? d->attachmentCount.load() : MaxAttachments;
        for (int i = 0; i < count; ++i)
            writeLine(fd, "  ", d->attachments[i]);
        writeText(fd, "backtrace:\n");
        void *frames[64];
        const int depth = ::backtrace(frames, 64);
        ::backtrace_symbols_fd(frames, depth, fd);
        ::close(fd);
    }
    const char notice[] = "The program ended after a fatal error; a report was written to the log folder.\n";
    writeText(STDERR_FILENO, notice);

    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    ::sigaction(signal, &action, nullptr);
    sigset_t unblock;
    sigemptyset(&unblock);
    sigaddset(&unblock, signal);
    ::sigprocmask(SIG_UNBLOCK, &unblock, nullptr);
    ::raise(signal);
    ::_exit(128 + signal);
}

MiniDmpSender *MiniDmpSender::instance()
{
    return g_sender.load();
}

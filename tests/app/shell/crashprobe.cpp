// Sets the crash reporter up as the program does, then fails in the way its
// argument names: "abort", "terminate" (an uncaught exception) or "segv".
#include "crashreporter.h"

#include <QString>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

int main(int argc, char *argv[])
{
    if (argc != 3)
        return 2;
    setupCrashReporter(QString::fromLocal8Bit(argv[2]), QStringLiteral("8.1.0"));
    if (std::strcmp(argv[1], "abort") == 0)
        std::abort();
    if (std::strcmp(argv[1], "terminate") == 0)
        throw std::runtime_error("nobody catches this");
    if (std::strcmp(argv[1], "segv") == 0)
        std::raise(SIGSEGV);
    return 3;
}

// volsark-decrypt: decrypts an encrypted backup folder from the command line.

#include "backupdecrypter.h"
#include "spdlogcore.h"

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

namespace
{
    int usage()
    {
        std::fprintf(stderr, "usage: volsark-decrypt --backup DIR --out DIR (--password P | --password-stdin)\n");
        return 2;
    }
}

int main(int argc, char **argv)
{
    std::string backup, out, password;
    bool haveBackup = false, haveOut = false, havePassword = false, passwordFromStdin = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](std::string &target, bool &seen) {
            if (seen || i + 1 >= argc)
                return false;
            target = argv[++i];
            seen = true;
            return true;
        };
        if (arg == "--backup") {
            if (!value(backup, haveBackup))
                return usage();
        } else if (arg == "--out") {
            if (!value(out, haveOut))
                return usage();
        } else if (arg == "--password") {
            if (passwordFromStdin || !value(password, havePassword))
                return usage();
        } else if (arg == "--password-stdin") {
            if (havePassword || passwordFromStdin)
                return usage();
            passwordFromStdin = true;
        } else {
            return usage();
        }
    }
    if (!haveBackup || !haveOut || backup.empty() || out.empty() || (!havePassword && !passwordFromStdin))
        return usage();
    if (passwordFromStdin) {
        std::getline(std::cin, password);
        if (!password.empty() && password.back() == '\r')
            password.pop_back();
    }

    InitSpdLogA("Volsark.log", nullptr);
    volsark::BackupDecrypter decrypter(backup, out, password);
    const volsark::DecryptResult result = decrypter.run();
    if (!result.ok()) {
        std::fprintf(stderr, "volsark-decrypt: %s\n", result.message().c_str());
        return 1;
    }
    std::printf("%d files decrypted, %d skipped\n", result.decrypted, result.skipped);
    return 0;
}

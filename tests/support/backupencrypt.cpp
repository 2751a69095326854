// backup-encrypt PLAIN OUT PASSWORD [DPIC]: the fixture encrypter as a program, for
// benchmarks that build their backups in the shell.

#include "backupencrypter.h"

#include <cstdio>
#include <exception>
#include <string>

int main(int argc, char **argv)
{
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: backup-encrypt PLAIN OUT PASSWORD [DPIC]\n");
        return 2;
    }
    try {
        testsupport::EncryptionOptions options;
        options.password = argv[3];
        if (argc == 5)
            options.dpic = uint32_t(std::stoul(argv[4]));
        testsupport::encryptBackup(argv[1], argv[2], options);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

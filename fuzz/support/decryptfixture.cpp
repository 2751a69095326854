#include "decryptfixture.h"

#include "backupbuilder.h"

namespace fuzzsupport::decrypt
{
    std::string writePlainBackup(const std::string &folder)
    {
        testsupport::BackupBuilder backup(folder);
        const std::string fuzzed = backup.addFile("CameraRollDomain", "Media/DCIM/100APPLE/IMG_0001.JPG",
                                                  std::string(100, 'p'));
        backup.write();
        return fuzzed;
    }

    testsupport::EncryptionOptions options()
    {
        testsupport::EncryptionOptions options;
        options.password = Password;
        options.dpic = 1;
        options.iterations = 1;
        options.seed = 1;
        return options;
    }
}

#pragma once

#include <QMetaType>

// The result of one exported file or of a writer: 0 copied, 3 not enough
// space, 4 the destination folder does not exist, 5 empty source path,
// 6 copy error, 7 download failed.
namespace RecoverError
{
    enum ErrorType : int
    {
        NoError = 0,
        NotEnoughSpace = 3,
        DiskNotFound = 4,
        EmptySource = 5,
        CopyFailed = 6,
        DownloadFailed = 7
    };
}

Q_DECLARE_METATYPE(RecoverError::ErrorType)

#pragma once

// A scripted device-connection library with the real one's interface: the
// test attaches, trusts and removes devices, which its listener threads
// report to the callbacks; the blocking operations answer with set codes.
// A removed device's handle is freed right after its removal callback, and
// handles the library no longer tracks are refused.

#include "quorlin.h"

#include <cstdint>
#include <string>

#define FAKEQUORLIN_API __attribute__((visibility("default")))

namespace fakequorlin
{
    enum Operation
    {
        QueryInfo,
        CheckEncrypt,
        SetPassword,
        DiskSize,
        OperationCount
    };

    // Queued for the normal listener: connected, then trusted when asked.
    FAKEQUORLIN_API IBaseDevice *attach(const IOSDeviceInfo &info, bool trusted);
    FAKEQUORLIN_API void trust(IBaseDevice *device);
    FAKEQUORLIN_API void detach(IBaseDevice *device);
    FAKEQUORLIN_API IBaseDevice *attachRestorable(const RestorableDeviceInfo &info);
    FAKEQUORLIN_API void detachRestorable(IBaseDevice *device);
    // Returns once both listeners have delivered everything queued.
    FAKEQUORLIN_API void waitIdle();

    // Answers of the blocking operations.
    FAKEQUORLIN_API void setCode(Operation operation, int code);
    FAKEQUORLIN_API void setEncrypted(bool encrypted);
    FAKEQUORLIN_API void setDiskSize(bool ok, int64_t bytes);
    FAKEQUORLIN_API void setQueryValue(bool ok, const std::string &value);
    // While held, every operation waits in the library until released.
    FAKEQUORLIN_API void hold(bool held);
    FAKEQUORLIN_API int waitingCalls();
    FAKEQUORLIN_API int calls(Operation operation);
    FAKEQUORLIN_API int refusedCalls();
    FAKEQUORLIN_API std::wstring lastOldPassword();
    FAKEQUORLIN_API std::wstring lastNewPassword();
    FAKEQUORLIN_API std::string lastQueryKey();
    FAKEQUORLIN_API void resetCounts();
}

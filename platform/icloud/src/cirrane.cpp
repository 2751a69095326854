// The iCloud library of this platform. The iCloud service cannot be reached
// from here, so every operation answers that it is not available; nothing
// is ever sent anywhere.
#include "cirrane.h"

#include "spdlogcore.h"

#include <mutex>

#define CIRRANE_API __attribute__((visibility("default")))

namespace
{
    class UnavailableCirrane final : public ICirrane
    {
    public:
        int Login(std::wstring, std::wstring) override { return CirraneNotAvailable; }
        int RequestSecurityCode() override { return CirraneNotAvailable; }
        int RequestSecurityCode_SMS() override { return CirraneNotAvailable; }
        int VerifySecurityCode(std::wstring, bool) override { return CirraneNotAvailable; }
        void ClearLoginInfo() override {}
        int GetAccountInfo() override { return CirraneNotAvailable; }
        void StartPull() override {}
        void StopPull() override {}
        void SetPullParam(const CirranePullParam *) override {}
        void SetRecordCallback(CirraneRecordCallback) override {}
    };
}

extern "C" CIRRANE_API bool InitCirrane(ICirrane **cirrane)
{
    if (!cirrane)
        return false;
    static UnavailableCirrane instance;
    static std::once_flag told;
    std::call_once(told, [] {
        InitSpdLogA("Cirrane.log", nullptr);
        SpdLogA(__FILE__, __LINE__, SPDLOG_LEVEL_INFO, "%s", "iCloud is not available on this platform");
    });
    *cirrane = &instance;
    return true;
}

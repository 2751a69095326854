#pragma once

// The iCloud library: one entry, InitCirrane, and the interface ICirrane.

#include "cirranerecords.h"

#include <string>

// What the library can pull, and the values its operations answer.
enum CloudDataKind
{
    CloudPhotos = 1,
    CloudVideos = 2,
    CloudContacts = 4,
    CloudCalendars = 5,
    CloudNotes = 6,
    CloudReminders = 7
};

enum CirraneResult
{
    CirraneOk = 0,
    CirraneNetworkFailure = 10,
    CirraneWrongCredentials = 11,
    CirraneTwoStepNeeded = 12,
    CirraneTooManyAttempts = 15,
    CirraneNotAvailable = 503
};

// The category and folder of the next StartPull.
struct CirranePullParam
{
    int kind = 0;
    std::wstring folder;
};

// kindAndMore points at an int, the record's kind; record is the layout of
// that kind and sub-kind (cirranerecords.h).
using CirraneRecordCallback = void (*)(const void *kindAndMore, const void *record, int subKind, int extra);

class ICirrane
{
public:
    virtual int Login(std::wstring appleId, std::wstring password) = 0;
    virtual int RequestSecurityCode() = 0;
    virtual int RequestSecurityCode_SMS() = 0;
    virtual int VerifySecurityCode(std::wstring code, bool flag) = 0;
    virtual void ClearLoginInfo() = 0;
    virtual int GetAccountInfo() = 0;
    // Blocks while it pulls the category set by SetPullParam; records arrive
    // through the callback. StopPull, from another thread, ends it early.
    virtual void StartPull() = 0;
    virtual void StopPull() = 0;
    virtual void SetPullParam(const CirranePullParam *param) = 0;
    virtual void SetRecordCallback(CirraneRecordCallback callback) = 0;

protected:
    ~ICirrane() = default;
};

extern "C" bool InitCirrane(ICirrane **cirrane);

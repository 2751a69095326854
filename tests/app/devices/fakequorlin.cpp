#include "fakequorlin.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <set>
#include <thread>

namespace
{
    struct Event
    {
        int event;
        IBaseDevice *device;
        bool freeAfter;
    };

    struct Listener
    {
        DeviceEventCallback callback = nullptr;
        void *ctx = nullptr;
        std::deque<Event> queue;
        bool busy = false;
        std::mutex lock; // held during each callback, as the real listener does
    };

    // Never freed: listener threads run until the process ends.
    struct State
    {
        std::mutex mutex;
        std::condition_variable changed;
        Listener normal;
        Listener restorable;
        std::set<IBaseDevice *> tracked;
        int codes[fakequorlin::OperationCount] = {};
        int callCounts[fakequorlin::OperationCount] = {};
        int refused = 0;
        int waiting = 0;
        bool encrypted = false;
        bool diskOk = true;
        int64_t diskBytes = 0;
        bool queryOk = true;
        std::string queryValue;
        std::string queryKey;
        std::wstring oldPassword;
        std::wstring newPassword;
        bool held = false;
    };

    State &state()
    {
        static State *s = new State;
        return *s;
    }

    void post(Listener &listener, const Event &event)
    {
        State &s = state();
        std::lock_guard<std::mutex> guard(s.mutex);
        listener.queue.push_back(event);
        s.changed.notify_all();
    }

    [[noreturn]] void runListener(Listener &listener)
    {
        State &s = state();
        std::unique_lock<std::mutex> guard(s.mutex);
        for (;;) {
            s.changed.wait(guard, [&] { return !listener.queue.empty(); });
            const Event event = listener.queue.front();
            listener.queue.pop_front();
            listener.busy = true;
            guard.unlock();
            {
                std::lock_guard<std::mutex> listenerLock(listener.lock);
                listener.callback(event.event, event.device, listener.ctx);
            }
            guard.lock();
            if (event.freeAfter) {
                s.tracked.erase(event.device);
                // Released through the concrete class, as the library owns it.
                if (auto *ios = dynamic_cast<CIOSDevice *>(event.device))
                    delete ios;
                else
                    delete dynamic_cast<CIOSRestorableDevice *>(event.device);
            }
            listener.busy = false;
            s.changed.notify_all();
        }
    }

    // Enters an operation: waits while held, then counts it; false for a
    // handle the library does not track.
    bool enter(fakequorlin::Operation operation, IBaseDevice *device, int *code)
    {
        State &s = state();
        std::unique_lock<std::mutex> guard(s.mutex);
        ++s.waiting;
        s.changed.notify_all();
        s.changed.wait(guard, [&] { return !s.held; });
        --s.waiting;
        ++s.callCounts[operation];
        if (!device || !s.tracked.count(device)) {
            ++s.refused;
            return false;
        }
        *code = s.codes[operation];
        return true;
    }

    class FakeManager final : public IQuorlinManager
    {
    public:
        bool StartListener(DeviceEventCallback callback, void *ctx, bool) override
        {
            {
                std::lock_guard<std::mutex> guard(state().mutex);
                state().normal.callback = callback;
                state().normal.ctx = ctx;
            }
            runListener(state().normal);
        }

        bool StartRestorableListener(DeviceEventCallback callback, void *ctx) override
        {
            {
                std::lock_guard<std::mutex> guard(state().mutex);
                state().restorable.callback = callback;
                state().restorable.ctx = ctx;
            }
            std::thread([] { runListener(state().restorable); }).detach();
            return true;
        }

        bool QueryDeviceInfo(IBaseDevice *device, std::string key, std::string *outValue, int *) override
        {
            int code = 0;
            if (!enter(fakequorlin::QueryInfo, device, &code))
                return false;
            std::lock_guard<std::mutex> guard(state().mutex);
            state().queryKey = key;
            if (outValue)
                *outValue = state().queryValue;
            return state().queryOk;
        }

        int CheckDeviceBackupIsEncrypt(IBaseDevice *device, bool *outEncrypted) override
        {
            int code = 0;
            if (!enter(fakequorlin::CheckEncrypt, device, &code))
                return -1;
            std::lock_guard<std::mutex> guard(state().mutex);
            *outEncrypted = state().encrypted;
            return code;
        }

        int SetDeviceBackupPasswd(IBaseDevice *device, std::wstring oldPassword, std::wstring newPassword) override
        {
            int code = 0;
            if (!enter(fakequorlin::SetPassword, device, &code))
                return -1;
            std::lock_guard<std::mutex> guard(state().mutex);
            state().oldPassword = oldPassword;
            state().newPassword = newPassword;
            return code;
        }

        int CheckFMI(IBaseDevice *, bool *) override { return -1; }

        bool GetDeviceDiskSize(IBaseDevice *device, const char *key, int64_t *outBytes) override
        {
            int code = 0;
            if (!key || !*key || !enter(fakequorlin::DiskSize, device, &code))
                return false;
            std::lock_guard<std::mutex> guard(state().mutex);
            *outBytes = state().diskBytes;
            return state().diskOk;
        }

        bool GetAppList(IBaseDevice *, std::vector<std::string> *) override { return false; }
    };

    IBaseDevice *track(IBaseDevice *device)
    {
        std::lock_guard<std::mutex> guard(state().mutex);
        state().tracked.insert(device);
        return device;
    }
}

extern "C" FAKEQUORLIN_API bool InitQuorlinMgr(IQuorlinManager **out)
{
    static FakeManager *manager = new FakeManager;
    if (!out)
        return false;
    *out = manager;
    return true;
}

namespace fakequorlin
{
    IBaseDevice *attach(const IOSDeviceInfo &info, bool trusted)
    {
        IBaseDevice *device = track(new CIOSDevice(info));
        post(state().normal, {DEVICE_CONNECTED, device, false});
        if (trusted)
            post(state().normal, {DEVICE_TRUSTED, device, false});
        return device;
    }

    void trust(IBaseDevice *device)
    {
        post(state().normal, {DEVICE_TRUSTED, device, false});
    }

    void detach(IBaseDevice *device)
    {
        post(state().normal, {DEVICE_REMOVED, device, true});
    }

    IBaseDevice *attachRestorable(const RestorableDeviceInfo &info)
    {
        IBaseDevice *device = track(new CIOSRestorableDevice(info));
        post(state().restorable, {RESTORABLE_DEVICE_ARRIVED, device, false});
        return device;
    }

    void detachRestorable(IBaseDevice *device)
    {
        post(state().restorable, {RESTORABLE_DEVICE_REMOVED, device, true});
    }

    void waitIdle()
    {
        State &s = state();
        std::unique_lock<std::mutex> guard(s.mutex);
        s.changed.wait(guard, [&] {
            return s.normal.queue.empty() && !s.normal.busy && s.restorable.queue.empty() && !s.restorable.busy;
        });
    }

    void setCode(Operation operation, int code)
    {
        std::lock_guard<std::mutex> guard(state().mutex);
        state().codes[operation] = code;
    }

    void setEncrypted(bool encrypted)
    {
        std::lock_guard<std::mutex> guard(state().mutex);
        state().encrypted = encrypted;
    }

    void setDiskSize(bool ok, int64_t bytes)
    {
        std::lock_guard<std::mutex> guard(state().mutex);
        state().diskOk = ok;
        state().diskBytes = bytes;
    }

    void setQueryValue(bool ok, const std::string &value)
    {
        std::lock_guard<std::mutex> guard(state().mutex);
        state().queryOk = ok;
        state().queryValue = value;
    }

    void hold(bool held)
    {
        std::lock_guard<std::mutex> guard(state().mutex);
        state().held = held;
        state().changed.notify_all();
    }

    int waitingCalls()
    {
        std::lock_guard<std::mutex> guard(state().mutex);
        return state().waiting;
    }

    int calls(Operation operation)
    {
        std::lock_guard<std::mutex> guard(state().mutex);
        return state().callCounts[operation];
    }

    int refusedCalls()
    {
        std::lock_guard<std::mutex> guard(state().mutex);
        return state().refused;
    }

    std::wstring lastOldPassword()
    {
        std::lock_guard<std::mutex> guard(state().mutex);
        return state().oldPassword;
    }

    std::wstring lastNewPassword()
    {
        std::lock_guard<std::mutex> guard(state().mutex);
        return state().newPassword;
    }

    std::string lastQueryKey()
    {
        std::lock_guard<std::mutex> guard(state().mutex);
        return state().queryKey;
    }

    void resetCounts()
    {
        std::lock_guard<std::mutex> guard(state().mutex);
        for (int &count : state().callCounts)
            count = 0;
        state().refused = 0;
    }
}

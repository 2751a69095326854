#pragma once

// A simulated iOS device behind a usbmuxd socket of its own: the muxer's
// plist protocol, lockdown without session SSL, a read-only file service
// served from a local folder, the installation proxy, the notification proxy
// and a backup service that sends the backup folder <root>/Backup. Clients reach it through the real
// libusbmuxd/libimobiledevice code with USBMUXD_SOCKET_ADDRESS=UNIX:<path>.

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <plist/plist.h>
#include <string>
#include <thread>
#include <vector>

namespace testsupport
{
    enum class RefuseStage
    {
        None,
        Device,   // not listed: opening it fails
        Lockdown, // the lockdown port refuses the connection
        Service,  // lockdown refuses to start the file service
        Afc       // the file service's port refuses the connection
    };

    // What the device is and how it misbehaves. A negative byte count is off.
    struct SimulatedDeviceState
    {
        std::string udid;
        std::string root; // the device's file system
        std::map<std::string, std::string> lockdownValues;
        RefuseStage refuse = RefuseStage::None;
        int64_t dropAfterBytes = -1;      // unplugs once this many file bytes were served
        int64_t readErrorAfterBytes = -1; // file reads fail from this many bytes on
        int delayMs = 0;                  // before each file-service reply
        // Lockdown domains, each an XML property-list dictionary of typed
        // values, answered only inside a session; the domain "" holds typed
        // values without domain, answered without one, before lockdownValues.
        std::map<std::string, std::string> domains;
        std::vector<std::string> apps; // bundle ids the installation proxy lists
        bool paired = true;            // the host has a pair record
        std::string hostId = "5A1B2C3D-0000-4000-8000-5141AB000002"; // in the pair record
        std::string acceptedHostId; // what StartSession takes; empty: the record's
        bool plugged = true;        // listed by the muxer from the start
        bool network = false;       // reached over the network instead of USB

        // The backup service sends <root>/Backup (Manifest.db, Manifest.plist
        // and the xx/ files) as a backup of itself.
        int backupFileDelayMs = 0;      // before each file
        int backupErrorAfterFiles = -1; // ends with backupErrorCode once this many files went out
        int backupErrorCode = 0;
        int backupDropAfterFiles = -1;  // unplugs once this many files went out
        std::string backupExtraPath;    // one more file, sent at this raw device path
        int passcodePromptMs = -1;      // the passcode prompt shows this long before the first file
    };

    // Bytes whose every position differs from its neighbours', for device
    // files whose copies must match byte for byte (a misplaced chunk shows).
    std::string patternBytes(size_t size, int seed = 0);

    class SimulatedDevice
    {
    public:
        explicit SimulatedDevice(SimulatedDeviceState state);
        // Several devices behind the one muxer socket.
        explicit SimulatedDevice(std::vector<SimulatedDeviceState> devices);
        ~SimulatedDevice();
        SimulatedDevice(const SimulatedDevice &) = delete;
        SimulatedDevice &operator=(const SimulatedDevice &) = delete;

        // Listens on socketPath (removed first); false with a message on stderr.
        bool start(const std::string &socketPath);
        void stop();

        // The first device.
        void unplug();
        bool attached() const;
        int64_t servedBytes() const;
        // By UDID; false for an unknown one. trust() is the user tapping
        // Trust: a pair record appears and listeners hear "Paired".
        bool plug(const std::string &udid);
        bool unplug(const std::string &udid);
        bool trust(const std::string &udid);

        // A socket path short enough for sun_path, unique to this process.
        static std::string uniqueSocketPath(const std::string &tag);
        // "UNIX:<path>", the value for USBMUXD_SOCKET_ADDRESS.
        static std::string muxAddress(const std::string &socketPath) { return "UNIX:" + socketPath; }

    private:
        struct Connection;
        struct Device;
        using ServiceHandler = std::function<void(SimulatedDevice &, Connection &)>;

        void acceptLoop();
        void serveMuxer(std::shared_ptr<Connection> connection);
        void serveLockdown(Connection &connection);
        Device *find(const std::string &udid) const;
        void unplug(Device &device);
        void serveAfc(Connection &connection);
        void serveInstallationProxy(Connection &connection);
        void serveNotificationProxy(Connection &connection);
        void serveBackup(Connection &connection);
        void runBackup(Connection &connection, Device &phone);
        void relayNotification(Device &phone, const std::string &name);
        void sendToListeners(const Device &device, plist_t message);
        void sendToListeners(const Device &device, const char *messageType);
        plist_t deviceRecord(const Device &device, bool withMessageType) const;
        void closeStreams();
        uint16_t portOf(const std::string &service) const;

        std::vector<std::unique_ptr<Device>> m_devices;
        std::map<std::string, ServiceHandler> m_services; // service name -> its handler
        std::map<uint16_t, std::string> m_servicePorts;   // device port -> service name
        std::string m_socketPath;
        int m_listenFd = -1;
        std::atomic<bool> m_running {false};
        std::thread m_acceptThread;
        struct Worker
        {
            std::thread thread;
            std::shared_ptr<std::atomic<bool>> done; // joinable at once
        };
        std::mutex m_mutex; // guards the lists below and each connection's device
        std::vector<Worker> m_threads;
        std::vector<std::weak_ptr<Connection>> m_connections;
    };
}

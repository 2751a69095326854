#pragma once

// A simulated iOS device behind a usbmuxd socket of its own: the muxer's
// plist protocol, lockdown without session SSL and a read-only file service
// served from a local folder. Clients reach it through the real
// libusbmuxd/libimobiledevice code with USBMUXD_SOCKET_ADDRESS=UNIX:<path>.

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
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
    };

    // Bytes whose every position differs from its neighbours', for device
    // files whose copies must match byte for byte (a misplaced chunk shows).
    std::string patternBytes(size_t size, int seed = 0);

    class SimulatedDevice
    {
    public:
        explicit SimulatedDevice(SimulatedDeviceState state);
        ~SimulatedDevice();
        SimulatedDevice(const SimulatedDevice &) = delete;
        SimulatedDevice &operator=(const SimulatedDevice &) = delete;

        // Listens on socketPath (removed first); false with a message on stderr.
        bool start(const std::string &socketPath);
        void stop();

        void unplug();
        bool attached() const { return m_attached; }
        int64_t servedBytes() const { return m_servedBytes; }

        // A socket path short enough for sun_path, unique to this process.
        static std::string uniqueSocketPath(const std::string &tag);
        // "UNIX:<path>", the value for USBMUXD_SOCKET_ADDRESS.
        static std::string muxAddress(const std::string &socketPath) { return "UNIX:" + socketPath; }

    private:
        struct Connection;
        using ServiceHandler = std::function<void(SimulatedDevice &, Connection &)>;

        void acceptLoop();
        void serveMuxer(std::shared_ptr<Connection> connection);
        void serveLockdown(Connection &connection);
        void serveAfc(Connection &connection);
        void closeStreams();
        uint16_t portOf(const std::string &service) const;

        SimulatedDeviceState m_state;
        std::map<std::string, ServiceHandler> m_services; // service name -> its handler
        std::map<uint16_t, std::string> m_servicePorts;   // device port -> service name
        std::string m_socketPath;
        int m_listenFd = -1;
        std::atomic<bool> m_running {false};
        std::atomic<bool> m_attached {true};
        std::atomic<int64_t> m_servedBytes {0};
        std::thread m_acceptThread;
        std::mutex m_mutex; // guards the lists below
        std::vector<std::thread> m_threads;
        std::vector<std::weak_ptr<Connection>> m_connections;
    };
}

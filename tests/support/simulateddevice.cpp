#include "simulateddevice.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <plist/plist.h>
#include <usbmuxd-proto.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace testsupport
{
    struct SimulatedDevice::Connection
    {
        explicit Connection(int descriptor)
            : fd(descriptor)
        {
        }
        ~Connection() { ::close(fd); }
        int fd;
        std::mutex writeMutex;
        bool listener = false;
        std::map<uint64_t, int> files; // file-service handle -> descriptor
        Device *device = nullptr;      // the device a stream leads to
    };

    struct SimulatedDevice::Device
    {
        SimulatedDeviceState state;
        uint32_t id = 0;
        std::atomic<bool> attached {true};
        std::atomic<bool> paired {true};
        std::atomic<int64_t> servedBytes {0};
        std::mutex observerMutex; // guards observers
        std::map<Connection *, std::set<std::string>> observers; // notification-proxy streams and what they observe
    };

    namespace
    {
        constexpr uint16_t LockdownPort = 62078;
        constexpr uint16_t FirstServicePort = 49152;
        constexpr uint32_t MaxMuxPayload = 1 << 20;
        constexpr uint64_t MaxAfcPacket = 1 << 20;
        constexpr uint32_t MaxAfcRead = 1 << 20;

        // File-service operations and status codes.
        enum AfcOperation : uint64_t
        {
            AfcStatus = 1,
            AfcData = 2,
            AfcReadDir = 3,
            AfcGetFileInfo = 0x0A,
            AfcGetDevInfo = 0x0B,
            AfcFileOpen = 0x0D,
            AfcFileOpenResult = 0x0E,
            AfcRead = 0x0F,
            AfcFileClose = 0x14
        };
        enum AfcCode : uint64_t
        {
            AfcSuccess = 0,
            AfcReadError = 4,
            AfcUnknownPacket = 6,
            AfcInvalidArgument = 7,
            AfcNotFound = 8,
            AfcIsDirectory = 9,
            AfcPermissionDenied = 10
        };
        constexpr uint64_t AfcReadOnly = 1;
        constexpr char AfcMagic[] = "CFA6LPAA";

        struct AfcHeader
        {
            char magic[8];
            uint64_t entireLength;
            uint64_t thisLength;
            uint64_t packetNum;
            uint64_t operation;
        };
        static_assert(sizeof(AfcHeader) == 40, "the file-service header is 40 bytes");

        bool readExact(int fd, void *buffer, size_t length)
        {
            auto *bytes = static_cast<char *>(buffer);
            while (length > 0) {
                const ssize_t got = ::recv(fd, bytes, length, 0);
                if (got <= 0)
                    return false;
                bytes += got;
                length -= size_t(got);
            }
            return true;
        }

        bool writeAll(int fd, const void *buffer, size_t length)
        {
            const auto *bytes = static_cast<const char *>(buffer);
            while (length > 0) {
                const ssize_t sent = ::send(fd, bytes, length, MSG_NOSIGNAL);
                if (sent <= 0)
                    return false;
                bytes += sent;
                length -= size_t(sent);
            }
            return true;
        }

        struct Plist
        {
            explicit Plist(plist_t node = nullptr)
                : node(node)
            {
            }
            ~Plist()
            {
                if (node)
                    plist_free(node);
            }
            Plist(const Plist &) = delete;
            Plist &operator=(const Plist &) = delete;
            plist_t node;
        };

        std::string xmlOf(plist_t node)
        {
            char *xml = nullptr;
            uint32_t length = 0;
            plist_to_xml(node, &xml, &length);
            std::string text(xml ? xml : "", xml ? length : 0);
            free(xml);
            return text;
        }

        // Lockdown and its services frame each property list with its big-endian length.
        bool readFrame(int fd, Plist &request)
        {
            uint32_t length = 0;
            if (!readExact(fd, &length, sizeof length))
                return false;
            length = ntohl(length);
            if (length > MaxMuxPayload)
                return false;
            std::string payload(length, '\0');
            if (!readExact(fd, payload.data(), payload.size()))
                return false;
            if (request.node)
                plist_free(request.node);
            request.node = nullptr;
            plist_from_memory(payload.data(), length, &request.node);
            return true;
        }

        bool writeFrame(int fd, plist_t node)
        {
            const std::string xml = xmlOf(node);
            const uint32_t size = htonl(uint32_t(xml.size()));
            return writeAll(fd, &size, sizeof size) && writeAll(fd, xml.data(), xml.size());
        }

        // A string node's text, "" for anything else.
        std::string stringOf(plist_t node)
        {
            if (!node || plist_get_node_type(node) != PLIST_STRING)
                return {};
            char *value = nullptr;
            plist_get_string_val(node, &value);
            std::string text(value ? value : "");
            free(value);
            return text;
        }

        std::string stringItem(plist_t dict, const char *key)
        {
            return stringOf(dict ? plist_dict_get_item(dict, key) : nullptr);
        }

        uint64_t uintItem(plist_t dict, const char *key)
        {
            plist_t item = dict ? plist_dict_get_item(dict, key) : nullptr;
            uint64_t value = 0;
            if (item && plist_get_node_type(item) == PLIST_UINT)
                plist_get_uint_val(item, &value);
            return value;
        }

        void setString(plist_t dict, const char *key, const std::string &value)
        {
            plist_dict_set_item(dict, key, plist_new_string(value.c_str()));
        }

        uint64_t readLe64(const std::string &bytes, size_t offset)
        {
            uint64_t value = 0;
            if (bytes.size() >= offset + 8)
                std::memcpy(&value, bytes.data() + offset, 8);
            return le64toh(value);
        }

        std::string le64(uint64_t value)
        {
            value = htole64(value);
            return std::string(reinterpret_cast<const char *>(&value), 8);
        }

        // A device path as a local path inside root, or "" when it would leave it.
        std::string confined(const std::string &root, const std::string &devicePath)
        {
            const std::string relative = devicePath.c_str(); // up to the first NUL
            std::string local = root;
            size_t start = 0;
            while (start <= relative.size()) {
                size_t end = relative.find('/', start);
                if (end == std::string::npos)
                    end = relative.size();
                const std::string part = relative.substr(start, end - start);
                if (part == "..")
                    return {};
                if (!part.empty() && part != ".")
                    local += "/" + part;
                start = end + 1;
            }
            // A link inside the tree must not lead out of it either.
            std::error_code ec;
            const fs::path real = fs::weakly_canonical(local, ec);
            const fs::path base = fs::weakly_canonical(root, ec);
            const std::string realText = real.string(), baseText = base.string();
            if (ec || realText.compare(0, baseText.size(), baseText) != 0 ||
                (realText.size() > baseText.size() && realText[baseText.size()] != '/'))
                return {};
            return local;
        }

        std::string be32(uint32_t value)
        {
            value = htonl(value);
            return std::string(reinterpret_cast<const char *>(&value), 4);
        }

        // A DeviceLink message: an array whose first item names it.
        plist_t message(const char *name, std::initializer_list<plist_t> items)
        {
            plist_t array = plist_new_array();
            plist_array_append_item(array, plist_new_string(name));
            for (plist_t item : items)
                plist_array_append_item(array, item);
            return array;
        }

        std::string messageName(plist_t array)
        {
            return stringOf(array && plist_get_node_type(array) == PLIST_ARRAY ? plist_array_get_item(array, 0) : nullptr);
        }

        // The host's answer to a message: false when the stream ended or the
        // answer is no status response.
        bool readStatus(int fd, int64_t &code, Plist &answer)
        {
            if (!readFrame(fd, answer) || messageName(answer.node) != "DLMessageStatusResponse")
                return false;
            plist_t item = plist_array_get_item(answer.node, 1);
            uint64_t value = 0;
            if (item && plist_get_node_type(item) == PLIST_UINT)
                plist_get_uint_val(item, &value);
            code = int64_t(value);
            return true;
        }

        std::string statusPlist(const std::string &state)
        {
            plist_t status = plist_new_dict();
            setString(status, "SnapshotState", state);
            setString(status, "BackupState", "new");
            setString(status, "Version", "3.3");
            setString(status, "UUID", "5A1B2C3D-0000-4000-8000-5141AB000004");
            plist_dict_set_item(status, "IsFullBackup", plist_new_bool(1));
            plist_dict_set_item(status, "Date", plist_new_date(0, 0));
            const std::string xml = xmlOf(status);
            plist_free(status);
            return xml;
        }
    }

    std::string patternBytes(size_t size, int seed)
    {
        std::string bytes(size, '\0');
        for (size_t i = 0; i < size; ++i)
            bytes[i] = char((i * 131 + size_t(seed) * 7 + i / 65536) & 0xff);
        return bytes;
    }

    SimulatedDevice::SimulatedDevice(SimulatedDeviceState state)
        : SimulatedDevice(std::vector<SimulatedDeviceState> {std::move(state)})
    {
    }

    SimulatedDevice::SimulatedDevice(std::vector<SimulatedDeviceState> devices)
    {
        for (SimulatedDeviceState &state : devices) {
            auto device = std::make_unique<Device>();
            device->state = std::move(state);
            auto &values = device->state.lockdownValues;
            values.emplace("ProductVersion", "14.4");
            values.emplace("UniqueDeviceID", device->state.udid);
            values.emplace("DeviceName", "Simulated iPhone");
            values.emplace("ProductType", "iPhone12,1");
            values.emplace("DeviceClass", "iPhone");
            device->id = uint32_t(m_devices.size() + 1);
            device->attached = device->state.plugged;
            device->paired = device->state.paired;
            m_devices.push_back(std::move(device));
        }
        m_services["com.apple.afc"] = [](SimulatedDevice &device, Connection &connection) { device.serveAfc(connection); };
        m_services["com.apple.mobile.installation_proxy"] = [](SimulatedDevice &device, Connection &connection) {
            device.serveInstallationProxy(connection);
        };
        m_services["com.apple.mobile.notification_proxy"] = [](SimulatedDevice &device, Connection &connection) {
            device.serveNotificationProxy(connection);
        };
        m_services["com.apple.mobilebackup2"] = [](SimulatedDevice &device, Connection &connection) {
            device.serveBackup(connection);
        };
        uint16_t port = FirstServicePort;
        for (const auto &service : m_services)
            m_servicePorts[port++] = service.first;
    }

    SimulatedDevice::~SimulatedDevice()
    {
        stop();
    }

    std::string SimulatedDevice::uniqueSocketPath(const std::string &tag)
    {
        static std::atomic<int> counter {0};
        const std::string name = "qsim-" + tag + "-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        const char *tmp = std::getenv("TMPDIR");
        const std::string inTmp = std::string(tmp && *tmp ? tmp : "/tmp") + "/" + name;
        return inTmp.size() < sizeof(sockaddr_un::sun_path) ? inTmp : "/tmp/" + name;
    }

    bool SimulatedDevice::start(const std::string &socketPath)
    {
        sockaddr_un address {};
        if (socketPath.size() >= sizeof address.sun_path) {
            std::fprintf(stderr, "simdevice: socket path too long: %s\n", socketPath.c_str());
            return false;
        }
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
        ::unlink(socketPath.c_str());
        m_listenFd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (m_listenFd < 0 || ::bind(m_listenFd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 ||
            ::listen(m_listenFd, 64) != 0) {
            std::fprintf(stderr, "simdevice: cannot listen on %s: %s\n", socketPath.c_str(), std::strerror(errno));
            if (m_listenFd >= 0)
                ::close(m_listenFd);
            m_listenFd = -1;
            return false;
        }
        m_socketPath = socketPath;
        m_running = true;
        m_acceptThread = std::thread(&SimulatedDevice::acceptLoop, this);
        return true;
    }

    void SimulatedDevice::stop()
    {
        if (!m_running.exchange(false))
            return;
        ::shutdown(m_listenFd, SHUT_RDWR);
        if (m_acceptThread.joinable())
            m_acceptThread.join();
        ::close(m_listenFd);
        m_listenFd = -1;
        closeStreams();
        std::vector<Worker> threads;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            threads.swap(m_threads);
        }
        for (Worker &worker : threads)
            worker.thread.join();
        ::unlink(m_socketPath.c_str());
    }

    void SimulatedDevice::acceptLoop()
    {
        while (m_running) {
            const int fd = ::accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
            if (fd < 0) {
                if (errno == EINTR)
                    continue;
                return;
            }
            auto connection = std::make_shared<Connection>(fd);
            std::lock_guard<std::mutex> lock(m_mutex);
            m_connections.erase(std::remove_if(m_connections.begin(), m_connections.end(),
                                               [](const std::weak_ptr<Connection> &c) { return c.expired(); }),
                                m_connections.end());
            m_connections.push_back(connection);
            // Threads of ended connections go now: a long session must not keep one per connection.
            for (auto it = m_threads.begin(); it != m_threads.end();) {
                if (*it->done) {
                    it->thread.join();
                    it = m_threads.erase(it);
                } else {
                    ++it;
                }
            }
            auto done = std::make_shared<std::atomic<bool>>(false);
            m_threads.push_back({std::thread([this, connection, done] {
                                     serveMuxer(connection);
                                     *done = true;
                                 }),
                                 done});
        }
    }

    void SimulatedDevice::closeStreams()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (const auto &weak : m_connections)
            if (auto connection = weak.lock())
                ::shutdown(connection->fd, SHUT_RDWR);
    }

    SimulatedDevice::Device *SimulatedDevice::find(const std::string &udid) const
    {
        for (const auto &device : m_devices)
            if (device->state.udid == udid)
                return device.get();
        return nullptr;
    }

    bool SimulatedDevice::attached() const
    {
        return !m_devices.empty() && m_devices.front()->attached;
    }

    int64_t SimulatedDevice::servedBytes() const
    {
        return m_devices.empty() ? 0 : m_devices.front()->servedBytes.load();
    }

    // Sends to every listener; a detach also ends the device's streams.
    void SimulatedDevice::sendToListeners(const Device &device, plist_t message)
    {
        const std::string xml = xmlOf(message);
        const bool detach = stringItem(message, "MessageType") == "Detached";
        std::lock_guard<std::mutex> lock(m_mutex);
        for (const auto &weak : m_connections) {
            auto connection = weak.lock();
            if (!connection)
                continue;
            if (connection->listener) {
                usbmuxd_header header {uint32_t(sizeof(usbmuxd_header) + xml.size()), 1, MESSAGE_PLIST, 0};
                std::lock_guard<std::mutex> write(connection->writeMutex);
                writeAll(connection->fd, &header, sizeof header) && writeAll(connection->fd, xml.data(), xml.size());
            } else if (detach && connection->device == &device) {
                ::shutdown(connection->fd, SHUT_RDWR);
            }
        }
    }

    void SimulatedDevice::sendToListeners(const Device &device, const char *messageType)
    {
        Plist message(plist_new_dict());
        setString(message.node, "MessageType", messageType);
        plist_dict_set_item(message.node, "DeviceID", plist_new_uint(device.id));
        sendToListeners(device, message.node);
    }

    void SimulatedDevice::unplug(Device &device)
    {
        if (!device.attached.exchange(false))
            return;
        sendToListeners(device, "Detached");
    }

    void SimulatedDevice::unplug()
    {
        if (!m_devices.empty())
            unplug(*m_devices.front());
    }

    bool SimulatedDevice::unplug(const std::string &udid)
    {
        Device *device = find(udid);
        if (device)
            unplug(*device);
        return device;
    }

    bool SimulatedDevice::plug(const std::string &udid)
    {
        Device *device = find(udid);
        if (!device)
            return false;
        if (device->attached.exchange(true))
            return true;
        if (device->state.refuse != RefuseStage::Device) {
            Plist message(deviceRecord(*device, true));
            sendToListeners(*device, message.node);
        }
        return true;
    }

    bool SimulatedDevice::trust(const std::string &udid)
    {
        Device *device = find(udid);
        if (!device)
            return false;
        if (!device->paired.exchange(true))
            sendToListeners(*device, "Paired");
        return true;
    }

    plist_t SimulatedDevice::deviceRecord(const Device &device, bool withMessageType) const
    {
        plist_t properties = plist_new_dict();
        setString(properties, "ConnectionType", device.state.network ? "Network" : "USB");
        plist_dict_set_item(properties, "DeviceID", plist_new_uint(device.id));
        if (device.state.network) {
            // A sockaddr_in for 127.0.0.1, as the muxer passes it on.
            const unsigned char address[16] = {0x10, 0x02, 0, 0, 127, 0, 0, 1};
            plist_dict_set_item(properties, "NetworkAddress",
                                plist_new_data(reinterpret_cast<const char *>(address), sizeof address));
        } else {
            plist_dict_set_item(properties, "LocationID", plist_new_uint(0x14100000));
            plist_dict_set_item(properties, "ProductID", plist_new_uint(0x12a8));
        }
        setString(properties, "SerialNumber", device.state.udid);
        plist_t record = plist_new_dict();
        if (withMessageType)
            setString(record, "MessageType", "Attached");
        plist_dict_set_item(record, "DeviceID", plist_new_uint(device.id));
        plist_dict_set_item(record, "Properties", properties);
        return record;
    }

    uint16_t SimulatedDevice::portOf(const std::string &service) const
    {
        for (const auto &entry : m_servicePorts)
            if (entry.second == service)
                return entry.first;
        return 0;
    }

    void SimulatedDevice::serveMuxer(std::shared_ptr<Connection> connection)
    {
        auto reply = [&](uint32_t tag, plist_t node) {
            const std::string xml = xmlOf(node);
            usbmuxd_header header {uint32_t(sizeof(usbmuxd_header) + xml.size()), 1, MESSAGE_PLIST, tag};
            std::lock_guard<std::mutex> write(connection->writeMutex);
            return writeAll(connection->fd, &header, sizeof header) && writeAll(connection->fd, xml.data(), xml.size());
        };
        auto result = [&](uint32_t tag, int number) {
            Plist answer(plist_new_dict());
            setString(answer.node, "MessageType", "Result");
            plist_dict_set_item(answer.node, "Number", plist_new_uint(uint64_t(number)));
            return reply(tag, answer.node);
        };
        auto listed = [](const Device &device) { return device.attached && device.state.refuse != RefuseStage::Device; };

        usbmuxd_header header {};
        while (m_running && readExact(connection->fd, &header, sizeof header)) {
            if (header.length < sizeof header || header.length - sizeof header > MaxMuxPayload)
                return;
            std::string payload(header.length - sizeof header, '\0');
            if (!readExact(connection->fd, payload.data(), payload.size()))
                return;
            Plist request;
            if (header.message == MESSAGE_PLIST)
                plist_from_memory(payload.data(), uint32_t(payload.size()), &request.node);
            const std::string type = stringItem(request.node, "MessageType");

            if (type == "ListDevices") {
                Plist answer(plist_new_dict());
                plist_t list = plist_new_array();
                for (const auto &device : m_devices)
                    if (listed(*device))
                        plist_array_append_item(list, deviceRecord(*device, false));
                plist_dict_set_item(answer.node, "DeviceList", list);
                reply(header.tag, answer.node);
            } else if (type == "Listen") {
                {
                    // Under the lock: a plug or trust now goes out after these.
                    std::lock_guard<std::mutex> lock(m_mutex);
                    connection->listener = true;
                }
                result(header.tag, RESULT_OK);
                for (const auto &device : m_devices) {
                    if (listed(*device)) {
                        Plist attached(deviceRecord(*device, true));
                        reply(0, attached.node);
                    }
                }
            } else if (type == "ReadBUID") {
                Plist answer(plist_new_dict());
                setString(answer.node, "BUID", "5A1B2C3D-0000-4000-8000-5141AB000001");
                reply(header.tag, answer.node);
            } else if (type == "ReadPairRecord") {
                const Device *device = find(stringItem(request.node, "PairRecordID"));
                if (!device || !device->paired) {
                    result(header.tag, RESULT_BADDEV);
                    continue;
                }
                Plist record(plist_new_dict());
                setString(record.node, "HostID", device->state.hostId);
                setString(record.node, "SystemBUID", "5A1B2C3D-0000-4000-8000-5141AB000001");
                for (const char *name : {"HostCertificate", "RootCertificate", "DeviceCertificate"}) {
                    const std::string pem = std::string("-----BEGIN CERTIFICATE-----\n") + name + "\n-----END CERTIFICATE-----\n";
                    plist_dict_set_item(record.node, name, plist_new_data(pem.data(), pem.size()));
                }
                // The backup service is started only with the bag the device gave at pairing.
                const std::string bag = patternBytes(32, 5);
                plist_dict_set_item(record.node, "EscrowBag", plist_new_data(bag.data(), bag.size()));
                const std::string xml = xmlOf(record.node);
                Plist answer(plist_new_dict());
                plist_dict_set_item(answer.node, "PairRecordData", plist_new_data(xml.data(), xml.size()));
                reply(header.tag, answer.node);
            } else if (type == "SavePairRecord") {
                const bool known = find(stringItem(request.node, "PairRecordID"));
                result(header.tag, known ? RESULT_OK : RESULT_BADDEV);
                if (known)
                    trust(stringItem(request.node, "PairRecordID"));
            } else if (type == "DeletePairRecord") {
                Device *device = find(stringItem(request.node, "PairRecordID"));
                if (device)
                    device->paired = false;
                result(header.tag, device ? RESULT_OK : RESULT_BADDEV);
            } else if (type == "Connect") {
                const uint16_t port = ntohs(uint16_t(uintItem(request.node, "PortNumber")));
                const uint64_t id = uintItem(request.node, "DeviceID");
                Device *device = id >= 1 && id <= m_devices.size() ? m_devices[id - 1].get() : nullptr;
                if (!device || !listed(*device)) {
                    result(header.tag, RESULT_BADDEV);
                    continue;
                }
                {
                    // Under the lock: an unplug reads it to end the device's streams.
                    std::lock_guard<std::mutex> lock(m_mutex);
                    connection->device = device;
                }
                const auto service = m_servicePorts.find(port);
                const bool lockdown = port == LockdownPort && device->state.refuse != RefuseStage::Lockdown;
                const bool known = service != m_servicePorts.end() &&
                                   !(service->second == "com.apple.afc" && device->state.refuse == RefuseStage::Afc);
                if (!lockdown && !known) {
                    result(header.tag, RESULT_CONNREFUSED);
                    continue;
                }
                if (!result(header.tag, RESULT_OK))
                    return;
                // From here on the socket is a stream to the device's port.
                if (lockdown)
                    serveLockdown(*connection);
                else
                    m_services[service->second](*this, *connection);
                return;
            } else {
                result(header.tag, RESULT_BADCOMMAND);
            }
        }
    }

    void SimulatedDevice::serveLockdown(Connection &connection)
    {
        Device &phone = *connection.device;
        bool session = false;
        const std::string accepted = phone.state.acceptedHostId.empty() ? phone.state.hostId : phone.state.acceptedHostId;
        for (Plist request; m_running && readFrame(connection.fd, request);) {
            const std::string name = stringItem(request.node, "Request");
            Plist answer(plist_new_dict());
            setString(answer.node, "Request", name);
            std::string error;

            if (name == "QueryType") {
                setString(answer.node, "Type", "com.apple.mobile.lockdown");
            } else if (name == "GetValue" && !stringItem(request.node, "Domain").empty()) {
                const std::string key = stringItem(request.node, "Key");
                const auto domain = phone.state.domains.find(stringItem(request.node, "Domain"));
                Plist values;
                if (domain != phone.state.domains.end())
                    plist_from_xml(domain->second.data(), uint32_t(domain->second.size()), &values.node);
                plist_t value = values.node && !key.empty() ? plist_dict_get_item(values.node, key.c_str()) : values.node;
                if (!session)
                    error = "NoRunningSession";
                else if (!value)
                    error = "MissingValue";
                else
                    plist_dict_set_item(answer.node, "Value", plist_copy(value));
                if (!key.empty())
                    setString(answer.node, "Key", key);
            } else if (name == "GetValue") {
                const std::string key = stringItem(request.node, "Key");
                Plist typed;
                const auto global = phone.state.domains.find("");
                if (global != phone.state.domains.end())
                    plist_from_xml(global->second.data(), uint32_t(global->second.size()), &typed.node);
                if (!key.empty()) {
                    setString(answer.node, "Key", key);
                    plist_t typedValue = typed.node ? plist_dict_get_item(typed.node, key.c_str()) : nullptr;
                    const auto value = phone.state.lockdownValues.find(key);
                    if (typedValue)
                        plist_dict_set_item(answer.node, "Value", plist_copy(typedValue));
                    else if (value == phone.state.lockdownValues.end())
                        error = "MissingValue";
                    else
                        setString(answer.node, "Value", value->second);
                } else {
                    plist_t all = typed.node ? plist_copy(typed.node) : plist_new_dict();
                    for (const auto &value : phone.state.lockdownValues)
                        if (!plist_dict_get_item(all, value.first.c_str()))
                            setString(all, value.first.c_str(), value.second);
                    plist_dict_set_item(answer.node, "Value", all);
                }
            } else if (name == "StartSession") {
                if (!phone.paired || stringItem(request.node, "HostID") != accepted) {
                    error = "InvalidHostID";
                } else {
                    session = true;
                    setString(answer.node, "SessionID", "5A1B2C3D-0000-4000-8000-5141AB000003");
                    plist_dict_set_item(answer.node, "EnableSessionSSL", plist_new_bool(0));
                }
            } else if (name == "StopSession") {
                session = false;
            } else if (name == "StartService") {
                const std::string service = stringItem(request.node, "Service");
                setString(answer.node, "Service", service);
                const uint16_t port = portOf(service);
                const bool needsSession =
                    service == "com.apple.mobile.installation_proxy" || service == "com.apple.mobilebackup2";
                if (needsSession && !session) {
                    error = "NoRunningSession";
                } else if (service == "com.apple.mobilebackup2" && !plist_dict_get_item(request.node, "EscrowBag")) {
                    error = "EscrowLocked";
                } else if (phone.state.refuse == RefuseStage::Service || port == 0) {
                    error = "InvalidService";
                } else {
                    plist_dict_set_item(answer.node, "Port", plist_new_uint(port));
                    plist_dict_set_item(answer.node, "EnableServiceSSL", plist_new_bool(0));
                }
            } else if (name != "Goodbye" && name != "ValidatePair") {
                error = "InvalidRequest";
            }
            if (error.empty()) {
                setString(answer.node, "Result", "Success");
            } else {
                // As devices answer since iOS 5: the error alone.
                setString(answer.node, "Error", error);
            }
            if (!writeFrame(connection.fd, answer.node))
                return;
            if (name == "Goodbye")
                return;
        }
    }

    void SimulatedDevice::serveInstallationProxy(Connection &connection)
    {
        Device &phone = *connection.device;
        auto send = [&](plist_t node) { return writeFrame(connection.fd, node); };
        for (Plist request; m_running && readFrame(connection.fd, request);) {
            if (stringItem(request.node, "Command") != "Browse") {
                Plist answer(plist_new_dict());
                setString(answer.node, "Error", "UnknownCommand");
                if (!send(answer.node))
                    return;
                continue;
            }
            Plist listing(plist_new_dict());
            setString(listing.node, "Status", "BrowsingApplications");
            plist_t list = plist_new_array();
            for (const std::string &app : phone.state.apps) {
                plist_t entry = plist_new_dict();
                setString(entry, "CFBundleIdentifier", app);
                plist_array_append_item(list, entry);
            }
            plist_dict_set_item(listing.node, "CurrentList", list);
            plist_dict_set_item(listing.node, "CurrentAmount", plist_new_uint(phone.state.apps.size()));
            plist_dict_set_item(listing.node, "Total", plist_new_uint(phone.state.apps.size()));
            Plist complete(plist_new_dict());
            setString(complete.node, "Status", "Complete");
            if (!send(listing.node) || !send(complete.node))
                return;
        }
    }

    void SimulatedDevice::serveAfc(Connection &connection)
    {
        Device &phone = *connection.device;
        // A device without a file system serves none, never the host's.
        if (phone.state.root.empty())
            return;
        AfcHeader header {};
        auto reply = [&](uint64_t operation, const std::string &payload) {
            if (phone.state.delayMs > 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(phone.state.delayMs));
            // The whole payload follows a header that counts only itself.
            AfcHeader answer {};
            std::memcpy(answer.magic, AfcMagic, sizeof answer.magic);
            answer.entireLength = htole64(sizeof answer + payload.size());
            answer.thisLength = htole64(sizeof answer);
            answer.packetNum = htole64(header.packetNum);
            answer.operation = htole64(operation);
            return writeAll(connection.fd, &answer, sizeof answer) && writeAll(connection.fd, payload.data(), payload.size());
        };
        auto status = [&](uint64_t code) { return reply(AfcStatus, le64(code)); };
        uint64_t nextHandle = 1;

        while (m_running && readExact(connection.fd, &header, sizeof header)) {
            header.entireLength = le64toh(header.entireLength);
            header.packetNum = le64toh(header.packetNum);
            header.operation = le64toh(header.operation);
            if (std::memcmp(header.magic, AfcMagic, sizeof header.magic) != 0 || header.entireLength < sizeof header ||
                header.entireLength > MaxAfcPacket)
                break;
            std::string payload(header.entireLength - sizeof header, '\0');
            if (!readExact(connection.fd, payload.data(), payload.size()))
                break;
            bool sent = true;
            switch (header.operation) {
            case AfcReadDir: {
                const std::string local = confined(phone.state.root, payload);
                std::error_code ec;
                if (local.empty() || !fs::is_directory(local, ec)) {
                    sent = status(AfcNotFound);
                    break;
                }
                std::string names = std::string(".") + '\0' + ".." + '\0';
                for (const auto &entry : fs::directory_iterator(local, ec))
                    names += entry.path().filename().string() + '\0';
                sent = reply(AfcData, names);
                break;
            }
            case AfcGetFileInfo: {
                const std::string local = confined(phone.state.root, payload);
                struct stat info {};
                if (local.empty() || ::lstat(local.c_str(), &info) != 0) {
                    sent = status(AfcNotFound);
                    break;
                }
                const char *kind = S_ISDIR(info.st_mode) ? "S_IFDIR" : S_ISLNK(info.st_mode) ? "S_IFLNK" : "S_IFREG";
                const std::string mtime = std::to_string(int64_t(info.st_mtime) * 1000000000LL);
                std::string text;
                for (const std::string &item :
                     {std::string("st_size"), std::to_string(info.st_size), std::string("st_blocks"),
                      std::to_string(info.st_blocks), std::string("st_nlink"), std::to_string(info.st_nlink),
                      std::string("st_ifmt"), std::string(kind), std::string("st_mtime"), mtime,
                      std::string("st_birthtime"), mtime})
                    text += item + '\0';
                sent = reply(AfcData, text);
                break;
            }
            case AfcGetDevInfo: {
                std::string text;
                for (const char *item : {"Model", "iPhone12,1", "FSTotalBytes", "64000000000", "FSFreeBytes",
                                         "32000000000", "FSBlockSize", "4096"})
                    text += std::string(item) + '\0';
                sent = reply(AfcData, text);
                break;
            }
            case AfcFileOpen: {
                if (readLe64(payload, 0) != AfcReadOnly) {
                    sent = status(AfcPermissionDenied);
                    break;
                }
                const std::string local = payload.size() > 8 ? confined(phone.state.root, payload.substr(8)) : "";
                std::error_code ec;
                if (!local.empty() && fs::is_directory(local, ec)) {
                    sent = status(AfcIsDirectory);
                    break;
                }
                const int fd = local.empty() ? -1 : ::open(local.c_str(), O_RDONLY | O_CLOEXEC);
                if (fd < 0) {
                    sent = status(AfcNotFound);
                    break;
                }
                connection.files[nextHandle] = fd;
                sent = reply(AfcFileOpenResult, le64(nextHandle++));
                break;
            }
            case AfcRead: {
                const auto file = connection.files.find(readLe64(payload, 0));
                if (file == connection.files.end()) {
                    sent = status(AfcInvalidArgument);
                    break;
                }
                uint64_t wanted = std::min<uint64_t>(readLe64(payload, 8), MaxAfcRead);
                const int64_t served = phone.servedBytes;
                if (phone.state.readErrorAfterBytes >= 0) {
                    if (served >= phone.state.readErrorAfterBytes) {
                        sent = status(AfcReadError);
                        break;
                    }
                    wanted = std::min<uint64_t>(wanted, uint64_t(phone.state.readErrorAfterBytes - served));
                }
                if (phone.state.dropAfterBytes >= 0)
                    wanted = std::min<uint64_t>(wanted, uint64_t(std::max<int64_t>(0, phone.state.dropAfterBytes - served)));
                std::string bytes(wanted, '\0');
                const ssize_t got = wanted ? ::read(file->second, bytes.data(), wanted) : 0;
                bytes.resize(got > 0 ? size_t(got) : 0);
                phone.servedBytes += int64_t(bytes.size());
                sent = reply(AfcData, bytes);
                if (phone.state.dropAfterBytes >= 0 && phone.servedBytes >= phone.state.dropAfterBytes)
                    unplug(phone);
                break;
            }
            case AfcFileClose: {
                const auto file = connection.files.find(readLe64(payload, 0));
                if (file == connection.files.end()) {
                    sent = status(AfcInvalidArgument);
                    break;
                }
                ::close(file->second);
                connection.files.erase(file);
                sent = status(AfcSuccess);
                break;
            }
            default:
                // A read-only device: writes, removals and renames are refused too.
                sent = status(header.operation == 0 || header.operation > 0x40 ? AfcUnknownPacket : AfcPermissionDenied);
                break;
            }
            if (!sent)
                break;
        }
        for (const auto &file : connection.files)
            ::close(file.second);
        connection.files.clear();
    }
    void SimulatedDevice::serveNotificationProxy(Connection &connection)
    {
        Device &phone = *connection.device;
        for (Plist request; m_running && readFrame(connection.fd, request);) {
            const std::string command = stringItem(request.node, "Command");
            if (command == "ObserveNotification") {
                std::lock_guard<std::mutex> lock(phone.observerMutex);
                phone.observers[&connection].insert(stringItem(request.node, "Name"));
            } else if (command == "Shutdown") {
                Plist death(plist_new_dict());
                setString(death.node, "Command", "ProxyDeath");
                std::lock_guard<std::mutex> write(connection.writeMutex);
                writeFrame(connection.fd, death.node);
                break;
            }
        }
        std::lock_guard<std::mutex> lock(phone.observerMutex);
        phone.observers.erase(&connection);
    }

    void SimulatedDevice::relayNotification(Device &phone, const std::string &name)
    {
        Plist relay(plist_new_dict());
        setString(relay.node, "Command", "RelayNotification");
        setString(relay.node, "Name", name);
        std::lock_guard<std::mutex> lock(phone.observerMutex);
        for (const auto &observer : phone.observers) {
            if (observer.second.count(name)) {
                std::lock_guard<std::mutex> write(observer.first->writeMutex);
                writeFrame(observer.first->fd, relay.node);
            }
        }
    }

    void SimulatedDevice::serveBackup(Connection &connection)
    {
        Device &phone = *connection.device;
        const int fd = connection.fd;
        Plist exchange(message("DLMessageVersionExchange", {plist_new_uint(300), plist_new_uint(0)}));
        if (!writeFrame(fd, exchange.node))
            return;
        Plist answer;
        if (!readFrame(fd, answer) || messageName(answer.node) != "DLMessageVersionExchange")
            return;
        Plist ready(message("DLMessageDeviceReady", {}));
        if (!writeFrame(fd, ready.node))
            return;
        for (Plist request; m_running && readFrame(fd, request);) {
            const std::string name = messageName(request.node);
            if (name == "DLMessageDisconnect")
                return;
            if (name != "DLMessageProcessMessage")
                continue;
            plist_t body = plist_array_get_item(request.node, 1);
            const std::string what = stringItem(body, "MessageName");
            if (what == "Hello") {
                plist_t response = plist_new_dict();
                setString(response, "MessageName", "Response");
                plist_dict_set_item(response, "ErrorCode", plist_new_uint(0));
                plist_dict_set_item(response, "ProtocolVersion", plist_new_real(2.1));
                Plist reply(message("DLMessageProcessMessage", {response}));
                if (!writeFrame(fd, reply.node))
                    return;
            } else if (what == "Backup") {
                runBackup(connection, phone);
            }
        }
    }

    // Sends <root>/Backup as the device's backup, as a device does: the
    // folders, Status.plist "uploading", the files, the manifests, Status.plist
    // "finished", then the final error code. Every message waits for the
    // host's status response.
    void SimulatedDevice::runBackup(Connection &connection, Device &phone)
    {
        const int fd = connection.fd;
        const SimulatedDeviceState &state = phone.state;
        const std::string &udid = state.udid;
        const fs::path folder = fs::path(state.root) / "Backup";

        std::vector<std::pair<std::string, std::string>> files; // device path, local path
        std::set<std::string> folders;
        uint64_t total = 0;
        std::error_code ec;
        for (const auto &entry : fs::recursive_directory_iterator(folder, ec)) {
            if (!entry.is_regular_file(ec))
                continue;
            total += entry.file_size(ec);
            const std::string relative = entry.path().lexically_relative(folder).string();
            if (relative.find('/') == std::string::npos)
                continue; // the manifests go last; Info.plist and Status.plist are the host's and the device's own
            files.emplace_back(udid + "/" + relative, entry.path().string());
            folders.insert(udid + "/" + relative.substr(0, relative.find('/')));
        }
        std::sort(files.begin(), files.end());
        for (const char *manifest : {"Manifest.plist", "Manifest.db"})
            if (fs::is_regular_file(folder / manifest, ec))
                files.emplace_back(udid + "/" + manifest, (folder / manifest).string());

        uint64_t sent = 0;
        auto progress = [&] { return plist_new_real(total ? std::min(100.0, 100.0 * double(sent) / double(total)) : 100.0); };
        auto finish = [&](uint64_t code, const std::string &description) {
            plist_t result = plist_new_dict();
            plist_dict_set_item(result, "ErrorCode", plist_new_uint(code));
            if (!description.empty())
                setString(result, "ErrorDescription", description);
            Plist last(message("DLMessageProcessMessage", {result}));
            writeFrame(fd, last.node);
        };
        auto answered = [&] {
            int64_t code = -1;
            Plist status;
            return readStatus(fd, code, status) && code == 0;
        };
        auto block = [&](const std::string &bytes) { return writeAll(fd, bytes.data(), bytes.size()); };
        // One file in one message: name, path, data blocks, the end block, the end of the list.
        auto upload = [&](const std::string &devicePath, std::istream &content) {
            Plist upload(message("DLMessageUploadFiles", {plist_new_dict(), progress()}));
            if (!writeFrame(fd, upload.node))
                return false;
            if (!block(be32(uint32_t(devicePath.size())) + devicePath) ||
                !block(be32(uint32_t(devicePath.size())) + devicePath))
                return false;
            std::vector<char> chunk(64 * 1024);
            while (content) {
                content.read(chunk.data(), std::streamsize(chunk.size()));
                const size_t got = size_t(content.gcount());
                if (got == 0)
                    break;
                if (!block(be32(uint32_t(got + 1)) + '\x0c' + std::string(chunk.data(), got)))
                    return false;
                sent += got;
            }
            return block(be32(1) + '\0' + be32(0)) && answered();
        };
        auto uploadText = [&](const std::string &devicePath, const std::string &text) {
            std::istringstream content(text);
            return upload(devicePath, content);
        };

        Plist space(message("DLMessageGetFreeDiskSpace", {progress()}));
        int64_t code = -1;
        Plist status;
        if (!writeFrame(fd, space.node) || !readStatus(fd, code, status))
            return;
        uint64_t freeBytes = 0;
        plist_t freeNode = plist_array_get_item(status.node, 3);
        if (freeNode && plist_get_node_type(freeNode) == PLIST_UINT)
            plist_get_uint_val(freeNode, &freeBytes);
        if (code != 0 || freeBytes < total) {
            finish(105, "Insufficient free disk space on drive to upload files");
            return;
        }

        if (state.passcodePromptMs >= 0) {
            // The host observes the prompt before it asks for the backup; give its request time to land.
            for (int waited = 0; waited < 3000; waited += 10) {
                {
                    std::lock_guard<std::mutex> lock(phone.observerMutex);
                    if (!phone.observers.empty())
                        break;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
            relayNotification(phone, "com.apple.LocalAuthentication.ui.presented");
            std::this_thread::sleep_for(std::chrono::milliseconds(state.passcodePromptMs));
            relayNotification(phone, "com.apple.LocalAuthentication.ui.dismissed");
        }

        std::vector<std::string> made = {udid};
        made.insert(made.end(), folders.begin(), folders.end());
        for (const std::string &path : made) {
            Plist create(message("DLMessageCreateDirectory", {plist_new_string(path.c_str()), progress()}));
            if (!writeFrame(fd, create.node) || !answered())
                return;
        }
        if (!uploadText(udid + "/Status.plist", statusPlist("uploading")))
            return;

        // Ends the backup as a knob says, once this many files went out.
        auto knobsEnd = [&](int count) {
            if (state.backupDropAfterFiles >= 0 && count >= state.backupDropAfterFiles) {
                unplug(phone);
                return true;
            }
            if (state.backupErrorAfterFiles >= 0 && count >= state.backupErrorAfterFiles) {
                finish(uint64_t(state.backupErrorCode),
                       state.backupErrorCode == 105 ? "Insufficient free disk space on drive to upload files"
                                                    : "The backup failed on the device");
                return true;
            }
            return false;
        };
        int count = 0;
        for (const auto &file : files) {
            if (knobsEnd(count))
                return;
            if (state.backupFileDelayMs > 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(state.backupFileDelayMs));
            std::ifstream content(file.second, std::ios::binary);
            if (!m_running || !upload(file.first, content))
                return;
            ++count;
        }
        if (!state.backupExtraPath.empty() && !uploadText(state.backupExtraPath, "not part of the backup\n"))
            return;
        if (knobsEnd(count))
            return;
        sent = total;
        if (!uploadText(udid + "/Status.plist", statusPlist("finished")))
            return;
        finish(0, {});
    }
}

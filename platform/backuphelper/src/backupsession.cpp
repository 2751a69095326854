#include "backupsession.h"

#include <libimobiledevice/libimobiledevice.h>
#include <libimobiledevice/lockdown.h>
#include <libimobiledevice/mobilebackup2.h>
#include <libimobiledevice/notification_proxy.h>
#include <libimobiledevice/property_list_service.h>
#include <plist/plist.h>
#include <plistguard.h>
#include <usbmuxd.h>

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/statvfs.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

bool parseBackupRequest(const std::string &argument, BackupRequest &out)
{
    std::vector<std::string> parts;
    std::string part;
    std::istringstream stream(argument);
    while (std::getline(stream, part, '|'))
        parts.push_back(part);
    if (parts.size() % 2 != 0)
        return false;
    BackupRequest request;
    for (size_t i = 0; i < parts.size(); i += 2) {
        const std::string &key = parts[i];
        const std::string &value = parts[i + 1];
        if (key == "-path")
            request.path = value;
        else if (key == "-target")
            request.target = value;
        else if (key == "-backuptype")
            request.backupType = value;
        else if (key == "-a")
            request.full = value == "full";
        else
            return false;
    }
    if (request.path.empty() || request.target.empty() || request.target == "." || request.target == ".."
        || request.target.find('/') != std::string::npos)
        return false;
    out = request;
    return true;
}

std::string resolveDevicePath(const std::string &root, const std::string &udid, const std::string &devicePath)
{
    std::vector<std::string> parts;
    std::string part;
    std::istringstream stream(devicePath);
    while (std::getline(stream, part, '/'))
        parts.push_back(part);
    if (devicePath.empty() || devicePath.back() == '/' || parts.empty() || parts.front() != udid)
        return {};
    std::string resolved = root;
    for (size_t i = 1; i < parts.size(); ++i) {
        if (parts[i].empty() || parts[i] == "." || parts[i] == "..")
            return {};
        resolved += '/' + parts[i];
    }
    return resolved;
}

std::string partialFolder(const BackupRequest &request)
{
    return request.path + "/." + request.target + ".partial";
}

namespace
{
    const char *kPasscodeShown = "com.apple.LocalAuthentication.ui.presented";

    // A string node's text up to its first NUL, "" for anything else. Not
    // plist_get_string_val: libplist aborts on a NUL inside the text.
    std::string stringOf(plist_t node)
    {
        uint64_t length = 0;
        const char *text = node && plist_get_node_type(node) == PLIST_STRING ? plist_get_string_ptr(node, &length)
                                                                              : nullptr;
        return text ? std::string(text, strnlen(text, size_t(length))) : std::string();
    }

    struct Failure
    {
        int code;
        std::string reason;
    };

    class Session
    {
    public:
        Session(const BackupRequest &request, const std::function<void(const std::string &)> &emit,
                const std::atomic<bool> &stop)
            : m_request(request), m_emit(emit), m_stop(stop), m_root(partialFolder(request))
        {
        }

        ~Session()
        {
            if (m_backup)
                mobilebackup2_client_free(m_backup);
            m_watching = false;
            if (m_watcher.joinable())
                m_watcher.join();
            if (m_notifications)
                property_list_service_client_free(m_notifications);
            if (m_lockdown)
                lockdownd_client_free(m_lockdown);
            if (m_device)
                idevice_free(m_device);
            if (m_values)
                plist_free(m_values);
        }

        int run();

    private:
        void fail(int code, const std::string &reason) { throw Failure {code, reason}; }
        void connect();
        void serve();
        bool handle(plist_t message, const std::string &name);
        void receiveFiles();
        void refuseDownloads(plist_t message);
        void readExactly(char *data, uint32_t length);
        uint32_t readLength();
        void status(int code, const char *text, plist_t payload);
        void progress(plist_t message);
        void finish();
        std::string local(plist_t node);
        void watchNotifications();

        const BackupRequest &m_request;
        const std::function<void(const std::string &)> &m_emit;
        const std::atomic<bool> &m_stop;
        const std::string m_root;
        idevice_t m_device = nullptr;
        lockdownd_client_t m_lockdown = nullptr;
        // The notification proxy, read by a thread of ours: the library's own
        // notifier may still read the connection while its client is freed.
        property_list_service_client_t m_notifications = nullptr;
        std::thread m_watcher;
        std::atomic<bool> m_watching {false};
        mobilebackup2_client_t m_backup = nullptr;
        plist_t m_values = nullptr;
        double m_progress = -1;
        bool m_firstFile = true;
        int m_deviceError = -1;
        std::string m_deviceDescription;
    };

    void Session::watchNotifications()
    {
        while (m_watching) {
            plist_t message = nullptr;
            const property_list_service_error_t got =
                property_list_service_receive_plist_with_timeout(m_notifications, &message, 200);
            if (got != PROPERTY_LIST_SERVICE_E_SUCCESS && got != PROPERTY_LIST_SERVICE_E_RECEIVE_TIMEOUT) {
                plist_free(message);
                return; // the proxy went away; the backup itself tells whether the device did
            }
            if (message && stringOf(plist_dict_get_item(message, "Command")) == "RelayNotification"
                && stringOf(plist_dict_get_item(message, "Name")) == kPasscodeShown)
                m_emit("2|1");
            plist_free(message);
        }
    }

    void Session::connect()
    {
        const char *udid = m_request.target.c_str();
        if (idevice_new_with_options(&m_device, udid, IDEVICE_LOOKUP_USBMUX) != IDEVICE_E_SUCCESS)
            fail(DeviceNotFound, "device not found");
        // Pairing is the user's choice on the device: without a record the
        // device is not trusted, and this program never asks.
        char *record = nullptr;
        uint32_t size = 0;
        if (usbmuxd_read_pair_record(udid, &record, &size) != 0 || !record) {
            free(record);
            fail(NotTrusted, "device not trusted");
        }
        free(record);
        if (lockdownd_client_new_with_handshake(m_device, &m_lockdown, "Harrowmoss") != LOCKDOWN_E_SUCCESS)
            fail(NotTrusted, "device not trusted");
        lockdownd_get_value(m_lockdown, nullptr, nullptr, &m_values);

        lockdownd_service_descriptor_t service = nullptr;
        if (lockdownd_start_service(m_lockdown, NP_SERVICE_NAME, &service) == LOCKDOWN_E_SUCCESS && service) {
            if (property_list_service_client_new(m_device, service, &m_notifications)
                == PROPERTY_LIST_SERVICE_E_SUCCESS) {
                plist_t observe = plist_new_dict();
                plist_dict_set_item(observe, "Command", plist_new_string("ObserveNotification"));
                plist_dict_set_item(observe, "Name", plist_new_string(kPasscodeShown));
                if (property_list_service_send_xml_plist(m_notifications, observe) == PROPERTY_LIST_SERVICE_E_SUCCESS) {
                    m_watching = true;
                    m_watcher = std::thread(&Session::watchNotifications, this);
                }
                plist_free(observe);
            }
            lockdownd_service_descriptor_free(service);
        }
        service = nullptr;
        if (lockdownd_start_service_with_escrow_bag(m_lockdown, MOBILEBACKUP2_SERVICE_NAME, &service)
                != LOCKDOWN_E_SUCCESS
            || !service)
            fail(ServiceNotStarted, "backup service not started");
        const mobilebackup2_error_t made = mobilebackup2_client_new(m_device, service, &m_backup);
        lockdownd_service_descriptor_free(service);
        if (made != MOBILEBACKUP2_E_SUCCESS)
            fail(ServiceNotStarted, "backup service not started");
        double versions[] = {2.0, 2.1};
        double remote = 0;
        if (mobilebackup2_version_exchange(m_backup, versions, 2, &remote) != MOBILEBACKUP2_E_SUCCESS)
            fail(ServiceNotStarted, "backup service not started");
    }

    void Session::status(int code, const char *text, plist_t payload)
    {
        if (!payload)
            payload = plist_new_dict();
        const mobilebackup2_error_t sent = mobilebackup2_send_status_response(m_backup, code, text, payload);
        plist_free(payload);
        if (sent != MOBILEBACKUP2_E_SUCCESS)
            fail(DeviceLost, "device lost");
    }

    void Session::progress(plist_t message)
    {
        const uint32_t size = plist_array_get_size(message);
        if (size < 2)
            return;
        plist_t last = plist_array_get_item(message, size - 1);
        if (plist_get_node_type(last) != PLIST_REAL)
            return;
        double value = 0;
        plist_get_real_val(last, &value);
        if (value > m_progress) {
            m_progress = value;
            char text[64];
            std::snprintf(text, sizeof text, "1|%g", value);
            m_emit(text);
        }
    }

    std::string Session::local(plist_t node)
    {
        const std::string devicePath = stringOf(node);
        const std::string resolved = resolveDevicePath(m_root, m_request.target, devicePath);
        if (resolved.empty())
            fail(PathOutside, "device path outside the backup: " + devicePath);
        return resolved;
    }

    void Session::readExactly(char *data, uint32_t length)
    {
        while (length > 0) {
            if (m_stop)
                throw Failure {0, {}};
            uint32_t got = 0;
            const mobilebackup2_error_t error = mobilebackup2_receive_raw(m_backup, data, length, &got);
            if (error != MOBILEBACKUP2_E_SUCCESS || got == 0)
                fail(DeviceLost, "device lost");
            data += got;
            length -= got;
        }
    }

    uint32_t Session::readLength()
    {
        uint32_t value = 0;
        readExactly(reinterpret_cast<char *>(&value), 4);
        return ntohl(value);
    }

    void Session::receiveFiles()
    {
        // Lengths are the device's word: names are bounded and blocks read in
        // pieces, so a bad length cannot make this program allocate gigabytes.
        constexpr uint32_t kPiece = 64 * 1024;
        std::vector<char> buffer(kPiece);
        for (;;) {
            const uint32_t nameLength = readLength();
            if (nameLength == 0)
                break;
            if (nameLength > kPiece)
                fail(DeviceLost, "device sent a bad file name");
            readExactly(buffer.data(), nameLength); // the device's own name for the file
            const uint32_t pathLength = readLength();
            if (pathLength == 0 || pathLength > kPiece)
                fail(DeviceLost, "device sent a bad file name");
            std::string devicePath(pathLength, '\0');
            readExactly(devicePath.data(), pathLength);
            const std::string path = resolveDevicePath(m_root, m_request.target, devicePath);
            if (path.empty())
                fail(PathOutside, "device path outside the backup: " + devicePath);
            if (m_firstFile) {
                m_firstFile = false;
                m_emit("2|2");
            }
            std::error_code ignored;
            fs::create_directories(fs::path(path).parent_path(), ignored);
            struct Descriptor
            {
                int fd;
                ~Descriptor()
                {
                    if (fd >= 0)
                        ::close(fd);
                }
            } file {::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0644)};
            if (file.fd < 0)
                fail(WriteFailed, errno == ENOSPC ? "not enough space on the computer" : std::strerror(errno));
            int writeError = 0;
            for (;;) {
                const uint32_t blockLength = readLength();
                if (blockLength == 0)
                    fail(DeviceLost, "device sent a bad block");
                char code = 0;
                readExactly(&code, 1);
                for (uint32_t left = blockLength - 1; left > 0;) {
                    const uint32_t piece = std::min(left, kPiece);
                    readExactly(buffer.data(), piece);
                    left -= piece;
                    const char *data = buffer.data();
                    size_t unwritten = code == 0x0C ? piece : 0; // 0x06 carries the device's error text
                    while (unwritten > 0 && writeError == 0) {
                        const ssize_t written = ::write(file.fd, data, unwritten);
                        if (written < 0) {
                            if (errno != EINTR)
                                writeError = errno;
                            continue;
                        }
                        data += written;
                        unwritten -= static_cast<size_t>(written);
                    }
                }
                if (code != 0x0C)
                    break; // 0x00 ends the file
            }
            const int fd = file.fd;
            file.fd = -1;
            if (::close(fd) != 0 && writeError == 0)
                writeError = errno;
            if (writeError != 0) {
                // The device is told before the backup ends.
                status(-1, std::strerror(writeError), nullptr);
                fail(WriteFailed,
                     writeError == ENOSPC ? "not enough space on the computer" : std::strerror(writeError));
            }
        }
        status(0, nullptr, nullptr);
    }

    void Session::refuseDownloads(plist_t message)
    {
        plist_t files = plist_array_get_item(message, 1);
        plist_t errors = plist_new_dict();
        const uint32_t count = plist_get_node_type(files) == PLIST_ARRAY ? plist_array_get_size(files) : 0;
        for (uint32_t i = 0; i < count; ++i) {
            plist_t item = plist_array_get_item(files, i);
            if (plist_get_node_type(item) != PLIST_STRING)
                continue;
            const std::string name = stringOf(item);
            const std::string text = "not found";
            uint32_t length = htonl(static_cast<uint32_t>(name.size()));
            uint32_t sent = 0;
            mobilebackup2_send_raw(m_backup, reinterpret_cast<char *>(&length), 4, &sent);
            mobilebackup2_send_raw(m_backup, name.data(), static_cast<uint32_t>(name.size()), &sent);
            length = htonl(static_cast<uint32_t>(text.size() + 1));
            const char code = 0x06;
            mobilebackup2_send_raw(m_backup, reinterpret_cast<char *>(&length), 4, &sent);
            mobilebackup2_send_raw(m_backup, &code, 1, &sent);
            mobilebackup2_send_raw(m_backup, text.data(), static_cast<uint32_t>(text.size()), &sent);
            plist_t entry = plist_new_dict();
            plist_dict_set_item(entry, "DLFileErrorString", plist_new_string(text.c_str()));
            plist_dict_set_item(entry, "DLFileErrorCode", plist_new_uint(static_cast<uint64_t>(-6)));
            plist_dict_set_item(errors, name.c_str(), entry);
        }
        uint32_t zero = 0, sent = 0;
        mobilebackup2_send_raw(m_backup, reinterpret_cast<char *>(&zero), 4, &sent);
        if (count == 0) {
            plist_free(errors);
            status(0, nullptr, nullptr);
        } else {
            status(-13, "Multi status", errors);
        }
    }

    bool Session::handle(plist_t message, const std::string &name)
    {
        std::error_code error;
        if (name == "DLMessageUploadFiles") {
            progress(message);
            receiveFiles();
        } else if (name == "DLMessageDownloadFiles") {
            progress(message);
            refuseDownloads(message);
        } else if (name == "DLMessageGetFreeDiskSpace") {
            struct statvfs volume = {};
            uint64_t free = 0;
            if (::statvfs(m_root.c_str(), &volume) == 0)
                free = static_cast<uint64_t>(volume.f_bavail) * volume.f_frsize;
            status(0, nullptr, plist_new_uint(free));
        } else if (name == "DLMessageCreateDirectory") {
            progress(message);
            const std::string path = local(plist_array_get_item(message, 1));
            fs::create_directories(path, error);
            status(error ? -1 : 0, error ? error.message().c_str() : nullptr, nullptr);
        } else if (name == "DLMessageMoveFiles" || name == "DLMessageMoveItems") {
            progress(message);
            plist_t moves = plist_array_get_item(message, 1);
            if (moves && PlistGuard::holdsNul(moves)) {
                status(-1, "damaged move request", nullptr);
                return true;
            }
            plist_dict_iter it = nullptr;
            plist_dict_new_iter(moves, &it);
            int code = 0;
            for (;;) {
                char *key = nullptr;
                plist_t value = nullptr;
                plist_dict_next_item(moves, it, &key, &value);
                if (!key)
                    break;
                plist_t from = plist_new_string(key);
                free(key);
                const std::string source = local(from);
                plist_free(from);
                const std::string target = local(value);
                fs::remove_all(target, error);
                fs::rename(source, target, error);
                if (error)
                    code = -1;
            }
            free(it);
            status(code, nullptr, nullptr);
        } else if (name == "DLMessageRemoveFiles" || name == "DLMessageRemoveItems") {
            progress(message);
            plist_t paths = plist_array_get_item(message, 1);
            for (uint32_t i = 0; i < plist_array_get_size(paths); ++i)
                fs::remove_all(local(plist_array_get_item(paths, i)), error);
            status(0, nullptr, nullptr);
        } else if (name == "DLMessageCopyItem") {
            progress(message);
            const std::string source = local(plist_array_get_item(message, 1));
            const std::string target = local(plist_array_get_item(message, 2));
            fs::copy(source, target, fs::copy_options::recursive | fs::copy_options::overwrite_existing, error);
            status(error ? -1 : 0, nullptr, nullptr);
        } else if (name == "DLMessageContentsOfDirectory") {
            const std::string path = local(plist_array_get_item(message, 1));
            plist_t listing = plist_new_dict();
            for (const fs::directory_entry &entry : fs::directory_iterator(path, error)) {
                plist_t info = plist_new_dict();
                const bool folder = entry.is_directory(error);
                plist_dict_set_item(info, "DLFileType",
                                    plist_new_string(folder ? "DLFileTypeDirectory" : "DLFileTypeRegular"));
                plist_dict_set_item(info, "DLFileSize", plist_new_uint(folder ? 0 : entry.file_size(error)));
                plist_dict_set_item(listing, entry.path().filename().c_str(), info);
            }
            status(0, nullptr, listing);
        } else if (name == "DLMessageProcessMessage") {
            plist_t body = plist_array_get_item(message, 1);
            plist_t code = plist_dict_get_item(body, "ErrorCode");
            uint64_t value = 0;
            if (code && plist_get_node_type(code) == PLIST_UINT)
                plist_get_uint_val(code, &value);
            m_deviceError = static_cast<int>(value);
            m_deviceDescription = stringOf(plist_dict_get_item(body, "ErrorDescription"));
            if (m_deviceDescription.empty())
                m_deviceDescription = "backup failed";
            return false;
        } else if (name == "DLMessageDisconnect") {
            fail(DeviceLost, "device lost");
        }
        return true;
    }

    void Session::serve()
    {
        plist_t options = plist_new_dict();
        plist_dict_set_item(options, "ForceFullBackup", plist_new_bool(1));
        const mobilebackup2_error_t sent = mobilebackup2_send_request(
            m_backup, "Backup", m_request.target.c_str(), m_request.target.c_str(), options);
        plist_free(options);
        if (sent != MOBILEBACKUP2_E_SUCCESS)
            fail(DeviceLost, "device lost");
        for (;;) {
            if (m_stop)
                throw Failure {0, {}};
            plist_t message = nullptr;
            char *name = nullptr;
            const mobilebackup2_error_t got = mobilebackup2_receive_message(m_backup, &message, &name);
            if (got == MOBILEBACKUP2_E_RECEIVE_TIMEOUT) {
                free(name);
                plist_free(message);
                continue;
            }
            if (got != MOBILEBACKUP2_E_SUCCESS || !message || !name) {
                free(name);
                plist_free(message);
                fail(DeviceLost, "device lost");
            }
            const std::string messageName = name;
            free(name);
            bool more = true;
            try {
                more = handle(message, messageName);
            } catch (...) {
                plist_free(message);
                throw;
            }
            plist_free(message);
            if (!more)
                return;
        }
    }

    void Session::finish()
    {
        if (m_deviceError != 0)
            fail(m_deviceError, m_deviceDescription);
        if (readSnapshotState(m_root + "/Status.plist") != "finished")
            fail(DeviceLost, "backup not finished");

        plist_t info = plist_new_dict();
        static const std::pair<const char *, const char *> keys[] = {
            {"DeviceName", "Device Name"},     {"DeviceName", "Display Name"},
            {"ProductType", "Product Type"},   {"ProductVersion", "Product Version"},
            {"BuildVersion", "Build Version"}, {"SerialNumber", "Serial Number"},
            {"UniqueDeviceID", "Unique Identifier"}, {"PhoneNumber", "Phone Number"},
            {"InternationalMobileEquipmentIdentity", "IMEI"}};
        for (const auto &[from, to] : keys) {
            plist_t value = m_values ? plist_dict_get_item(m_values, from) : nullptr;
            if (value && plist_get_node_type(value) == PLIST_STRING)
                plist_dict_set_item(info, to, plist_copy(value));
        }
        if (!plist_dict_get_item(info, "Unique Identifier"))
            plist_dict_set_item(info, "Unique Identifier", plist_new_string(m_request.target.c_str()));
        const std::string target = m_request.target;
        plist_dict_set_item(info, "Target Identifier", plist_new_string(target.c_str()));
        plist_dict_set_item(info, "Target Type", plist_new_string("Device"));
        plist_dict_set_item(info, "Last Backup Date", plist_new_date(static_cast<int32_t>(std::time(nullptr) - 978307200), 0));
        char *xml = nullptr;
        uint32_t length = 0;
        plist_to_xml(info, &xml, &length);
        plist_free(info);
        {
            std::ofstream file(m_root + "/Info.plist", std::ios::binary | std::ios::trunc);
            file.write(xml, length);
            file.close();
            free(xml);
            if (!file)
                fail(WriteFailed, errno == ENOSPC ? "not enough space on the computer" : "cannot write Info.plist");
        }

        // An older backup is replaced only now, when the new one is whole.
        const std::string final = m_request.path + "/" + target;
        const std::string old = m_request.path + "/." + target + ".old";
        std::error_code error;
        fs::remove_all(old, error);
        const bool hadOld = fs::exists(final, error);
        if (hadOld)
            fs::rename(final, old, error);
        fs::rename(m_root, final, error);
        if (error) {
            if (hadOld)
                fs::rename(old, final, error);
            fail(WriteFailed, "cannot move the backup into place");
        }
        fs::remove_all(old, error);
    }

    int Session::run()
    {
        try {
            connect();
            std::error_code error;
            fs::create_directories(m_request.path, error);
            fs::remove_all(m_root, error);
            if (!fs::create_directory(m_root, error))
                fail(WriteFailed, "cannot create " + m_root);
            serve();
            finish();
            return 0;
        } catch (const Failure &failure) {
            if (!m_stop) {
                // Reasons carry the device's words; a line break in them would forge a line of its own.
                std::string reason = failure.reason;
                std::replace_if(reason.begin(), reason.end(), [](unsigned char c) { return c < 0x20 || c == 0x7f; }, ' ');
                m_emit("Error: " + reason + ", " + std::to_string(failure.code));
            }
            std::error_code error;
            fs::remove_all(m_root, error);
            return 1;
        }
    }
}

int runBackup(const BackupRequest &request, const std::function<void(const std::string &)> &emit,
              const std::atomic<bool> &stop)
{
    Session session(request, emit, stop);
    return session.run();
}

std::string readSnapshotState(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    const std::string data((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    plist_t root = nullptr;
    if (!data.empty() && PlistGuard::acceptable(data.data(), data.size()))
        plist_from_memory(data.data(), static_cast<uint32_t>(data.size()), &root);
    const std::string state = root ? stringOf(plist_dict_get_item(root, "SnapshotState")) : std::string();
    if (root)
        plist_free(root);
    return state;
}

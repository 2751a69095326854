// quorlin-watch and simdevice as programs: events of several devices
// plugged, trusted and unplugged, and of the muxer going away and returning.

#include <cjson/cJSON.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

extern char **environ;

namespace
{
    std::string env(const char *name)
    {
        const char *value = std::getenv(name);
        return value ? value : "";
    }

    // A child process with its stdin and stdout on pipes.
    class Child
    {
    public:
        explicit Child(std::vector<std::string> args)
        {
            int in[2], out[2];
            if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0)
                return;
            posix_spawn_file_actions_t actions;
            posix_spawn_file_actions_init(&actions);
            posix_spawn_file_actions_adddup2(&actions, in[0], 0);
            posix_spawn_file_actions_adddup2(&actions, out[1], 1);
            std::vector<char *> argv;
            for (std::string &arg : args)
                argv.push_back(arg.data());
            argv.push_back(nullptr);
            if (posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
                m_pid = -1;
            posix_spawn_file_actions_destroy(&actions);
            ::close(in[0]);
            ::close(out[1]);
            m_in = in[1];
            m_out = out[0];
        }

        ~Child()
        {
            if (m_pid > 0) {
                ::kill(m_pid, SIGKILL);
                waitpid(m_pid, nullptr, 0);
            }
            ::close(m_in);
            ::close(m_out);
        }

        // The next line, or "" after the time-out or at the end of output.
        std::string readLine(std::chrono::milliseconds timeout = std::chrono::seconds(15))
        {
            const auto deadline = std::chrono::steady_clock::now() + timeout;
            for (;;) {
                const size_t end = m_buffer.find('\n');
                if (end != std::string::npos) {
                    std::string line = m_buffer.substr(0, end);
                    m_buffer.erase(0, end + 1);
                    return line;
                }
                const auto left =
                    std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
                pollfd readable {m_out, POLLIN, 0};
                if (left.count() <= 0 || ::poll(&readable, 1, int(left.count())) <= 0)
                    return {};
                char chunk[4096];
                const ssize_t got = ::read(m_out, chunk, sizeof chunk);
                if (got <= 0)
                    return {};
                m_buffer.append(chunk, size_t(got));
            }
        }

        void send(const std::string &line) { (void)!::write(m_in, (line + "\n").data(), line.size() + 1); }

        // The exit status after SIGTERM, -1 when it did not end normally.
        int terminate()
        {
            ::kill(m_pid, SIGTERM);
            int status = 0;
            waitpid(m_pid, &status, 0);
            m_pid = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }

        int wait()
        {
            int status = 0;
            waitpid(m_pid, &status, 0);
            m_pid = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }

        bool started() const { return m_pid > 0; }

    private:
        pid_t m_pid = -1;
        int m_in = -1;
        int m_out = -1;
        std::string m_buffer;
    };

    struct Line
    {
        std::string text;
        std::string field(const char *key) const
        {
            cJSON *root = cJSON_Parse(text.c_str());
            const cJSON *item = cJSON_GetObjectItemCaseSensitive(root, key);
            std::string value;
            if (cJSON_IsString(item))
                value = item->valuestring;
            else if (cJSON_IsBool(item))
                value = cJSON_IsTrue(item) ? "true" : "false";
            else if (cJSON_IsNull(item))
                value = "null";
            else if (item) {
                char *printed = cJSON_PrintUnformatted(item);
                value = printed;
                cJSON_free(printed);
            }
            cJSON_Delete(root);
            return value;
        }
    };

    const char *const A = "00008030-00AA00000000000A";
    const char *const B = "00008030-00BB00000000000B";
    const char *const C = "00008030-00CC00000000000C";
    const char *const D = "00008030-00DD00000000000D";
    const char *const E = "00008030-00EE00000000000E"; // refuses the host's pair record

    std::string devicesFile()
    {
        const std::string path = env("TMPDIR") + "/watch-devices.plist";
        std::ofstream(path) << R"(<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0"><array>
<dict><key>Lockdown</key><dict><key>UniqueDeviceID</key><string>)" << A << R"(</string>
  <key>DeviceName</key><string>Phone A</string><key>ProductType</key><string>iPhone12,1</string>
  <key>ProductVersion</key><string>15.1</string><key>SerialNumber</key><string>SERIALA</string>
  <key>UniqueChipID</key><integer>1234567890123</integer><key>PasswordProtected</key><true/></dict>
 <key>Domains</key><dict>
  <key>com.apple.mobile.backup</key><dict><key>WillEncrypt</key><true/></dict>
  <key>com.apple.fmip</key><dict><key>IsAssociated</key><false/></dict>
  <key>com.apple.disk_usage</key><dict><key>TotalDataAvailable</key><integer>5000000000</integer></dict></dict>
 <key>Apps</key><array><string>com.example.zeta</string><string>com.example.alpha</string></array>
 <key>Paired</key><true/></dict>
<dict><key>Lockdown</key><dict><key>UniqueDeviceID</key><string>)" << B << R"(</string>
  <key>DeviceName</key><string>Phone B</string><key>PasswordProtected</key><false/></dict>
 <key>Domains</key><dict><key>com.apple.mobile.backup</key><dict><key>WillEncrypt</key><false/></dict>
  <key>com.apple.fmip</key><dict><key>IsAssociated</key><true/></dict>
  <key>com.apple.disk_usage</key><dict><key>TotalDataAvailable</key><integer>7</integer></dict></dict>
 <key>Paired</key><false/></dict>
<dict><key>Lockdown</key><dict><key>UniqueDeviceID</key><string>)" << C << R"(</string>
  <key>DeviceName</key><string>Phone C</string></dict>
 <key>Domains</key><dict><key>com.apple.fmip</key><dict><key>IsAssociated</key><true/></dict></dict>
 <key>Paired</key><true/><key>Plugged</key><false/></dict>
<dict><key>Lockdown</key><dict><key>UniqueDeviceID</key><string>)" << D << R"(</string>
  <key>DeviceName</key><string>Phone D</string></dict>
 <key>Paired</key><true/><key>Connection</key><string>Network</string></dict>
<dict><key>Lockdown</key><dict><key>UniqueDeviceID</key><string>)" << E << R"(</string>
  <key>DeviceName</key><string>Phone E</string></dict>
 <key>Domains</key><dict><key>com.apple.mobile.backup</key><dict><key>WillEncrypt</key><true/></dict></dict>
 <key>Paired</key><true/><key>AcceptedHostId</key><string>5A1B2C3D-0000-4000-8000-5141AB0000FF</string></dict>
</array></plist>
)";
        return path;
    }

    class WatchTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            m_socket = env("TMPDIR") + "/watch-mux";
            setenv("USBMUXD_SOCKET_ADDRESS", ("UNIX:" + m_socket).c_str(), 1);
            m_devices = devicesFile();
        }

        std::unique_ptr<Child> startDevices()
        {
            auto sim = std::make_unique<Child>(
                std::vector<std::string> {SIMDEVICE_PATH, "--socket", m_socket, "--devices", m_devices});
            EXPECT_EQ(sim->readLine(), "ready");
            return sim;
        }

        // Reads until a line matches; every line read is kept.
        const Line *await(Child &watch, const std::function<bool(const Line &)> &match)
        {
            for (const Line &line : m_lines)
                if (match(line) && !line.text.empty() && !m_used.count(&line - m_lines.data()))
                    return use(&line);
            for (;;) {
                const std::string text = watch.readLine();
                if (text.empty())
                    return nullptr;
                m_lines.push_back({text});
                if (match(m_lines.back()))
                    return use(&m_lines.back());
            }
        }

        const Line *await(Child &watch, const std::string &event, const std::string &udid)
        {
            const Line *line = await(watch, [&](const Line &l) { return l.field("event") == event && l.field("udid") == udid; });
            EXPECT_NE(line, nullptr) << event << " " << udid;
            return line;
        }

        const Line *awaitQuery(Child &watch, const std::string &udid)
        {
            const Line *line = await(watch, [&](const Line &l) { return l.field("query") == udid; });
            EXPECT_NE(line, nullptr) << "query " << udid;
            return line;
        }

        const Line *use(const Line *line)
        {
            m_used.insert(line - m_lines.data());
            return line;
        }

        std::string m_socket;
        std::string m_devices;
        std::vector<Line> m_lines;
        std::set<ptrdiff_t> m_used;
    };
}

TEST_F(WatchTest, ReportsDevicesAsTheyComeAreTrustedAndGo)
{
    m_lines.reserve(1000); // lines are referred to by address
    Child watch({env("QUENROW_BIN_DIR") + "/quorlin-watch", "--query"});
    ASSERT_TRUE(watch.started());
    auto sim = startDevices();

    const Line *connected = await(watch, "connected", A);
    ASSERT_NE(connected, nullptr);
    EXPECT_EQ(connected->field("mode"), "normal");
    EXPECT_EQ(connected->field("name"), "Phone A");
    EXPECT_EQ(connected->field("model"), "iPhone 11");
    EXPECT_EQ(connected->field("productType"), "iPhone12,1");
    EXPECT_EQ(connected->field("version"), "15.1");
    EXPECT_EQ(connected->field("serial"), "SERIALA");
    EXPECT_EQ(connected->field("ecid"), "1234567890123");
    EXPECT_EQ(connected->field("trusted"), "true");
    EXPECT_EQ(connected->field("wifi"), "false");
    ASSERT_NE(await(watch, "trusted", A), nullptr);
    const Line *answers = awaitQuery(watch, A);
    ASSERT_NE(answers, nullptr);
    EXPECT_EQ(answers->field("backupEncrypted"), "true");
    EXPECT_EQ(answers->field("findMy"), "false");
    EXPECT_EQ(answers->field("freeBytes"), "5000000000");
    EXPECT_EQ(answers->field("apps"), R"(["com.example.alpha","com.example.zeta"])");
    EXPECT_EQ(answers->field("passcode"), "true");
    const Line *untrusted = await(watch, "connected", B);
    ASSERT_NE(untrusted, nullptr);
    EXPECT_EQ(untrusted->field("trusted"), "false");
    EXPECT_EQ(untrusted->field("name"), "Phone B");

    // A pair record the phone refuses is no trust: nothing is asked of it.
    const Line *refusing = await(watch, "connected", E);
    ASSERT_NE(refusing, nullptr);
    EXPECT_EQ(refusing->field("trusted"), "false");

    sim->send(std::string("trust ") + B);
    EXPECT_EQ(sim->readLine(), "ok");
    ASSERT_NE(await(watch, "trusted", B), nullptr);
    answers = awaitQuery(watch, B);
    ASSERT_NE(answers, nullptr);
    EXPECT_EQ(answers->field("backupEncrypted"), "false");
    EXPECT_EQ(answers->field("findMy"), "true");
    EXPECT_EQ(answers->field("freeBytes"), "7");
    EXPECT_EQ(answers->field("apps"), "[]");
    EXPECT_EQ(answers->field("passcode"), "false");

    sim->send(std::string("plug ") + C);
    EXPECT_EQ(sim->readLine(), "ok");
    ASSERT_NE(await(watch, "connected", C), nullptr);
    ASSERT_NE(await(watch, "trusted", C), nullptr);
    answers = awaitQuery(watch, C);
    ASSERT_NE(answers, nullptr);
    EXPECT_EQ(answers->field("backupEncrypted"), "null");
    EXPECT_EQ(answers->field("freeBytes"), "null");
    EXPECT_EQ(answers->field("findMy"), "true");

    sim->send("plug 00000000-NOSUCHDEVICE");
    EXPECT_EQ(sim->readLine(), "error: unknown device");

    sim->send(std::string("unplug ") + A);
    EXPECT_EQ(sim->readLine(), "ok");
    const Line *removed = await(watch, "removed", A);
    ASSERT_NE(removed, nullptr);
    EXPECT_EQ(removed->field("name"), "Phone A");

    // The muxer going away takes every device with it.
    EXPECT_EQ(sim->terminate(), 0);
    ASSERT_NE(await(watch, "removed", B), nullptr);
    ASSERT_NE(await(watch, "removed", C), nullptr);

    // It comes back on the same socket: the listener finds it again.
    sim = startDevices();
    connected = await(watch, "connected", A);
    ASSERT_NE(connected, nullptr);
    EXPECT_EQ(connected->field("version"), "15.1");
    ASSERT_NE(await(watch, "trusted", A), nullptr);
    untrusted = await(watch, "connected", B);
    ASSERT_NE(untrusted, nullptr);
    EXPECT_EQ(untrusted->field("trusted"), "false");
    ASSERT_NE(awaitQuery(watch, A), nullptr);

    EXPECT_EQ(sim->terminate(), 0);
    ASSERT_NE(await(watch, "removed", B), nullptr);
    EXPECT_EQ(watch.terminate(), 0);
    for (std::string text = watch.readLine(std::chrono::milliseconds(200)); !text.empty();
         text = watch.readLine(std::chrono::milliseconds(200)))
        m_lines.push_back({text});

    int trustedB = 0;
    for (const Line &line : m_lines) {
        EXPECT_NE(line.field("udid"), D) << line.text;
        EXPECT_NE(line.field("query"), D) << line.text;
        EXPECT_NE(line.field("query"), E) << line.text;
        if (line.field("udid") == E) {
            EXPECT_NE(line.field("event"), "trusted") << line.text;
        }
        if (line.field("event") == "trusted" && line.field("udid") == B)
            ++trustedB;
    }
    EXPECT_EQ(trustedB, 1); // after the restart B was untrusted again
}

TEST(WatchStartup, SaysSoAndFailsWithoutTheMobileDeviceLibrary)
{
    setenv("QUENROW_MOBILEDEVICE", (env("TMPDIR") + "/no-such-library.so").c_str(), 1);
    setenv("QUENROW_QUORLIN_RETRY_MS", "1", 1);
    Child watch({env("QUENROW_BIN_DIR") + "/quorlin-watch"});
    ASSERT_TRUE(watch.started());
    EXPECT_EQ(watch.readLine(std::chrono::seconds(20)), "");
    EXPECT_EQ(watch.wait(), 1);
}

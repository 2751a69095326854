// A scripted iCloud library for tests. QUENROW_CIRRANE_SCRIPT holds a JSON
// object (or names a file holding one):
//   login, verify, requestCode  results in call order, the last repeating
//   loginByAppleId, verifyByCode  results by Apple ID or by code, before the
//                               lists above (tests whose rows run in any order)
//   password                    a Login with another password answers 11
//   accountInfo                 what GetAccountInfo answers
//   recordDelayMs               a pause after each delivered record
//   records                     {"kind","subKind","record"} objects; StartPull
//                               delivers those of the kind set by SetPullParam
#include "cirrane.h"
#include "cloudrecordline.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

namespace
{
    class ScriptedCirrane final : public ICirrane
    {
    public:
        ScriptedCirrane()
        {
            QByteArray script = qgetenv("QUENROW_CIRRANE_SCRIPT");
            if (!script.trimmed().startsWith('{')) {
                QFile file(QString::fromLocal8Bit(script));
                script = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("{}");
            }
            m_script = QJsonDocument::fromJson(script).object();
            m_password = m_script.value("password").toString();
            m_delayMs = m_script.value("recordDelayMs").toInt();
            for (const QJsonValue &value : m_script.value("records").toArray()) {
                CloudRecordLine line;
                if (parseCloudRecordLine(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact), line))
                    m_records.push_back(line);
            }
        }

        int Login(std::wstring appleId, std::wstring password) override
        {
            if (m_script.contains("password") && QString::fromStdWString(password) != m_password)
                return CirraneWrongCredentials;
            const QJsonValue byId = m_script.value("loginByAppleId").toObject().value(QString::fromStdWString(appleId));
            if (!byId.isUndefined())
                return byId.toInt();
            return next("login", m_loginCalls);
        }
        int RequestSecurityCode() override { return next("requestCode", m_codeCalls); }
        int RequestSecurityCode_SMS() override { return next("requestCode", m_codeCalls); }
        int VerifySecurityCode(std::wstring code, bool) override
        {
            const QJsonValue byCode = m_script.value("verifyByCode").toObject().value(QString::fromStdWString(code));
            if (!byCode.isUndefined())
                return byCode.toInt();
            return next("verify", m_verifyCalls);
        }
        void ClearLoginInfo() override {}
        int GetAccountInfo() override { return m_script.value("accountInfo").toInt(); }

        void StartPull() override
        {
            m_stop = false;
            for (const CloudRecordLine &line : m_records) {
                if (m_stop)
                    return;
                if (line.kind != m_kind)
                    continue;
                if (m_callback)
                    m_callback(&line.kind, line.data(), line.subKind, 0);
                std::unique_lock<std::mutex> lock(m_mutex);
                m_wake.wait_for(lock, std::chrono::milliseconds(m_delayMs), [this] { return m_stop.load(); });
            }
        }

        void StopPull() override
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_stop = true;
            m_wake.notify_all();
        }

        void SetPullParam(const CirranePullParam *param) override { m_kind = param ? param->kind : 0; }
        void SetRecordCallback(CirraneRecordCallback callback) override { m_callback = callback; }

    private:
        int next(const char *key, std::atomic<int> &calls)
        {
            const QJsonArray results = m_script.value(QLatin1String(key)).toArray();
            if (results.isEmpty())
                return 0;
            const int index = std::min(calls++, int(results.size()) - 1);
            return results.at(index).toInt();
        }

        QJsonObject m_script;
        QString m_password;
        int m_delayMs = 0;
        std::vector<CloudRecordLine> m_records;
        std::atomic<int> m_loginCalls{0}, m_codeCalls{0}, m_verifyCalls{0};
        std::atomic<int> m_kind{0};
        std::atomic<bool> m_stop{false};
        std::mutex m_mutex;
        std::condition_variable m_wake;
        CirraneRecordCallback m_callback = nullptr;
    };
}

extern "C" __attribute__((visibility("default"))) bool InitCirrane(ICirrane **cirrane)
{
    if (!cirrane)
        return false;
    // Each binding reads the script anew, so one test process can try several.
    static std::mutex guard;
    static std::vector<std::unique_ptr<ScriptedCirrane>> made;
    std::lock_guard<std::mutex> lock(guard);
    made.push_back(std::make_unique<ScriptedCirrane>());
    *cirrane = made.back().get();
    return true;
}

#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// One GA4 measurement client: builds a collect URL per event and sends the
// queued URLs one after another on a worker of the global thread pool. The
// main program and the analytics relay share this class; the relay only
// hands finished URLs to GAnalyticsImpl::enqueue.
class GAnalytics : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString measurementId READ measurementId WRITE setMeasurementId NOTIFY measurementIdChanged)

public:
    class GAnalyticsImpl;

    explicit GAnalytics(QObject *parent = nullptr);
    explicit GAnalytics(const QString &measurementId, QObject *parent = nullptr);
    ~GAnalytics() override;

    // The collect URL with its fixed query: QUENROW_ANALYTICS_URL, the
    // setting of that name, else the public endpoint.
    static QString defaultBaseUrl();
    // The client id made from a machine id: its bytes as signed decimals,
    // cut to 15 + "." + 15 digits.
    static QString clientIdFor(const QByteArray &machineId);

    void sendMeasurement(const QString &eventName, const QStringList &parameters, bool debug);
    Q_INVOKABLE void sendEvent(const QString &eventName, const QStringList &parameters, bool debug);
    Q_INVOKABLE void sendEvent(const QString &eventName, const QStringList &parameters);

    bool isBusy() const;
    QString measurementId() const;
    void setMeasurementId(const QString &measurementId);
    void setDebug(bool debug);
    QString clientId() const;
    QString sessionId() const;
    // A request with no answer is given up after this long (15 s).
    void setTransferTimeout(int milliseconds);

    // The send job ends after the current request.
    void stop();
    // Sends what is queued on the calling thread when idle, then waits until idle.
    void flush();
    void waitForIdle(int milliseconds);

    GAnalyticsImpl *impl() const { return m_impl; }

signals:
    void socketQuit();
    void measurementIdChanged();

private:
    GAnalyticsImpl *m_impl;
};

#include "servicecontroller.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class ServiceControllerTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QStringList calls() const
    {
        QFile file(m_dir.filePath("calls"));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }

private slots:
    void initTestCase()
    {
        // One line per run, its arguments joined by "|".
        QFile script(m_dir.filePath("systemctl"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nline=\"\"; for a in \"$@\"; do line=\"$line|$a\"; done; echo \"$line\" >> \"$CALLS\"\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("QUENROW_SYSTEMCTL", script.fileName().toUtf8());
        qputenv("CALLS", m_dir.filePath("calls").toUtf8());
    }

    void init()
    {
        QFile::remove(m_dir.filePath("calls"));
    }

    void startTypes_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("expected");
        const QString name = "|--no-ask-password|%1|usb muxd";
        QTest::newRow("auto") << 0 << QStringList{name.arg("unmask"), name.arg("enable")};
        QTest::newRow("demand") << 1 << QStringList{name.arg("unmask"), name.arg("disable")};
        QTest::newRow("disabled") << 2 << QStringList{name.arg("mask")};
        QTest::newRow("delayed auto") << 3 << QStringList{name.arg("unmask"), name.arg("enable")};
        QTest::newRow("4 runs nothing") << 4 << QStringList();
        QTest::newRow("-1 runs nothing") << -1 << QStringList();
    }

    void startTypes()
    {
        QFETCH(int, type);
        QFETCH(QStringList, expected);
        ServiceController("usb muxd").setStartType(type);
        QCOMPARE(calls(), expected);
    }

    void startAndStop()
    {
        ServiceController controller("usbmuxd");
        controller.start();
        controller.stop();
        QCOMPARE(calls(), (QStringList{"|--no-ask-password|start|usbmuxd", "|--no-ask-password|stop|usbmuxd"}));
    }
};

QTEST_GUILESS_MAIN(ServiceControllerTest)
#include "servicecontroller_test.moc"

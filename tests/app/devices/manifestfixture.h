#pragma once

// Backup folders whose Manifest.plist and Manifest.db are varied one field
// at a time, for the backup listing.

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace devicestest
{
    struct ManifestSpec
    {
        enum Format
        {
            Binary,
            Xml,
            XmlWithBom
        };
        Format format = Binary;
        bool lockdown = true;
        bool date = true;
        int32_t dateSeconds = 700000000; // since 2001-01-01
        QString productType = "iPhone15,3";
        QString deviceName = QString::fromUtf8("Anna\u2019s iPhone");
        QString productVersion = "16.4";
    };

    // Writes path (and its folders); returns the byte count written.
    qint64 writeBytes(const QString &path, const QByteArray &bytes);
    qint64 writeManifestPlist(const QString &folder, const ManifestSpec &spec);

    inline QByteArray sqliteHeader()
    {
        return QByteArray("SQLite format 3\0", 16) + QByteArray(84, '\x01');
    }
}

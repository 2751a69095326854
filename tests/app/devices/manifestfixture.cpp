#include "manifestfixture.h"

#include "backupbuilder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <plist/plist.h>

namespace devicestest
{
    qint64 writeBytes(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return bytes.size();
    }

    qint64 writeManifestPlist(const QString &folder, const ManifestSpec &spec)
    {
        plist_t root = plist_new_dict();
        plist_dict_set_item(root, "IsEncrypted", plist_new_bool(0));
        plist_dict_set_item(root, "Version", plist_new_string("10.0"));
        if (spec.date)
            plist_dict_set_item(root, "Date", plist_new_date(spec.dateSeconds, 0));
        if (spec.lockdown) {
            plist_t lockdown = plist_new_dict();
            plist_dict_set_item(lockdown, "DeviceName", plist_new_string(spec.deviceName.toUtf8().constData()));
            plist_dict_set_item(lockdown, "ProductType", plist_new_string(spec.productType.toUtf8().constData()));
            plist_dict_set_item(lockdown, "ProductVersion",
                                plist_new_string(spec.productVersion.toUtf8().constData()));
            plist_dict_set_item(root, "Lockdown", lockdown);
        }
        const std::string bytes = testsupport::plistBytes(root, spec.format == ManifestSpec::Binary);
        QByteArray data = QByteArray::fromStdString(bytes);
        if (spec.format == ManifestSpec::XmlWithBom)
            data.prepend("\xEF\xBB\xBF");
        return writeBytes(folder + "/Manifest.plist", data);
    }
}

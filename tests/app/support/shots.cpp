#include "shots.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>

QString saveShot(QWidget *widget, const QString &name)
{
    const QString folder = qEnvironmentVariable("QUENROW_SHOTS_DIR");
    if (!widget || folder.isEmpty() || !QDir().mkpath(folder))
        return QString();
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    if (!widget->grab().save(path, "PNG"))
        return QString();
    return path;
}

#pragma once

#include <QString>
#include <QStringList>

// The folders the chat panes may read pictures from: the folder of the scan
// being shown and the program's own data folders, where device scans and
// pulls put their copies. The shell sets them when a scan starts; any thread
// may ask. A path is inside when its canonical form (links resolved) lies in
// the canonical form of a root, so "..", an absolute path elsewhere or a link
// out of a root is not.
namespace ChatDataFolders {

void setRoots(const QStringList &roots);
QStringList roots();
// False for an empty or missing path, and for anything outside every root.
bool contains(const QString &path);

} // namespace ChatDataFolders

#include "platform/file_watcher.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QString>
#include <QStringList>

#include "platform/object_table.h"

namespace platform {
namespace {

QFileSystemWatcher* g_watcher = nullptr;
std::vector<std::string> g_names;

// A file replaced by a rename is a new file: the watch on the old one is gone, so the
// names are watched afresh after each change (those that exist; the directory's watch
// sees the others appear).
void RewatchFiles() {
  if (!g_watcher) return;
  const QStringList watched = g_watcher->files();
  QStringList wanted;
  for (const std::string& name : g_names) {
    const QString path = QDir::current().absoluteFilePath(QString::fromStdString(name));
    if (QFileInfo::exists(path) && !watched.contains(path)) wanted << path;
  }
  if (!wanted.isEmpty()) g_watcher->addPaths(wanted);
}

void OnChange() {
  RewatchFiles();
  Event event;
  event.kind = EventKind::FilesChanged;
  PostEventOnce(event);
}

}  // namespace

void WatchFiles(const std::vector<std::string>& names) {
  StopWatchingFiles();
  g_names = names;
  g_watcher = new QFileSystemWatcher();
  QObject::connect(g_watcher, &QFileSystemWatcher::fileChanged, [](const QString&) { OnChange(); });
  QObject::connect(g_watcher, &QFileSystemWatcher::directoryChanged, [](const QString&) { OnChange(); });
  g_watcher->addPath(QDir::currentPath());
  RewatchFiles();
}

void StopWatchingFiles() {
  delete g_watcher;
  g_watcher = nullptr;
  g_names.clear();
}

}  // namespace platform

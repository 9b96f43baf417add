#include "shell/program_folder.h"

#include <QDir>

namespace {
QString& RootFolder() {
  static QString root = QDir::currentPath();
  return root;
}
}  // namespace

void ProgramFolder::SetRoot(const QString& folder) { RootFolder() = folder; }

const QString& ProgramFolder::Root() { return RootFolder(); }

QString ProgramFolder::Path(const QString& programPath) {
  QString relative = programPath;
  relative.replace(u'\\', u'/');
  return QDir::cleanPath(RootFolder() + u'/' + relative);
}

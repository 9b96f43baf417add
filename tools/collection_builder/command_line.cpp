#include "collection_builder/command_line.h"

#include <QTextStream>

#include "collection_builder/collection_build.h"
#include "collection_builder/collection_export.h"
#include "collection_builder/game_selection.h"

namespace {

int Usage(QTextStream& err) {
  err << "usage: build_collection DATA_DIR OUT_DB\n"
         "       build_collection --check DATA_DIR\n"
         "       build_collection --select-games SHARED_GAMES_DIR DATA_DIR\n"
         "       build_collection --export DB OUT_DIR\n";
  err.flush();
  return 2;
}

}  // namespace

int RunCommandLine(const QStringList& arguments) {
  QTextStream out(stdout);
  QTextStream err(stderr);
  const QString mode = arguments.value(0);
  if (mode == u"--check" && arguments.size() == 2) return CheckCollection(arguments[1], out, err);
  if (mode == u"--select-games" && arguments.size() == 3)
    return SelectGames(arguments[1], arguments[2], out, err);
  if (mode == u"--export" && arguments.size() == 3)
    return ExportCollection(arguments[1], arguments[2], out, err);
  if (!mode.startsWith(u"--") && arguments.size() == 2)
    return BuildCollection(arguments[0], arguments[1], out, err);
  return Usage(err);
}

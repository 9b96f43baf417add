// Builds the joseki collection (fld1/goc.db) from the SGF sources under data/.
#include <QCoreApplication>

#include "collection_builder/command_line.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  return RunCommandLine(app.arguments().mid(1));
}

// One main for every test program: a headless application, so that images,
// fonts and widgets work without a display.
#include <QApplication>
#include <gtest/gtest.h>

#include "shell/program_folder.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ProgramFolder::SetRoot(QStringLiteral(PROGRAM_DIR));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

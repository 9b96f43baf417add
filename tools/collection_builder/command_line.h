#pragma once
// The command line of build_collection.

#include <QStringList>

// Runs the mode the arguments name (the program name excluded); exit code.
//   DATA_DIR OUT_DB                          build the collection
//   --check DATA_DIR                         validate, print counts
//   --select-games SHARED_GAMES_DIR DATA_DIR choose and copy the referenced games
//   --export DB OUT_DIR                      write the collection back as SGF
int RunCommandLine(const QStringList& arguments);

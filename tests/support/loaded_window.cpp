#include "support/loaded_window.h"

#include "shell/module1.h"

void LoadedWindowTest::Load(const std::vector<TestRow>& rows, int section) {
  folder.WriteCollection(rows);
  LoadSection(section);
}

void LoadedWindowTest::LoadSection(int section) {
  Module1::SectionCode = section;
  window = std::make_unique<BoardWindow>();
  window->Form_Load();
}

TestRow LoadedWindowTest::Row(const QString& moves, const QString& setupCount,
                              const QString& reference) {
  TestRow row;
  row.moves = moves;
  row.setupCount = setupCount;
  row.gameReference = reference;
  return row;
}

#pragma once
// A board window over a collection written for the test: the rows go to a
// temporary program folder's fld1/goc.db and the window loads a section of it.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "shell/board_window.h"
#include "shell/messages.h"
#include "support/test_collection.h"

class LoadedWindowTest : public ::testing::Test {
 protected:
  // Writes rows and loads section of them into a fresh window.
  void Load(const std::vector<TestRow>& rows, int section = 3);
  // Loads whatever fld1/goc.db now holds into a fresh window.
  void LoadSection(int section);
  // Selects line index of List1 as a click does.
  void Click(int index) { window->SelectListLine(index); }

  // A row of section 3 ("2" first in five) with the given moves, setup count
  // and game reference.
  static TestRow Row(const QString& moves, const QString& setupCount = "0",
                     const QString& reference = QString());

  TestProgramFolder folder;
  ScopedMessageRecorder messages;
  std::unique_ptr<BoardWindow> window = std::make_unique<BoardWindow>();
};

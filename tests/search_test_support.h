#pragma once
// Helpers shared by the search tests: a board window with a collection filled
// in memory, clicks on the right board, sequences written as the input writes
// them, and a cell check for cells cut off at the picture's edge.

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <algorithm>
#include <initializer_list>
#include <span>
#include <utility>
#include <vector>

#include "search/search_texts.h"
#include "shell/board_window.h"
#include "shell/module1.h"
#include "shell/move_encoding.h"
#include "shell/program_folder.h"
#include "support/pixels.h"

namespace search_test {

// Sets the section for one test and puts the previous one back.
class ScopedSection {
 public:
  explicit ScopedSection(int code) : saved_(Module1::SectionCode) { Module1::SectionCode = code; }
  ~ScopedSection() { Module1::SectionCode = saved_; }

 private:
  int saved_;
};

// Points the program folder elsewhere for one test.
class ScopedProgramRoot {
 public:
  explicit ScopedProgramRoot(const QString& root) : saved_(ProgramFolder::Root()) {
    ProgramFolder::SetRoot(root);
  }
  ~ScopedProgramRoot() { ProgramFolder::SetRoot(saved_); }

 private:
  QString saved_;
};

struct Row {
  QString id;
  QString moves;
};

// Fills the section's rows as the loading leaves them: the search's record set
// and the per-record arrays (index 0 empty), every record without setup stones,
// marks or game.
inline void FillCollection(BoardWindow& window, const std::vector<Row>& rows) {
  auto sized = [&](std::vector<QString>& array) { array.assign(rows.size() + 1, QString()); };
  for (auto* array :
       {&window.titles, &window.smallCaptions, &window.setupStones, &window.numberedMoves,
        &window.commentaries, &window.markerStrings, &window.gameReferences}) {
    sized(*array);
  }
  window.recordset.clear();
  window.controls.List1.clear();
  for (size_t i = 0; i < rows.size(); ++i) {
    window.recordset.push_back({rows[i].id, rows[i].moves});
    window.titles[i + 1] = u"定石 "_qs + rows[i].id;
    window.numberedMoves[i + 1] = rows[i].moves;
    window.controls.List1.append(window.titles[i + 1]);
  }
  window.collectionLoaded = !rows.empty();
}

// Rows whose identifiers are 1, 2, 3 … in order.
inline std::vector<Row> NumberedRows(std::initializer_list<QString> moves) {
  std::vector<Row> rows;
  for (const QString& m : moves) rows.push_back({QString::number(rows.size() + 1), m});
  return rows;
}

// Moves the pointer over point (column, row) of the right board and clicks.
inline void ClickRight(BoardWindow& window, int column, int row) {
  window.Display_MouseMove(RightCellX(column) + 7, CellY(row) + 9);
  window.Display_Click();
}

// The sequence and its mirror that clicking points in order enters.
inline std::pair<QString, QString> Entered(std::span<const BoardPoint> points) {
  QString sequence, mirror;
  int n = 0;
  for (const BoardPoint& p : points) {
    ++n;
    if (IsTenukiCell(p.column, p.row)) {
      sequence += u"???"_qs;
      mirror += u"???"_qs;
      continue;
    }
    const QChar tag = n % 2 != 0 ? QChar(u'2') : QChar(u'1');
    sequence += QString(CoordChar(p.row)) + CoordChar(p.column) + tag;
    mirror += QString(CoordChar(p.column)) + CoordChar(p.row) + tag;
  }
  return {sequence, mirror};
}

inline std::pair<QString, QString> Entered(std::initializer_list<BoardPoint> points) {
  return Entered(std::span<const BoardPoint>(points.begin(), points.size()));
}

// Puts a sequence into Text6 and its mirror into Text7.
inline void SetSequence(BoardWindow& window, std::initializer_list<BoardPoint> points) {
  const auto [sequence, mirror] = Entered(points);
  window.SetText6(sequence);
  window.SetText7(mirror);
}

// Like CellShows, for a cell that Master cuts off at its right or bottom edge.
inline ::testing::AssertionResult ClippedCellShows(const QImage& master, int x, int y,
                                                   const QString& name) {
  const QImage& image = ImageFile(name);
  const int width = std::min(Canvas::kCellWidth, master.width() - x);
  const int height = std::min(Canvas::kCellHeight, master.height() - y);
  for (int dy = 0; dy < height; ++dy) {
    for (int dx = 0; dx < width; ++dx) {
      if (master.pixel(x + dx, y + dy) != image.pixel(dx + 1, dy)) {
        return ::testing::AssertionFailure()
               << "cell (" << x << ", " << y << ") does not show " << name.toStdString();
      }
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace search_test

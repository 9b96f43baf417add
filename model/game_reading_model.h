#pragma once
// A game the user opened (棋譜を読み込む), read for joseki corner by corner:
// the list of the four corners, and what choosing one of them shows. The
// collection's seven sections are read at the first game, each row once
// (section 2 lists the handicap rows of section 1 again).

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "collection/played_game.h"
#include "collection/program_folder.h"
#include "features/corner_reading.h"
#include "model/messages.h"
#include "progress/progress_store.h"

// What choosing a corner shows, in the board window of the joseki's section.
struct CornerChoice {
  Section section = Section::kHandicap;
  QString josekiId;
  const PlayedGame* game = nullptr;  // held by the reading
  CornerReading reading;
  QString heading;  // the players, the corner and the game's moves shown
};

class GameReadingModel {
 public:
  GameReadingModel(const ProgramFolder& folder, MessageSink& messages);

  // Reads the file and its corners. A file, or a collection, that cannot be
  // read is reported and changes nothing; false then.
  bool OpenGame(const QString& path);

  // The file read and its players; empty before the first game.
  const QString& heading() const { return heading_; }
  // One line per corner: its name, its joseki's title, 定石どおり or the move
  // where the game left the book; or why the corner has no joseki.
  const QStringList& lines() const { return lines_; }
  // What choosing line index shows; nullopt for a corner without a joseki.
  std::optional<CornerChoice> Choice(int line) const;
  // The corners of the game last read that left the book, as lines of the
  // drill's deck 自分の対局から; gameFile names the game in the progress file.
  std::vector<OwnGameLine> LinesLeftTheBook(const QString& gameFile) const;

 private:
  bool ReadBook();
  bool HasJoseki(const CornerReading& reading) const;
  QString Line(const CornerReading& reading) const;

  ProgramFolder folder_;
  MessageSink& messages_;
  std::vector<JosekiRecord> records_;  // every section's, each row once
  std::vector<BookRow> book_;          // the same rows with their sections
  PlayedGame game_;
  std::array<CornerReading, 4> readings_;
  QString heading_;
  QStringList lines_;
};

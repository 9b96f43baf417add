#pragma once
// A joseki as authored in the SGF sources, before encoding into a record.

#include <QString>
#include <vector>

// A point of the board, column and row 1..19 from the upper left; column 0
// stands for a move played elsewhere (tenuki).
struct BoardPoint {
  int column = 0;
  int row = 0;

  bool IsTenuki() const { return column == 0; }
  bool operator==(const BoardPoint&) const = default;
};

inline constexpr BoardPoint kTenukiPoint{};

// A mark drawn after the sequence: tag 'a'..'e' (letter), '2' (TR) or '1' (MA).
struct SourceMarker {
  BoardPoint point;
  QChar tag;
  bool operator==(const SourceMarker&) const = default;
};

struct Joseki {
  QString file;                       // where it was read, as shown in messages
  int number = 0;                     // position of its game tree in the file, from 1
  QString title;                      // GN
  QString key;                        // JK, the sort key `five`
  QString caption;                    // JC
  QString commentary;                 // C of the root
  QString one = QStringLiteral("0");  // JO
  QString pinnedGame;                 // JR, relative to data/games/
  int given = 1;                      // JG, the unnumbered stones at the start
  std::vector<BoardPoint> stones;     // given stones, then the numbered moves; black first
  std::vector<SourceMarker> markers;

  // "file: joseki n 「GN」" for error messages.
  QString Label() const;
  // The section digit: the first character of the key.
  QChar Section() const { return key.isEmpty() ? QChar() : key[0]; }
  // The numbered moves (after the given stones).
  std::vector<BoardPoint> NumberedMoves() const;
};

// The joseki fields that the collection keeps, for comparing (file and number aside).
bool SameContent(const Joseki& a, const Joseki& b);

#pragma once
// A sequence of stones as the collection stores it and the search compares
// it: three characters per stone (row, column, tag; "???" for a move
// elsewhere, rules/move_encoding.h). Only this type reads or writes the
// triples. Its text is kept as given: a selection puts the joseki's game
// reference in the search sequence's place (ARCHITECTURE.md, "Kept on
// purpose"), so a sequence need not hold whole stones.

#include <QString>
#include <optional>
#include <string_view>
#include <vector>

#include "rules/move_encoding.h"

class Sequence {
 public:
  Sequence() = default;
  // A stored text, taken as it is.
  explicit Sequence(QString stored) : text_(std::move(stored)) {}

  // Appends a stone at p with its tag, or a move elsewhere for none.
  void Append(std::optional<Point> p, char16_t tag);
  // Without its last three characters; empty when it has fewer.
  Sequence WithoutLastStone() const;

  // Its whole stones.
  int stoneCount() const { return int(text_.size() / 3); }
  bool empty() const { return text_.isEmpty(); }
  // Whether it holds stones entered, rather than nothing or a game reference.
  bool HoldsStones() const { return !text_.isEmpty() && !text_.contains(u'|'); }
  // Its stones decoded (a last triple cut short reads as 0).
  std::vector<StoredMove> Moves() const;
  // The stored text: what the search compares, character by character.
  const QString& text() const { return text_; }

  bool operator==(const Sequence&) const = default;

 private:
  QString text_;
};

// The text as UTF-16 for the rules layer's decoders.
std::u16string_view Utf16View(const QString& text);

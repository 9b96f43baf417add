#pragma once
// The seven sections of the collection in one table: the menu button that
// opens a section, the first stone its search input accepts, and the
// condition that picks its rows from the collection.

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "rules/point.h"

// In the order of the menu's buttons, top to bottom.
enum class Section {
  kHandicap,    // 置碁: joseki of the handicap stones on the star points
  kStarPoint,   // 星 (4-4)
  kThreeFour,   // 小目
  kFiveFour,    // 高目
  kFiveThree,   // 目外し
  kThreeThree,  // 三々
  kOther,       // その他
};

inline constexpr std::array kSections = {
    Section::kHandicap,  Section::kStarPoint,  Section::kThreeFour, Section::kFiveFour,
    Section::kFiveThree, Section::kThreeThree, Section::kOther};

struct SectionFacts {
  const char16_t* menuCaption;
  std::uint32_t menuColour;  // behind the caption, 0xRRGGBB
  // The upper left corner's points where stone 1 of a search may stand; empty
  // where any point goes, and then the message is empty too.
  std::span<const Point> firstMovePoints;
  const char16_t* firstMoveMessage;  // why stone 1 was refused
  const char16_t* queryCondition;    // what the section's query asks of a row, and its order
  char16_t keyDigit;                 // the first character of its own rows' sort keys
};

const SectionFacts& FactsOf(Section section);

// The section whose own rows have sort keys beginning with digit; nothing for
// a character no section uses. (The 4-4 section lists the handicap rows too.)
std::optional<Section> SectionOfKeyDigit(char16_t digit);

// The section's place in kSections, from 0.
constexpr int IndexOf(Section section) {
  return static_cast<int>(section);
}

#include "pictures/board_diagram.h"

#include <sstream>
#include <stdexcept>

namespace {

std::string LookToken(const DiagramPoint& point) {
  switch (point.look) {
    case PointLook::kEmpty:
      return ".";
    case PointLook::kGold:
      return "G";
    case PointLook::kTriangle:
      return "^";
    case PointLook::kCross:
      return "x";
    case PointLook::kFirstMoveMark:
      return "*";
    case PointLook::kBlack:
    case PointLook::kWhite:
      break;
  }
  const bool black = point.look == PointLook::kBlack;
  if (point.number > 0)
    return std::string(1, black ? 'b' : 'w').append(std::to_string(point.number));
  return std::string(black ? "X" : "O") + (point.newest ? "!" : "");
}

}  // namespace

std::string PrintPoint(const DiagramPoint& point) {
  if (point.letter == 0) return LookToken(point);
  const std::string letter(1, char(point.letter));
  return point.look == PointLook::kEmpty ? letter : LookToken(point) + ":" + letter;
}

namespace {

DiagramPoint LookOf(const std::string& token) {
  static constexpr std::pair<std::string_view, PointLook> kLooks[] = {
      {".", PointLook::kEmpty}, {"G", PointLook::kGold},          {"^", PointLook::kTriangle},
      {"x", PointLook::kCross}, {"*", PointLook::kFirstMoveMark}, {"X", PointLook::kBlack},
      {"O", PointLook::kWhite},
  };
  for (const auto& [text, look] : kLooks)
    if (token == text) return {look};
  if (token == "X!" || token == "O!") return {LookOf(token.substr(0, 1)).look, 0, true};
  const bool numbered = token.size() >= 2 && (token[0] == 'b' || token[0] == 'w') &&
                        token.find_first_not_of("0123456789", 1) == std::string::npos;
  if (numbered) {
    const int n = std::stoi(token.substr(1));
    if (n >= 1 && n <= kLastPicturedNumber)
      return StonePoint(token[0] == 'b' ? Colour::kBlack : Colour::kWhite, n);
  }
  if (token.size() == 1 && token[0] >= 'a' && token[0] <= 'z')
    return {.letter = char16_t(token[0])};
  throw std::invalid_argument("not a diagram token: " + token);
}

DiagramPoint PointOf(const std::string& token) {
  const size_t colon = token.find(':');
  if (colon == std::string::npos) return LookOf(token);
  DiagramPoint point = LookOf(token.substr(0, colon));
  const DiagramPoint letter = LookOf(token.substr(colon + 1));
  if (letter.letter == 0 || point.letter != 0)
    throw std::invalid_argument("not a letter: " + token);
  point.letter = letter.letter;
  return point;
}

}  // namespace

std::string PrintDiagram(const BoardDiagram& diagram, int columns, int rows) {
  std::string text;
  for (int row = 1; row <= rows; ++row) {
    for (int column = 1; column <= columns; ++column) {
      if (column > 1) text += ' ';
      text += PrintPoint(diagram.at({column, row}));
    }
    text += '\n';
  }
  return text;
}

BoardDiagram ParseDiagram(std::string_view text) {
  BoardDiagram diagram;
  std::istringstream lines{std::string(text)};
  std::string line;
  int row = 0;
  while (std::getline(lines, line)) {
    std::istringstream tokens(line);
    std::string token;
    int column = 0;
    while (tokens >> token) {
      const Point p{++column, row + 1};
      if (!IsOnBoard(p)) throw std::invalid_argument("a diagram is at most 19 x 19");
      diagram.at(p) = PointOf(token);
    }
    if (column > 0) ++row;
  }
  return diagram;
}

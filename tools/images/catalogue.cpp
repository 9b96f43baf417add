#include "images/catalogue.h"

#include <QPainter>

#include "images/board_look.h"
#include "images/marks.h"
#include "images/stones.h"

namespace {

using board_look::Arms;
using stones::Colour;

constexpr int kNumberedStones = 55;

QImage Tile(const Arms& arms) {
  QImage image = board_look::BlankCell();
  board_look::DrawGrid(image, arms);
  return image;
}

QImage StarPointTile() {
  QImage image = Tile(Arms{});
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(board_look::GridLine());
  painter.drawEllipse(board_look::PointCentre(), 2.6, 2.6);
  return image;
}

void AddTiles(std::vector<CatalogueEntry>& entries) {
  const auto tile = [&](const char* name, Arms arms) {
    entries.push_back({QString::fromLatin1(name), [arms] { return Tile(arms); }});
  };
  tile("cross23.jpg", Arms{});
  entries.push_back({"crossdot23.jpg", StarPointTile});
  tile("upleft23.jpg", Arms{.up = false, .left = false});
  tile("upright23.jpg", Arms{.up = false, .right = false});
  tile("bottomleft23.jpg", Arms{.down = false, .left = false});
  tile("bottomright23.jpg", Arms{.down = false, .right = false});
  tile("top23.jpg", Arms{.up = false});
  tile("bottom23.jpg", Arms{.down = false});
  tile("left23.jpg", Arms{.left = false});
  tile("right23.jpg", Arms{.right = false});
}

void AddStones(std::vector<CatalogueEntry>& entries) {
  for (int n = 1; n <= kNumberedStones; ++n)
    entries.push_back({QStringLiteral("zkuro%1.gif").arg(n),
                       [n] { return stones::Numbered(Colour::kBlack, n); }});
  for (int n = 1; n <= kNumberedStones; ++n)
    entries.push_back({QStringLiteral("zshiro%1.gif").arg(n),
                       [n] { return stones::Numbered(Colour::kWhite, n); }});
  entries.push_back({"mygold.gif", [] { return stones::Plain(Colour::kBlack); }});
  entries.push_back({"ysilver.gif", [] { return stones::Plain(Colour::kWhite); }});
  entries.push_back({"zgold.gif", stones::PastLastNumber});
  entries.push_back({"zkurored.gif", [] { return stones::LastMove(Colour::kBlack); }});
  entries.push_back({"zshirored.gif", [] { return stones::LastMove(Colour::kWhite); }});
}

void AddMarks(std::vector<CatalogueEntry>& entries) {
  for (const char letter : {'a', 'b', 'c', 'd', 'e'})
    entries.push_back({QStringLiteral("a%1.gif").arg(QChar(letter)),
                       [letter] { return marks::Letter(QChar(letter)); }});
  entries.push_back({"kurokuro.gif", marks::DarkTriangle});
  entries.push_back({"shiroshiro.gif", marks::LightSquare});
  entries.push_back({"newcross.gif", marks::TenukiCell});
  entries.push_back({"mmmcross.gif", marks::AllowedFirstPoint});
}

}  // namespace

std::vector<CatalogueEntry> ImageCatalogue() {
  std::vector<CatalogueEntry> entries;
  AddTiles(entries);
  AddStones(entries);
  AddMarks(entries);
  return entries;
}

#include "collection/sgf_export.h"

#include "collection/sgf_writer.h"
#include "rules/sgf_point.h"

namespace {

// Empty for a pass.
QString SgfPoint(Point p) {
  return QString::fromStdU16String(SgfLetters(p));
}

QStringList SgfPoints(const std::vector<Point>& points) {
  QStringList values;
  for (Point p : points) values << SgfPoint(p);
  return values;
}

void Add(SgfNode& node, const QString& id, const QStringList& values) {
  if (!values.isEmpty() && !values.front().isEmpty()) node.properties.push_back({id, values});
}

SgfTree Tree(const SgfTexts& texts) {
  SgfNode root;
  root.properties = {{u"FF"_qs, {u"4"_qs}},
                     {u"GM"_qs, {u"1"_qs}},
                     {u"SZ"_qs, {u"19"_qs}},
                     {u"CA"_qs, {u"UTF-8"_qs}}};
  Add(root, u"GN"_qs, {texts.title});
  Add(root, u"C"_qs, {texts.commentary});
  Add(root, u"GC"_qs, {texts.heading});
  return {{root}, {}};
}

void AddMove(SgfTree& tree, Colour colour, Point p) {
  tree.nodes.push_back({{{colour == Colour::kBlack ? u"B"_qs : u"W"_qs, {SgfPoint(p)}}}});
}

// The marks as the sources write them: letters LB, triangles TR, crosses MA.
void AddMarkers(SgfNode& root, const std::vector<Marker>& markers) {
  QStringList labels, triangles, crosses;
  for (const Marker& marker : markers) {
    const QString point = SgfPoint(marker.point);
    if (point.isEmpty()) continue;
    if (marker.tag >= u'a' && marker.tag <= u'e')
      labels << point + u':' + QChar(marker.tag);
    else
      (marker.tag == u'2' ? triangles : crosses) << point;
  }
  Add(root, u"LB"_qs, labels);
  Add(root, u"TR"_qs, triangles);
  Add(root, u"MA"_qs, crosses);
}

}  // namespace

QString PlayedGameSgf(const PlayedGame& game, int lastMove, const SgfTexts& texts) {
  SgfTree tree = Tree(texts);
  SgfNode& root = tree.nodes.front();
  Add(root, u"PB"_qs, {game.black});
  Add(root, u"BR"_qs, {game.blackRank});
  Add(root, u"PW"_qs, {game.white});
  Add(root, u"WR"_qs, {game.whiteRank});
  Add(root, u"DT"_qs, {game.date});
  if (game.handicap > 0) Add(root, u"HA"_qs, {QString::number(game.handicap)});
  Add(root, u"AB"_qs, SgfPoints(game.blackSetup));
  Add(root, u"AW"_qs, SgfPoints(game.whiteSetup));
  for (int k = 0; k < lastMove && k < int(game.moves.size()); ++k)
    AddMove(tree, game.moves[size_t(k)].colour, game.moves[size_t(k)].point);
  return WriteSgfTree(tree);
}

QString JosekiRecordSgf(const JosekiRecord& joseki) {
  SgfTree tree = Tree({joseki.title, joseki.commentary, joseki.game.heading});
  AddMarkers(tree.nodes.front(), joseki.markers);
  int k = 0;
  for (const auto* stones : {&joseki.givenStones, &joseki.numberedMoves}) {
    for (const StoredMove& move : *stones)
      AddMove(tree, ColourOfNth(++k), {move.column, move.row});  // elsewhere: off the board
  }
  return WriteSgfTree(tree);
}

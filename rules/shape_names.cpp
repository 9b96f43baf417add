#include "rules/shape_names.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <stdexcept>

namespace {

// What stands on a point, seen from the player who moves.
enum class Stone { kEmpty, kOwn, kOther, kOff };

constexpr std::array<Point, 4> kSteps = {Point{1, 0}, Point{-1, 0}, Point{0, 1}, Point{0, -1}};
constexpr std::array<Point, 4> kDiagonals = {Point{1, 1}, Point{1, -1}, Point{-1, 1},
                                             Point{-1, -1}};
const char* const kCounts[] = {"", "一", "二", "三", "四", "五", "六"};
constexpr int kMaxCount = 6;  // the distances named: 一間 .. 六間

Point operator+(Point a, Point b) {
  return {a.column + b.column, a.row + b.row};
}
Point operator-(Point a, Point b) {
  return {a.column - b.column, a.row - b.row};
}
Point operator*(int k, Point d) {
  return {k * d.column, k * d.row};
}

// The line of a point counted from the nearer edge across the columns (x) and across the rows (y).
int LineX(Point p) {
  return std::min(p.column, kBoardSize + 1 - p.column);
}
int LineY(Point p) {
  return std::min(p.row, kBoardSize + 1 - p.row);
}
int Line(Point p) {
  return std::min(LineX(p), LineY(p));
}

// The names in the order AllShapeNames and ShapeNames give them.
std::vector<std::string> MakeNameTable() {
  std::vector<std::string> names = {"ツケ",         "上ツケ",
                                    "下ツケ",       "二線ツケ",
                                    "上辺ツケ",     "三々ツケ",
                                    "トビツケ",     "コスミツケ",
                                    "ハネ",         "二線ハネ",
                                    "四線ハネ",     "二段バネ",
                                    "オサエ",       "二線オサエ",
                                    "上辺オサエ",   "左辺オサエ",
                                    "ノビ",         "オシ",
                                    "ヒキ",         "サガリ",
                                    "二線サガリ",   "タチ",
                                    "ハイ",         "二線ハイ",
                                    "マガリ",       "デ",
                                    "キリ",         "ワリコミ",
                                    "ツギ",         "カタツギ",
                                    "カケツギ",     "アテ",
                                    "ノゾキ",       "コスミ",
                                    "コスミ出",     "トビ",
                                    "一間トビ",     "二間トビ",
                                    "三線トビ",     "トビサガリ",
                                    "ケイマ",       "小ゲイマ",
                                    "二線ケイマ",   "大ゲイマ",
                                    "大斜",         "スベリ",
                                    "二線スベリ",   "カタツキ",
                                    "ボウシ",       "カケ",
                                    "三々",         "三々入り",
                                    "カカリ",       "上辺カカリ",
                                    "左辺カカリ",   "小ゲイマガカリ",
                                    "ケイマガカリ", "大ゲイマガカリ"};
  for (const char* high : {"", "高"})
    for (int n = 1; n <= kMaxCount; ++n)
      names.push_back(std::string(kCounts[n]) + "間" + high + "ガカリ");
  for (const char* extra :
       {"小目ガカリ",     "目外しガカリ", "高ガカリ",       "両ガカリ",     "シマリ",
        "小ゲイマジマリ", "一間ジマリ",   "大ゲイマジマリ", "二間ジマリ",   "二間高ジマリ",
        "小目ジマリ",     "高目ジマリ",   "目外しジマリ",   "小ゲイマ受け", "ケイマ受け",
        "一間受け",       "大ゲイマ受け", "二間受け",       "ハサミ",       "高バサミ"})
    names.push_back(extra);
  for (int n = 1; n <= kMaxCount; ++n) {
    const std::string count = std::string(kCounts[n]) + "間";
    names.push_back(count + "バサミ");
    names.push_back(count + "低バサミ");
    names.push_back(count + "高バサミ");
  }
  names.push_back("ハサミ返し");
  for (int n = 1; n <= kMaxCount; ++n) names.push_back(std::string(kCounts[n]) + "間ハサミ返し");
  names.push_back("高いハサミ返し");
  for (const char* extra :
       {"ヒラキ", "上辺ヒラキ", "左辺ヒラキ", "二線ヒラキ", "高ビラキ", "大ビラキ"})
    names.push_back(extra);
  for (int n = 1; n <= kMaxCount; ++n) {
    names.push_back(std::string(kCounts[n]) + "間ビラキ");
    names.push_back(std::string(kCounts[n]) + "間高ビラキ");
  }
  for (const char* extra : {"ツメ", "上辺ツメ", "左辺ツメ", "高いツメ"}) names.push_back(extra);
  for (int n = 1; n <= kMaxCount; ++n) names.push_back(std::string(kCounts[n]) + "間ツメ");
  return names;
}

std::string Count(int n, const char* what) {
  return n >= 1 && n <= kMaxCount ? std::string(kCounts[n]) + "間" + what : std::string();
}

// A frame along one edge: "along" counts along the edge, "line" from it.
struct EdgeFrame {
  bool columnsAlong;  // true for the top and bottom edges
  bool far;           // the bottom or the right edge
  int Along(Point p) const { return columnsAlong ? p.column : p.row; }
  int LineOf(Point p) const {
    const int v = columnsAlong ? p.row : p.column;
    return far ? kBoardSize + 1 - v : v;
  }
  Point At(int along, int line) const {
    const int v = far ? kBoardSize + 1 - line : line;
    return columnsAlong ? Point{along, v} : Point{v, along};
  }
};

constexpr std::array<EdgeFrame, 4> kEdges = {EdgeFrame{true, false}, EdgeFrame{true, true},
                                             EdgeFrame{false, false}, EdgeFrame{false, true}};

class ShapeReader {
 public:
  ShapeReader(const BoardState& board, Point p, Colour colour)
      : board_(board), p_(p), parity_(int(colour) % 2) {
    MarkGroups();
  }

  std::vector<bool> Read() {
    named_.assign(Table().size(), false);
    Contact();
    OwnDistance();
    OtherDistance();
    Corner();
    Side();
    return named_;
  }

  static const std::vector<std::string>& Table() {
    static const std::vector<std::string> table = MakeNameTable();
    return table;
  }

 private:
  Stone At(Point q) const {
    if (!IsOnBoard(q)) return Stone::kOff;
    if (q == p_) return Stone::kEmpty;  // the move's point is empty before the move
    const int code = board_.at(q);
    if (code == 0) return Stone::kEmpty;
    return code % 2 == parity_ ? Stone::kOwn : Stone::kOther;
  }
  bool Own(Point q) const { return At(q) == Stone::kOwn; }
  bool Other(Point q) const { return At(q) == Stone::kOther; }
  bool Empty(Point q) const { return At(q) == Stone::kEmpty; }
  bool Occupied(Point q) const { return Own(q) || Other(q); }
  int Group(Point q) const { return group_[q.column][q.row]; }

  void Name(const std::string& name) {
    if (name.empty()) return;
    const auto& table = Table();
    const auto it = std::find(table.begin(), table.end(), name);
    if (it == table.end()) throw std::logic_error("shape name not in the table: " + name);
    named_[size_t(it - table.begin())] = true;
  }
  bool Named(const std::string& name) const {
    const auto& table = Table();
    const auto it = std::find(table.begin(), table.end(), name);
    return it != table.end() && named_[size_t(it - table.begin())];
  }

  // Numbers the groups of stones before the move (points 1..19).
  void MarkGroups() {
    int next = 0;
    for (int c = 1; c <= kBoardSize; ++c) {
      for (int r = 1; r <= kBoardSize; ++r) {
        if (group_[c][r] != 0 || !Occupied(Point{c, r})) continue;
        ++next;
        std::vector<Point> open{{c, r}};
        group_[c][r] = next;
        size_.resize(size_t(next) + 1, 0);
        size_[size_t(next)] = 1;
        const bool own = Own(Point{c, r});
        while (!open.empty()) {
          const Point q = open.back();
          open.pop_back();
          for (Point step : kSteps) {
            const Point n = q + step;
            if (Occupied(n) && Own(n) == own && group_[n.column][n.row] == 0) {
              group_[n.column][n.row] = next;
              ++size_[size_t(next)];
              open.push_back(n);
            }
          }
        }
      }
    }
  }

  // The liberties of the group at q, before the move (after: the move's point taken).
  int LibertiesBeforeMove(Point q) const { return Liberties(q, false); }
  int LibertiesAfterMove(Point q) const { return Liberties(q, true); }
  int Liberties(Point q, bool moved) const {
    std::vector<std::vector<bool>> seen(kRing + 1, std::vector<bool>(kRing + 1, false));
    std::vector<Point> open{q};
    seen[q.column][q.row] = true;
    int liberties = 0;
    while (!open.empty()) {
      const Point s = open.back();
      open.pop_back();
      for (Point step : kSteps) {
        const Point n = s + step;
        if (!IsOnBoard(n) || seen[n.column][n.row]) continue;
        seen[n.column][n.row] = true;
        if (n == p_ && moved) continue;  // now the mover's stone
        if (Empty(n))
          ++liberties;
        else if (Group(n) == Group(q))
          open.push_back(n);
      }
    }
    return liberties;
  }

  // The side a point lies on as the collection draws the board: 上辺 or 左辺, or "".
  static std::string SideOf(Point q) {
    if (q.row <= 10 && LineY(q) < LineX(q)) return "上辺";
    if (q.column <= 10 && LineX(q) < LineY(q)) return "左辺";
    return "";
  }

  // The step from q away from its nearer edge ({0, 0} on the diagonal of a corner).
  static Point AwayFromEdge(Point q) {
    if (LineY(q) < LineX(q)) return {0, q.row <= 10 ? 1 : -1};
    if (LineX(q) < LineY(q)) return {q.column <= 10 ? 1 : -1, 0};
    return {0, 0};
  }

  // The line of q from the edge that a step d runs across (d orthogonal).
  static int LineAcross(Point q, Point d) { return d.column != 0 ? LineX(q) : LineY(q); }
  // The line of q from the nearer of the two edges that a step d runs along.
  static int LineAlong(Point q, Point d) { return d.column != 0 ? LineY(q) : LineX(q); }

  // ハネ: an own stone diagonal to the move with an opponent stone on one point
  // between them and the other point not the opponent's (empty, or own: the ハネ at
  // the head of two stones). Returns whether one was found.
  bool Hane() {
    bool hane = false;
    for (Point d : kDiagonals) {
      const Point f = p_ + d;
      if (!Own(f)) continue;
      const Point q1{p_.column + d.column, p_.row}, q2{p_.column, p_.row + d.row};
      for (auto [cross, other] : {std::pair{q1, q2}, std::pair{q2, q1}}) {
        if (!Other(cross) || Other(other) || At(other) == Stone::kOff) continue;
        hane = true;
        // 二段バネ: the opponent's stone was itself a ハネ against the own stone f.
        for (Point e : kDiagonals) {
          const Point g = cross + e;
          if (g != p_ && Other(g) && (std::abs(g.column - f.column) + std::abs(g.row - f.row)) == 1)
            Name("二段バネ");
        }
      }
    }
    if (!hane) return false;
    Name("ハネ");
    if (Line(p_) == 2) Name("二線ハネ");
    if (Line(p_) == 4) Name("四線ハネ");
    return true;
  }

  void Contact() {
    std::vector<Point> own, other;
    for (Point step : kSteps) {
      if (Own(p_ + step)) own.push_back(step);
      if (Other(p_ + step)) other.push_back(step);
    }
    const bool hane = Hane();
    if (!other.empty() && own.empty() && !hane) {
      Name("ツケ");
      if (Line(p_) == 2) Name("二線ツケ");
      if (SideOf(p_) == "上辺") Name("上辺ツケ");
      if (LineX(p_) == 3 && LineY(p_) == 3) Name("三々ツケ");
      for (Point d : other) {
        const Point e = p_ + d;
        const Point away = AwayFromEdge(e);
        if (away == Point{0, 0}) {
          if (Line(p_) > Line(e)) Name("上ツケ");
          if (Line(p_) < Line(e)) Name("下ツケ");
        } else if (Point{0, 0} - d == away) {
          Name("上ツケ");
        } else if (d == away) {
          Name("下ツケ");
        } else {
          // beside the stone along its edge: 下ツケ on the side away from the corner
          const int along = away.column != 0 ? LineY(p_) - LineY(e) : LineX(p_) - LineX(e);
          if (along > 0) Name("下ツケ");
        }
      }
      for (Point step : kSteps)
        if (Own(p_ + 2 * step) && Empty(p_ + step)) Name("トビツケ");
    }
    // キリ and ワリコミ: opponent stones of different groups on two sides.
    for (size_t i = 0; i < other.size(); ++i) {
      for (size_t j = i + 1; j < other.size(); ++j) {
        if (Group(p_ + other[i]) == Group(p_ + other[j])) continue;
        Name("キリ");
        if (other[i] + other[j] == Point{0, 0}) Name("ワリコミ");
      }
    }
    // ツギ: two own stones joined, or an own group whose last liberty the move fills.
    bool joins = own.size() >= 2;
    for (Point d : own) joins = joins || LibertiesBeforeMove(p_ + d) == 1;
    if (joins) {
      Name("ツギ");
      if (own.size() >= 2) Name("カタツギ");
    }
    // カケツギ: a point next to the move that now joins two own groups as a tiger's mouth.
    if (own.empty()) {
      for (Point step : kSteps) {
        const Point c = p_ + step;
        if (!Empty(c)) continue;
        std::vector<int> groups;
        for (Point s : kSteps)
          if (c + s != p_ && Own(c + s)) groups.push_back(Group(c + s));
        std::sort(groups.begin(), groups.end());
        if (std::unique(groups.begin(), groups.end()) - groups.begin() >= 2) Name("カケツギ");
      }
    }
    // アテ: an opponent group left with one liberty.
    for (Point d : other)
      if (LibertiesAfterMove(p_ + d) == 1) Name("アテ");
    // ノゾキ: next to a point that joins two opponent groups.
    for (Point step : kSteps) {
      const Point c = p_ + step;
      if (!Empty(c)) continue;
      std::vector<int> groups;
      for (Point s : kSteps)
        if (c + s != p_ && Other(c + s)) groups.push_back(Group(c + s));
      std::sort(groups.begin(), groups.end());
      if (std::unique(groups.begin(), groups.end()) - groups.begin() >= 2) Name("ノゾキ");
    }
    if (own.size() == 1) Extension(own.front());
    // オサエ: in the way of an opponent stone — next to it, diagonal to it, or (without
    // contact) one space or a knight's move from it — on its side away from its nearer edge
    // or level with it, and joined to an own stone: next to or diagonal to the move, one
    // space from it, or (for a block at a distance) a knight's move from it.
    auto joined = [&](bool knight) {
      for (Point step : kSteps) {
        if (Own(p_ + step)) return true;
        if (Own(p_ + 2 * step) && Empty(p_ + step)) return true;
      }
      for (Point d : kDiagonals)
        if (Own(p_ + d)) return true;
      if (knight)
        for (Point k : KnightSteps())
          if (Own(p_ + k)) return true;
      return false;
    };
    bool blocks = false;
    if (!other.empty() || OtherDiagonal()) {
      for (Point d : kDiagonals) blocks = blocks || (Other(p_ + d) && NotBelow(p_ + d));
      for (Point d : other) blocks = blocks || NotBelow(p_ + d);
      blocks = blocks && joined(false);
    } else if (own.empty()) {
      for (Point step : kSteps) {
        const Point e = p_ + 2 * step;
        blocks = blocks || (Other(e) && Empty(p_ + step) && NotBelow(e));
      }
      for (Point k : KnightSteps()) blocks = blocks || (Other(p_ + k) && NotBelow(p_ + k));
      blocks = blocks && joined(true);
    }
    if (blocks) {
      Name("オサエ");
      if (Line(p_) == 2) Name("二線オサエ");
      const std::string side = SideOf(p_);
      if (!side.empty()) Name(side + "オサエ");
    }
  }

  static std::vector<Point> KnightSteps() {
    std::vector<Point> steps;
    for (int a : {1, 2})
      for (int sa : {1, -1})
        for (int sb : {1, -1}) steps.push_back(Point{sa * a, sb * (3 - a)});
    return steps;
  }

  // Whether an opponent stone is diagonal to the move.
  bool OtherDiagonal() const {
    for (Point d : kDiagonals)
      if (Other(p_ + d)) return true;
    return false;
  }

  // Whether the move is not nearer to the edge that the opponent stone e is nearest to.
  bool NotBelow(Point e) const {
    if (LineY(e) < LineX(e)) return LineY(p_) >= LineY(e);
    if (LineX(e) < LineY(e)) return LineX(p_) >= LineX(e);
    return true;
  }

  // The move next to one own stone f = move - d: ノビ and its kinds.
  void Extension(Point toOwn) {
    const Point f = p_ + toOwn;
    const Point d = Point{0, 0} - toOwn;  // from f to the move
    bool bent = false;
    for (Point step : kSteps)
      if (step != d && step != toOwn && Own(f + step)) bent = true;
    const bool straight = Own(f - d);
    if (!bent || straight) Name("ノビ");
    if (bent && !straight) Name("マガリ");
    // ヒキ: straight away from an opponent stone touching f, or drawing back from such a
    // contact without touching the opponent.
    bool touchesOther = false;
    for (Point step : kSteps) touchesOther = touchesOther || Other(p_ + step);
    bool drawsBack = Other(f - d);
    for (Point step : kSteps) {
      const Point e = f + step;
      if (e != p_ && Other(e) && !touchesOther && step.column * d.column + step.row * d.row <= 0)
        drawsBack = true;
    }
    if (drawsBack) Name("ヒキ");
    const Point n1 = d.column != 0 ? Point{0, 1} : Point{1, 0};
    bool beside = false;
    for (Point n : {n1, Point{0, 0} - n1}) {
      if (Other(p_ + n) || Other(f + n)) beside = true;
      if (Other(p_ + n) && (Other(p_ - n) || Other(p_ - n + d))) Name("デ");
    }
    if (beside) Name("オシ");
    // Along an edge: ハイ on the second or third line under an opponent stone.
    const int along = LineAlong(p_, d);
    if (along <= 3 && along == LineAlong(f, d)) {
      const Point up =
          d.column != 0 ? Point{0, p_.row <= 10 ? 1 : -1} : Point{p_.column <= 10 ? 1 : -1, 0};
      if (Other(p_ + up) || Other(f + up)) {
        Name("ハイ");
        if (along == 2) Name("二線ハイ");
      }
    }
    // Across an edge: サガリ towards it, タチ away from it.
    const int from = LineAcross(f, d), to = LineAcross(p_, d);
    if (to < from && to <= 3) {
      Name("サガリ");
      if (to == 2) Name("二線サガリ");
    }
    if (to > from && from <= 3) Name("タチ");
  }

  // Relations to own stones at a distance: コスミ, トビ, ケイマ, 大ゲイマ, スベリ.
  void OwnDistance() {
    bool ownNext = false, otherNext = false;
    for (Point step : kSteps) {
      ownNext = ownNext || Own(p_ + step);
      otherNext = otherNext || Other(p_ + step);
    }
    if (ownNext) return;
    for (Point d : kDiagonals) {
      const Point f = p_ + d;
      if (!Own(f)) continue;
      if (!Empty(Point{f.column, p_.row}) || !Empty(Point{p_.column, f.row})) continue;
      Name("コスミ");
      if (otherNext) {
        Name("コスミツケ");
        Name("ツケ");
      }
      bool otherNear = false;
      for (Point s : kSteps) {
        otherNear =
            otherNear || Other(Point{f.column, p_.row} + s) || Other(Point{p_.column, f.row} + s);
      }
      bool otherWithinTwo = false;
      for (int dc = -2; dc <= 2; ++dc)
        for (int dr = -2; dr <= 2; ++dr)
          otherWithinTwo = otherWithinTwo || Other(p_ + Point{dc, dr});
      if (LineX(p_) > LineX(f) && LineY(p_) > LineY(f) && (otherNear || otherWithinTwo))
        Name("コスミ出");
    }
    for (Point step : kSteps) {
      for (int k = 2; k <= 3; ++k) {
        const Point f = p_ + k * step;
        if (!Own(f)) continue;
        bool open = true;
        for (int i = 1; i < k; ++i) open = open && Empty(p_ + i * step);
        if (!open) continue;
        Name("トビ");
        Name(k == 2 ? "一間トビ" : "二間トビ");
        const int line = LineAlong(p_, step);
        if (line >= 2 && line <= 4 && line == LineAlong(f, step) && line == Line(p_)) {
          // along the side from one's own stone: an extension too
          Name("ヒラキ");
          const std::string side = SideOf(p_);
          if (!side.empty()) Name(side + "ヒラキ");
          if (line == 2) Name("二線ヒラキ");
          if (line == 3) Name(Count(k - 1, "ビラキ"));
          if (line == 4) {
            Name(Count(k - 1, "高ビラキ"));
            Name("高ビラキ");
          }
        }
        if (LineAlong(p_, step) == 3 && LineAlong(f, step) == 3) Name("三線トビ");
        if (k == 2 && LineAcross(p_, step) < LineAcross(f, step) && LineAcross(p_, step) <= 2)
          Name("トビサガリ");
      }
    }
    for (int a : {1, 2, 3}) {
      for (int b : {1, 2, 3}) {
        if (!((a == 1 && b == 2) || (a == 2 && b == 1) || (a == 1 && b == 3) || (a == 3 && b == 1)))
          continue;
        for (int sa : {1, -1}) {
          for (int sb : {1, -1}) {
            const Point f = p_ + Point{sa * a, sb * b};
            if (!Own(f)) continue;
            const bool small = a + b == 3;
            // Along the side from one's own stone (the longer step along the edge): an
            // extension too.
            const Point along = a > b ? Point{sa, 0} : Point{0, sb};
            const int line = LineAlong(p_, along);
            if (line >= 2 && line <= 4 && line == Line(p_) &&
                std::abs(LineAlong(f, along) - line) == 1) {
              Name("ヒラキ");
              const std::string side = SideOf(p_);
              if (!side.empty()) Name(side + "ヒラキ");
              if (line == 4) Name("高ビラキ");
              if (line == 2) Name("二線ヒラキ");
            }
            if (small) {
              Name("ケイマ");
              Name("小ゲイマ");
              if (Line(p_) == 2) Name("二線ケイマ");
            } else {
              Name("大ゲイマ");
              // 大斜: a large knight from one's own stone that caps an opponent stone
              // with a knight's move from above.
              for (Point e : {Point{1, 2}, Point{2, 1}}) {
                for (int ea : {1, -1})
                  for (int eb : {1, -1}) {
                    const Point o = p_ + Point{ea * e.column, eb * e.row};
                    if (Other(o) && Line(p_) > Line(o)) Name("大斜");
                  }
              }
            }
            if (Line(p_) == 2 && Line(f) >= 3) {
              bool otherNear = false;
              for (int dc = -2; dc <= 2; ++dc)
                for (int dr = -2; dr <= 2; ++dr) otherNear = otherNear || Other(p_ + Point{dc, dr});
              if (otherNear) {
                Name("スベリ");
                Name("二線スベリ");
              }
            }
          }
        }
      }
    }
  }

  // Relations to opponent stones at a distance: カタツキ, ボウシ, カケ.
  void OtherDistance() {
    for (Point step : kSteps)
      if (Occupied(p_ + step)) return;
    for (Point d : kDiagonals) {
      const Point e = p_ + d;
      if (!Other(e)) continue;
      if (!Empty(Point{e.column, p_.row}) || !Empty(Point{p_.column, e.row})) continue;
      const Point away = AwayFromEdge(e);
      const bool above = away == Point{0, 0}
                             ? LineX(p_) > LineX(e) && LineY(p_) > LineY(e)
                             : (away.column != 0 ? p_.column - e.column == away.column
                                                 : p_.row - e.row == away.row);
      if (above) {
        Name("カタツキ");
        Name("カケ");
      }
    }
    for (Point step : kSteps) {
      const Point e = p_ - 2 * step;
      if (!Other(e) || !Empty(p_ - step)) continue;
      const Point away = AwayFromEdge(e);
      if (away == step || (away == Point{0, 0} && Line(p_) > Line(e))) Name("ボウシ");
    }
    // カケ: a knight's move above an opponent stone on a side.
    for (Point e : {Point{1, 2}, Point{2, 1}}) {
      for (int sa : {1, -1}) {
        for (int sb : {1, -1}) {
          const Point o = p_ - Point{sa * e.column, sb * e.row};
          if (!Other(o)) continue;
          const Point away = AwayFromEdge(o);
          const Point offset = p_ - o;
          if (away == Point{0, 0}) {
            if (LineX(p_) > LineX(o) && LineY(p_) > LineY(o)) Name("カケ");
            continue;
          }
          const int up = away.column != 0 ? offset.column * away.column : offset.row * away.row;
          if (up >= 1) Name("カケ");
        }
      }
    }
  }

  // The approach, enclosure and answer names of the corner the move lies in.
  void Corner() {
    const bool left = p_.column <= 10, top = p_.row <= 10;
    auto norm = [&](Point q) {
      return Point{left ? q.column : kBoardSize + 1 - q.column,
                   top ? q.row : kBoardSize + 1 - q.row};
    };
    const Point np = norm(p_);
    auto inCorner = [&](Point q, int size) {
      if ((q.column <= 10) != left || (q.row <= 10) != top) return false;
      const Point n = norm(q);
      return n.column <= size && n.row <= size;
    };
    bool touches = false, ownNext = false;
    for (Point step : kSteps) {
      touches = touches || Occupied(p_ + step);
      ownNext = ownNext || Own(p_ + step);
    }
    if (np.column == 3 && np.row == 3) {
      Name("三々");
      bool otherInCorner = false;
      for (int c = 1; c <= kBoardSize; ++c)
        for (int r = 1; r <= kBoardSize; ++r)
          otherInCorner = otherInCorner || (Other(Point{c, r}) && inCorner(Point{c, r}, 5));
      if (otherInCorner && !ownNext) Name("三々入り");
    }
    if (touches) return;
    bool otherNear = false;
    for (int c = 1; c <= kBoardSize; ++c)
      for (int r = 1; r <= kBoardSize; ++r)
        otherNear = otherNear || (Other(Point{c, r}) && inCorner(Point{c, r}, 7));
    for (int c = 1; c <= kBoardSize; ++c) {
      for (int r = 1; r <= kBoardSize; ++r) {
        const Point q{c, r};
        if (!Occupied(q) || !inCorner(q, 5)) continue;
        const Point nq = norm(q);
        if (std::abs(nq.column - np.column) <= 1 && std::abs(nq.row - np.row) <= 1) continue;
        for (const bool swap : {false, true}) {
          const int qa = swap ? nq.row : nq.column, qb = swap ? nq.column : nq.row;
          const int pa = swap ? np.row : np.column, pb = swap ? np.column : np.row;
          if (Other(q)) {
            const auto names = ApproachNames(qa, qb, pa, pb);
            for (const std::string& name : names) Name(name);
            if (!names.empty() && OtherSideApproached(q, swap, norm, inCorner)) Name("両ガカリ");
          } else {
            for (const std::string& name : EnclosureNames(qa, qb, pa, pb, otherNear)) Name(name);
          }
        }
        if (Other(q)) {
          if ((np == Point{3, 4} || np == Point{4, 3}) && nq != np) Name("小目ガカリ");
          if (np == Point{5, 3} || np == Point{3, 5}) Name("目外しガカリ");
          if (np == Point{5, 4} || np == Point{4, 5}) Name("高ガカリ");
          if (Named("小目ガカリ") || Named("目外しガカリ") || Named("高ガカリ")) Name("カカリ");
        } else {
          if ((np == Point{3, 4} || np == Point{4, 3}) && nq != Point{3, 4} && nq != Point{4, 3})
            Name("小目ジマリ");
          if (np == Point{5, 4} || np == Point{4, 5}) Name("高目ジマリ");
          if (np == Point{5, 3} || np == Point{3, 5}) Name("目外しジマリ");
          if (Named("小目ジマリ") || Named("高目ジマリ") || Named("目外しジマリ")) Name("シマリ");
        }
      }
    }
    if (Named("カカリ")) {
      const std::string side = SideOf(p_);
      if (!side.empty()) Name(side + "カカリ");
    }
  }

  // The approach names of a move at (pa, pb) to a corner stone at (qa, qb), a counting
  // along the edge and b from it.
  static std::vector<std::string> ApproachNames(int qa, int qb, int pa, int pb) {
    std::vector<std::string> names;
    const int dx = pa - qa, dy = pb - qb;
    if (dx < 2 || pb < 3 || pb > 4) return names;
    if (dx == 2 && dy == -1) names = {"小ゲイマガカリ", "ケイマガカリ"};
    if (dx == 2 && dy == 1) names = {"ケイマガカリ"};
    if (dx == 3 && (dy == -1 || dy == 1)) names.push_back("大ゲイマガカリ");
    if (dy == 0 || (dy == 1 && pb >= 4))
      names.push_back(Count(dx - 1, pb >= 4 ? "高ガカリ" : "ガカリ"));
    if (dy == -1 && dx >= 3) names.push_back(Count(dx - 1, "ガカリ"));
    names.erase(std::remove(names.begin(), names.end(), std::string()), names.end());
    if (!names.empty()) names.push_back("カカリ");
    return names;
  }

  // Whether the mover has a stone that approaches the corner stone q from the other side.
  template <class Norm, class InCorner>
  bool OtherSideApproached(Point q, bool swap, Norm norm, InCorner inCorner) const {
    const Point nq = norm(q);
    for (int c = 1; c <= kBoardSize; ++c) {
      for (int r = 1; r <= kBoardSize; ++r) {
        const Point s{c, r};
        if (!Own(s) || !inCorner(s, 10)) continue;
        const Point ns = norm(s);
        const bool other = !swap;
        const int qa = other ? nq.row : nq.column, qb = other ? nq.column : nq.row;
        const int sa = other ? ns.row : ns.column, sb = other ? ns.column : ns.row;
        if (!ApproachNames(qa, qb, sa, sb).empty()) return true;
      }
    }
    return false;
  }

  static std::vector<std::string> EnclosureNames(int qa, int qb, int pa, int pb, bool answer) {
    std::vector<std::string> names;
    const int dx = pa - qa, dy = pb - qb;
    if (pb < 3 || pb > 4) return names;
    if (dx == 2 && (dy == -1 || dy == 1)) {
      names = {"小ゲイマジマリ"};
      if (answer) names.insert(names.end(), {"小ゲイマ受け", "ケイマ受け"});
    }
    if (dx == 2 && dy == 0) {
      names = {"一間ジマリ"};
      if (answer) names.push_back("一間受け");
    }
    if (dx == 3 && (dy == -1 || dy == 1)) {
      names = {"大ゲイマジマリ"};
      if (answer) names.push_back("大ゲイマ受け");
    }
    if (dx == 3 && dy == 0) {
      names = {"二間ジマリ"};
      if (pb >= 4) names.push_back("二間高ジマリ");
      if (answer) names.push_back("二間受け");
    }
    if (!names.empty()) names.push_back("シマリ");
    return names;
  }

  // Along a side: pincers, extensions and approaches to an opponent's side stones.
  void Side() {
    for (Point step : kSteps)
      if (Occupied(p_ + step)) return;
    for (const EdgeFrame& edge : kEdges) {
      const int pa = edge.Along(p_), pb = edge.LineOf(p_);
      if (pb < 2 || pb > 4) continue;
      for (int s : {1, -1}) {
        const auto first = FirstOnSide(edge, pa, s);
        if (!first) continue;
        const auto [k, stone] = *first;
        const int gap = k - 1;
        if (gap < 1) continue;
        if (stone == Stone::kOwn) {
          if (gap < 2) continue;  // one space along the line is a トビ (OwnDistance)
          Name("ヒラキ");
          const std::string side = SideOf(p_);
          if (!side.empty()) Name(side + "ヒラキ");
          if (pb == 2) Name("二線ヒラキ");
          if (pb == 3) Name(Count(gap, "ビラキ"));
          if (pb == 4) {
            Name(Count(gap, "高ビラキ"));
            Name("高ビラキ");
            Name(Count(gap, "ビラキ"));
          }
          if (gap >= 4) Name("大ビラキ");
          continue;
        }
        // An opponent stone on the side (not in a corner): a pincer when an own stone
        // stands beyond it.
        const int ea = pa + s * k;
        // the stone pinched lies on the side, or is a lone stone (an approach) or two
        bool sideStone = std::min(ea, kBoardSize + 1 - ea) >= 5;
        for (int line = 1; line <= 5; ++line) {
          const Point q = edge.At(ea, line);
          if (Other(q) && size_[Group(q)] <= 2) sideStone = true;
        }
        const auto beyond = FirstOnSide(edge, ea, s, Stone::kOwn);
        if (sideStone && beyond && beyond->first <= 6 && pb >= 3) {
          Name("ハサミ");
          Name(Count(gap, "バサミ"));
          Name(Count(gap, pb == 3 ? "低バサミ" : "高バサミ"));
          if (pb >= 4) Name("高バサミ");
          const auto far = FirstOnSide(edge, ea + s * beyond->first, s, Stone::kOther);
          if (far && far->first <= 6) {
            Name("ハサミ返し");
            Name(Count(gap, "ハサミ返し"));
            if (pb >= 4) Name("高いハサミ返し");
          }
        }
        if (gap <= 6) {
          Name("ツメ");
          Name(Count(gap, "ツメ"));
          const std::string side = SideOf(p_);
          if (!side.empty()) Name(side + "ツメ");
          if (pb >= 4) Name("高いツメ");
        }
      }
    }
  }

  // The nearest stone along the side from along-coordinate a in direction s, on the
  // lines 1..5 of edge: its distance and whose it is (an opponent stone wins a tie).
  // With only set, the nearest stone of that kind (others passed over).
  std::optional<std::pair<int, Stone>> FirstOnSide(const EdgeFrame& edge, int a, int s,
                                                   Stone only = Stone::kEmpty) const {
    for (int k = 1; k <= 9; ++k) {
      const int along = a + s * k;
      if (along < 1 || along > kBoardSize) return std::nullopt;
      bool own = false, other = false;
      for (int line = 1; line <= 5; ++line) {
        const Point q = edge.At(along, line);
        own = own || Own(q);
        other = other || Other(q);
      }
      if (only == Stone::kOther && !other) continue;
      if (only == Stone::kOwn && !own) continue;
      if (other && only != Stone::kOwn) return std::pair{k, Stone::kOther};
      if (own) return std::pair{k, Stone::kOwn};
    }
    return std::nullopt;
  }

  const BoardState& board_;
  Point p_;
  int parity_;
  std::array<std::array<int, kRing + 1>, kRing + 1> group_{};
  std::vector<bool> named_;
  std::vector<int> size_{0};  // stones per group number
};

}  // namespace

std::vector<std::string> ShapeNames(const BoardState& board, Point move, Colour colour) {
  std::vector<std::string> names;
  if (!IsOnBoard(move)) return names;
  const std::vector<bool> named = ShapeReader(board, move, colour).Read();
  const auto& table = ShapeReader::Table();
  for (size_t i = 0; i < table.size(); ++i)
    if (named[i]) names.push_back(table[i]);
  return names;
}

const std::vector<std::string>& AllShapeNames() {
  return ShapeReader::Table();
}

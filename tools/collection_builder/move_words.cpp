#include "collection_builder/move_words.h"

#include "collection_builder/title_terms.h"

#include <QRegularExpression>
#include <algorithm>
#include <string>

#include "rules/board_state.h"
#include "rules/captures.h"
#include "rules/shape_names.h"

namespace {

const QString kTenuki = QStringLiteral("手抜き");

// ---------------------------------------------------------------------------
// The words of the texts: how a shape word is written (noun, verb stem, kanji)
// and the words around it that make it more precise.

// A written form and the term it stands for; an empty term marks a form that is
// no move's shape (a sequence, a stone named by its role).
struct Surface {
  QString text;
  QString term;
};

const std::vector<Surface>& WrittenForms() {
  static const std::vector<Surface> forms = [] {
    std::vector<Surface> f = {
        // Not the shape of one move: sequences, stones named by their role.
        {u"ツケ引き"_qs, {}},
        {u"ツケノビ"_qs, {}},
        {u"ツケオサエ"_qs, {}},
        {u"ツケ押さえ"_qs, {}},
        {u"挟み石"_qs, {}},
        {u"挟んだ石"_qs, {}},
        {u"ハサミ石"_qs, {}},
        {u"切り離"_qs, {}},
        {u"切り取"_qs, {}},
        {u"押し込"_qs, {}},
        {u"引き締"_qs, {}},
        {u"引き出"_qs, {}},
        {u"ハネ返し"_qs, u"ハネ"_qs},
        {u"挟んだ側"_qs, {}},
        {u"挟んだ方"_qs, {}},
        {u"挟まれ"_qs, {}},
        // Verb stems and kanji.
        {u"コスミツけ"_qs, u"コスミツケ"_qs},
        {u"コスん"_qs, u"コスミ"_qs},
        {u"コスむ"_qs, u"コスミ"_qs},
        {u"コスみ"_qs, u"コスミ"_qs},
        {u"コスま"_qs, u"コスミ"_qs},
        {u"三々に入"_qs, u"三々入り"_qs},
        {u"三々へ入"_qs, u"三々入り"_qs},
        {u"三々にツ"_qs, u"三々ツケ"_qs},
        {u"トビサガっ"_qs, u"トビサガリ"_qs},
        {u"トビサガる"_qs, u"トビサガリ"_qs},
        {u"飛び下が"_qs, u"トビサガリ"_qs},
        {u"二段にハネ"_qs, u"二段バネ"_qs},
        {u"二段バネ"_qs, u"二段バネ"_qs},
        {u"ツいて"_qs, u"ツケ"_qs},
        {u"ツけ"_qs, u"ツケ"_qs},
        {u"ツく"_qs, u"ツケ"_qs},
        {u"付け"_qs, u"ツケ"_qs},
        {u"ハね"_qs, u"ハネ"_qs},
        {u"はね"_qs, u"ハネ"_qs},
        {u"跳ね"_qs, u"ハネ"_qs},
        {u"カケツい"_qs, u"カケツギ"_qs},
        {u"カケツぐ"_qs, u"カケツギ"_qs},
        {u"カケツぎ"_qs, u"カケツギ"_qs},
        {u"肩をつ"_qs, u"カタツキ"_qs},
        {u"肩をツ"_qs, u"カタツキ"_qs},
        {u"カタをツ"_qs, u"カタツキ"_qs},
        {u"肩ツキ"_qs, u"カタツキ"_qs},
        {u"カタツい"_qs, u"カタツキ"_qs},
        {u"ツいで"_qs, u"ツギ"_qs},
        {u"ツぎ"_qs, u"ツギ"_qs},
        {u"ツぐ"_qs, u"ツギ"_qs},
        {u"継い"_qs, u"ツギ"_qs},
        {u"継ぐ"_qs, u"ツギ"_qs},
        {u"継ぎ"_qs, u"ツギ"_qs},
        {u"つない"_qs, u"ツギ"_qs},
        {u"つなぐ"_qs, u"ツギ"_qs},
        {u"つなげ"_qs, u"ツギ"_qs},
        {u"つぐ"_qs, u"ツギ"_qs},
        {u"つい"_qs, u"ツギ"_qs},
        {u"伸び"_qs, u"ノビ"_qs},
        {u"伸ば"_qs, u"ノビ"_qs},
        {u"ノび"_qs, u"ノビ"_qs},
        {u"のび"_qs, u"ノビ"_qs},
        {u"押さえ"_qs, u"オサエ"_qs},
        {u"押え"_qs, u"オサエ"_qs},
        {u"オサえ"_qs, u"オサエ"_qs},
        {u"押し"_qs, u"オシ"_qs},
        {u"押す"_qs, u"オシ"_qs},
        {u"オし"_qs, u"オシ"_qs},
        {u"オす"_qs, u"オシ"_qs},
        {u"引い"_qs, u"ヒキ"_qs},
        {u"引き"_qs, u"ヒキ"_qs},
        {u"引く"_qs, u"ヒキ"_qs},
        {u"ヒい"_qs, u"ヒキ"_qs},
        {u"ヒく"_qs, u"ヒキ"_qs},
        {u"下がっ"_qs, u"サガリ"_qs},
        {u"下がる"_qs, u"サガリ"_qs},
        {u"下がり"_qs, u"サガリ"_qs},
        {u"サガっ"_qs, u"サガリ"_qs},
        {u"サガる"_qs, u"サガリ"_qs},
        {u"立っ"_qs, u"タチ"_qs},
        {u"立つ"_qs, u"タチ"_qs},
        {u"立ち"_qs, u"タチ"_qs},
        {u"タっ"_qs, u"タチ"_qs},
        {u"タつ"_qs, u"タチ"_qs},
        {u"這っ"_qs, u"ハイ"_qs},
        {u"這う"_qs, u"ハイ"_qs},
        {u"這い"_qs, u"ハイ"_qs},
        {u"ハっ"_qs, u"ハイ"_qs},
        {u"ハう"_qs, u"ハイ"_qs},
        {u"曲がっ"_qs, u"マガリ"_qs},
        {u"曲がる"_qs, u"マガリ"_qs},
        {u"曲がり"_qs, u"マガリ"_qs},
        {u"マガっ"_qs, u"マガリ"_qs},
        {u"マガる"_qs, u"マガリ"_qs},
        {u"切っ"_qs, u"キリ"_qs},
        {u"切る"_qs, u"キリ"_qs},
        {u"切り"_qs, u"キリ"_qs},
        {u"キっ"_qs, u"キリ"_qs},
        {u"キる"_qs, u"キリ"_qs},
        {u"キられ"_qs, {}},
        {u"割り込"_qs, u"ワリコミ"_qs},
        {u"割込"_qs, u"ワリコミ"_qs},
        {u"ワリコん"_qs, u"ワリコミ"_qs},
        {u"ワリコむ"_qs, u"ワリコミ"_qs},
        {u"当て"_qs, u"アテ"_qs},
        {u"当たり"_qs, u"アテ"_qs},
        {u"アテて"_qs, u"アテ"_qs},
        {u"アタリ"_qs, u"アテ"_qs},
        {u"覗い"_qs, u"ノゾキ"_qs},
        {u"覗く"_qs, u"ノゾキ"_qs},
        {u"覗き"_qs, u"ノゾキ"_qs},
        {u"ノゾい"_qs, u"ノゾキ"_qs},
        {u"ノゾく"_qs, u"ノゾキ"_qs},
        {u"カけ"_qs, u"カケ"_qs},
        {u"掛け"_qs, u"カケ"_qs},
        {u"かけて"_qs, u"カケ"_qs},
        {u"トん"_qs, u"トビ"_qs},
        {u"トぶ"_qs, u"トビ"_qs},
        {u"トび"_qs, u"トビ"_qs},
        {u"トべ"_qs, u"トビ"_qs},
        {u"飛ん"_qs, u"トビ"_qs},
        {u"飛ぶ"_qs, u"トビ"_qs},
        {u"飛び"_qs, u"トビ"_qs},
        {u"帽子"_qs, u"ボウシ"_qs},
        {u"スベっ"_qs, u"スベリ"_qs},
        {u"スベる"_qs, u"スベリ"_qs},
        {u"スベり"_qs, u"スベリ"_qs},
        {u"すべっ"_qs, u"スベリ"_qs},
        {u"すべる"_qs, u"スベリ"_qs},
        {u"すべり"_qs, u"スベリ"_qs},
        {u"滑っ"_qs, u"スベリ"_qs},
        {u"滑る"_qs, u"スベリ"_qs},
        {u"滑り"_qs, u"スベリ"_qs},
        {u"挟み返"_qs, u"ハサミ返し"_qs},
        {u"ハサミ返"_qs, u"ハサミ返し"_qs},
        {u"ハサみ返"_qs, u"ハサミ返し"_qs},
        {u"挟ん"_qs, u"ハサミ"_qs},
        {u"挟む"_qs, u"ハサミ"_qs},
        {u"挟み"_qs, u"ハサミ"_qs},
        {u"挟ま"_qs, u"ハサミ"_qs},
        {u"ハサん"_qs, u"ハサミ"_qs},
        {u"ハサむ"_qs, u"ハサミ"_qs},
        {u"ハサみ"_qs, u"ハサミ"_qs},
        {u"ハサま"_qs, u"ハサミ"_qs},
        {u"バサミ"_qs, u"ハサミ"_qs},
        {u"開い"_qs, u"ヒラキ"_qs},
        {u"開く"_qs, u"ヒラキ"_qs},
        {u"開き"_qs, u"ヒラキ"_qs},
        {u"開か"_qs, u"ヒラキ"_qs},
        {u"ヒラい"_qs, u"ヒラキ"_qs},
        {u"ヒラく"_qs, u"ヒラキ"_qs},
        {u"ヒラき"_qs, u"ヒラキ"_qs},
        {u"ヒラか"_qs, u"ヒラキ"_qs},
        {u"ビラキ"_qs, u"ヒラキ"_qs},
        {u"詰め"_qs, u"ツメ"_qs},
        {u"ツめ"_qs, u"ツメ"_qs},
        {u"カカっ"_qs, u"カカリ"_qs},
        {u"カカる"_qs, u"カカリ"_qs},
        {u"カカり"_qs, u"カカリ"_qs},
        {u"掛か"_qs, u"カカリ"_qs},
        {u"ガカリ"_qs, u"カカリ"_qs},
        {u"締まっ"_qs, u"シマリ"_qs},
        {u"締まる"_qs, u"シマリ"_qs},
        {u"締まり"_qs, u"シマリ"_qs},
        {u"シマっ"_qs, u"シマリ"_qs},
        {u"シマる"_qs, u"シマリ"_qs},
        {u"ジマリ"_qs, u"シマリ"_qs},
        {u"受け"_qs, u"受け"_qs},
        {u"構え"_qs, u"構え"_qs},
        {u"手抜き"_qs, kTenuki},
        {u"手を抜"_qs, kTenuki},
    };
    return f;
  }();
  return forms;
}

// What the words before a shape word add to it.
struct Qualifiers {
  int count = 0;        // N間
  bool high = false;    // 高く, 高い, 四線
  bool low = false;     // 低く, 低い
  int line = 0;         // 二線, 三線, 四線
  QString side;         // 上辺, 左辺
  QString knight;       // 小ゲイマ, 大ゲイマ, ケイマ (…に)
  bool komoku = false;  // 小目に
};

const QString kCountDigits = QStringLiteral("一二三四五六");

// Reads one qualifier at text[i]; returns its length or 0. nounForm: after 「黒４の」.
int ReadQualifier(const QString& text, qsizetype i, bool nounForm, Qualifiers& q) {
  auto at = [&](const QString& word) { return text.mid(i, word.size()) == word; };
  for (const QString& side : {u"上辺"_qs, u"左辺"_qs}) {
    for (const QString& tail : nounForm ? QStringList{u"の"_qs, u"からの"_qs, u"への"_qs}
                                        : QStringList{u"に"_qs, u"へ"_qs, u"から"_qs, u"で"_qs}) {
      if (at(side + tail)) {
        q.side = side;
        return int(side.size() + tail.size());
      }
    }
  }
  const QString lines = QStringLiteral("二三四");
  if (i + 2 < text.size() && lines.contains(text[i]) && text[i + 1] == u'線') {
    const QChar tail = text[i + 2];
    if (tail == u'に' || tail == u'の' || tail == u'で' || tail == u'へ') {
      q.line = int(lines.indexOf(text[i])) + 2;
      if (q.line == 4) q.high = true;
      return 3;
    }
  }
  if (i + 1 < text.size() && kCountDigits.contains(text[i]) && text[i + 1] == u'間') {
    // 「二間に」「三間の」「三間ヒラく」: not when a longer term starts here.
    q.count = int(kCountDigits.indexOf(text[i])) + 1;
    if (i + 2 < text.size() && (text[i + 2] == u'に' || text[i + 2] == u'の')) return 3;
    return 2;
  }
  for (const QString& knight : {u"小ゲイマに"_qs, u"大ゲイマに"_qs, u"ケイマに"_qs}) {
    if (at(knight)) {
      q.knight = knight.chopped(1);
      return int(knight.size());
    }
  }
  if (at(u"小目に"_qs)) {
    q.komoku = true;
    return 3;
  }
  for (const QString& high : {u"高く"_qs, u"高い"_qs}) {
    if (at(high)) {
      q.high = true;
      return 2;
    }
  }
  for (const QString& low : {u"低く"_qs, u"低い"_qs}) {
    if (at(low)) {
      q.low = true;
      return 2;
    }
  }
  if (nounForm) {
    for (const QString& word :
         {u"隅の"_qs, u"隅への"_qs, u"隅からの"_qs, u"星下への"_qs, u"三々への"_qs, u"軽い"_qs,
          u"堅い"_qs, u"固い"_qs, u"大きな"_qs, u"遠い"_qs, u"厳しい"_qs, u"外側からの"_qs,
          u"内側からの"_qs, u"上からの"_qs, u"下からの"_qs, u"左からの"_qs, u"横からの"_qs,
          u"外からの"_qs, u"一路の"_qs})
      if (at(word)) return int(word.size());
  }
  return 0;
}

// The most precise term the qualifiers make of a base term, among the shape terms.
QString Compose(const QString& base, const Qualifiers& q, const QSet<QString>& shapes) {
  const QString count = q.count >= 1 ? QString(kCountDigits[q.count - 1]) + u"間"_qs : QString();
  QStringList candidates;
  if (base == u"ヒラキ") {
    if (!count.isEmpty()) candidates << count + (q.high ? u"高ビラキ"_qs : u"ビラキ"_qs);
    if (q.high) candidates << u"高ビラキ"_qs;
    if (q.line == 2) candidates << u"二線ヒラキ"_qs;
    if (!q.side.isEmpty()) candidates << q.side + base;
  } else if (base == u"ハサミ") {
    if (!count.isEmpty())
      candidates << count + (q.high ? u"高バサミ"_qs : q.low ? u"低バサミ"_qs : u"バサミ"_qs);
    if (q.high) candidates << u"高バサミ"_qs;
  } else if (base == u"ハサミ返し") {
    if (!count.isEmpty()) candidates << count + base;
    if (q.high) candidates << u"高いハサミ返し"_qs;
  } else if (base == u"トビ") {
    if (!count.isEmpty()) candidates << count + base;
    if (q.line == 3) candidates << u"三線トビ"_qs;
  } else if (base == u"シマリ") {
    if (!q.knight.isEmpty()) candidates << q.knight + u"ジマリ"_qs;
    if (!count.isEmpty()) candidates << count + (q.high ? u"高ジマリ"_qs : u"ジマリ"_qs);
    if (q.komoku) candidates << u"小目ジマリ"_qs;
  } else if (base == u"受け") {
    if (!q.knight.isEmpty()) candidates << q.knight + base;
    if (!count.isEmpty()) candidates << count + base;
  } else if (base == u"カカリ") {
    if (!q.knight.isEmpty()) candidates << q.knight + u"ガカリ"_qs;
    if (!count.isEmpty()) candidates << count + (q.high ? u"高ガカリ"_qs : u"ガカリ"_qs);
    if (!q.side.isEmpty()) candidates << q.side + base;
  } else if (base == u"ツメ") {
    if (!count.isEmpty()) candidates << count + base;
    if (q.high) candidates << u"高いツメ"_qs;
    if (!q.side.isEmpty()) candidates << q.side + base;
  } else if (base == u"構え") {
    if (!q.knight.isEmpty()) candidates << q.knight;
  } else if (base == u"カケ") {
    if (q.knight == u"大ゲイマ") candidates << u"大斜"_qs;
  } else if (q.line == 2 || q.line == 4) {
    candidates << (q.line == 2 ? u"二線"_qs : u"四線"_qs) + base;
  }
  for (const QString& c : candidates)
    if (shapes.contains(c)) return c;
  return base;
}

// ---------------------------------------------------------------------------
// Move names in the texts.

bool IsDigit(QChar c) {
  return c >= QChar(0xFF10) && c <= QChar(0xFF19);
}

// A move named in a text: its display number, its colour when the text gives one
// (1 black, 2 white, 0 none), where it stands, whether it is part of a list.
struct Mention {
  qsizetype start = 0;  // the colour word, or the first digit
  qsizetype end = 0;    // past the last digit
  int number = 0;
  int colour = 0;
  bool listed = false;
};

int ColourOf(QChar c) {
  return c == u'黒' ? 1 : c == u'白' ? 2 : 0;
}

std::vector<Mention> FindMentions(const QString& text) {
  std::vector<Mention> mentions;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (!IsDigit(text[i]) || (i > 0 && IsDigit(text[i - 1]))) continue;
    Mention m;
    m.start = i;
    m.end = i;
    while (m.end < text.size() && IsDigit(text[m.end])) {
      m.number = m.number * 10 + (text[m.end].unicode() - 0xFF10);
      ++m.end;
    }
    if (i >= 1 && ColourOf(text[i - 1]) != 0) {
      m.colour = ColourOf(text[i - 1]);
      m.start = i - 1;
    } else if (i >= 2 && ColourOf(text[i - 2]) != 0 &&
               QStringLiteral("はがも").contains(text[i - 1])) {
      m.colour = ColourOf(text[i - 2]);
    } else if (i >= 1 && text[i - 1] == u'、' && !mentions.empty() &&
               mentions.back().end == i - 1) {
      m.colour = mentions.back().colour;
      m.listed = true;
      mentions.back().listed = true;
    }
    mentions.push_back(m);
  }
  return mentions;
}

QString MoveText(int number, int colour) {
  QString digits;
  for (QChar c : QString::number(number)) digits += QChar(0xFF10 + c.digitValue());
  return (colour == 1 ? u"黒"_qs : colour == 2 ? u"白"_qs : QString()) + digits;
}

// ---------------------------------------------------------------------------
// The board of the line.

struct LineMoves {
  std::vector<QStringList> names;  // per numbered move
  std::vector<BoardPoint> points;  // per numbered move
  std::vector<int> colours;        // 1 black, 2 white
};

LineMoves ReadLine(const Joseki& j) {
  LineMoves line;
  BoardState board;
  for (int i = 0; i < static_cast<int>(j.stones.size()); ++i) {
    const BoardPoint p = j.stones[i];
    const Colour colour = i % 2 == 0 ? Colour::kBlack : Colour::kWhite;
    if (i >= j.given) {
      QStringList names;
      if (p.IsTenuki()) {
        names << kTenuki;
      } else if (board.at(p.column, p.row) == 0) {
        for (const std::string& name : ShapeNames(board, Point{p.column, p.row}, colour))
          names << QString::fromStdString(name);
      }
      line.names.push_back(names);
      line.points.push_back(p);
      line.colours.push_back(int(colour));
    }
    if (p.IsTenuki() || board.at(p.column, p.row) != 0) continue;
    PlaceStone(board, Point{p.column, p.row}, colour);
    if (i >= j.given) CaptureCheck(board, Point{p.column, p.row}, colour, nullptr);
  }
  return line;
}

int LineOf(const BoardPoint& p) {
  return std::min({p.column, 20 - p.column, p.row, 20 - p.row});
}

// ---------------------------------------------------------------------------
// Reading the words tied to each move.

struct TiedWord {
  QString term;
  Qualifiers qualifiers;
  qsizetype end = 0;  // past the written form
};

// The written form at text[i] (longest first), with its term; nullptr if none.
const Surface* FormAt(const QString& text, qsizetype i, const QSet<QString>& shapes) {
  static std::vector<Surface> sorted;
  static QSet<QString> sortedFor;
  if (sorted.empty() || sortedFor != shapes) {
    sorted = WrittenForms();
    for (const QString& term : shapes) sorted.push_back({term, term});
    std::stable_sort(sorted.begin(), sorted.end(), [](const Surface& a, const Surface& b) {
      return a.text.size() > b.text.size();
    });
    sortedFor = shapes;
  }
  for (const Surface& s : sorted)
    if (text.mid(i, s.text.size()) == s.text) return &s;
  return nullptr;
}

// A verb or noun that is negated, passive or causative describes no move of the subject.
bool NotTheMover(const QString& text, qsizetype end) {
  const QString next = text.mid(end, 3);
  return next.startsWith(u"ず") || next.startsWith(u"ない") || next.startsWith(u"られ") ||
         next.startsWith(u"され") || next.startsWith(u"させ") || next.startsWith(u"れ") ||
         next.startsWith(u"せ") || next.startsWith(u"わせ") || next.startsWith(u"たせ") ||
         next.startsWith(u"まれ") || next.startsWith(u"かれ");
}

// A noun: the term itself or a verb's noun form (締まり, 開き, 挟み, 切り).
bool IsNounForm(const Surface& form) {
  return form.text == form.term || QStringLiteral("りきみちいぎ").contains(form.text.back());
}

// 「切りを防ぐ」「カカった白」: the word names a move to come or another stone.
bool NotThisMove(const QString& text, qsizetype end, bool noun) {
  // 「シマリを両側から制限」: a noun as the object or subject of another verb
  if (noun && (text.mid(end, 1) == u"を" || text.mid(end, 1) == u"が" || text.mid(end, 1) == u"に"))
    return true;
  for (const char16_t* tail :
       {u"を防", u"を守", u"をねら", u"を狙", u"に備", u"を見", u"を含", u"が残", u"の余地"})
    if (text.mid(end, QStringView(tail).size()) == QStringView(tail)) return true;
  // a relative clause: 「カカった白」「挟み返した石」
  const QString next = text.mid(end, 4);
  for (const char16_t* tail : {u"た白", u"た黒", u"た石", u"だ石", u"だ白", u"だ黒", u"た側",
                               u"だ側", u"る石", u"る白", u"る黒"})
    if (next.contains(QStringView(tail))) return true;
  return false;
}

bool ClauseEnd(QChar c) {
  return c == u'、' || c == u'。' || c == u'，' || c == u'）';
}

// A knight's word followed by に qualifies the verb after it (「小ゲイマに受けて」).
bool KnightQualifier(const Surface* form, const QString& text, qsizetype i) {
  const qsizetype end = i + form->text.size();
  return (form->text == u"小ゲイマ" || form->text == u"大ゲイマ" || form->text == u"ケイマ") &&
         end < text.size() && text[end] == u'に';
}

// 「黒４の（上辺の）ハネ」: the shape word right after の and its qualifiers.
std::optional<TiedWord> NounWord(const QString& text, qsizetype i, const QSet<QString>& shapes) {
  TiedWord word;
  while (i < text.size()) {
    const Surface* form = FormAt(text, i, shapes);
    if (form != nullptr && !KnightQualifier(form, text, i)) {
      if (form->term.isEmpty()) return std::nullopt;
      // 「白１の開きを制限する」: the stone's extension to come, not the stone itself.
      if (form->term == u"ヒラキ" && text.mid(i + form->text.size(), 1) == u"を")
        return std::nullopt;
      word.term = form->term;
      word.end = i + form->text.size();
      return word;
    }
    const int n = ReadQualifier(text, i, true, word.qualifiers);
    if (n == 0) return std::nullopt;
    i += n;
  }
  return std::nullopt;
}

// 「黒４と（隅に）ハネて」: the first shape word of the clause after と or で.
std::optional<TiedWord> ClauseWord(const QString& text, qsizetype i,
                                   const std::vector<Mention>& mentions,
                                   const QSet<QString>& shapes) {
  TiedWord word;
  while (i < text.size() && !ClauseEnd(text[i])) {
    const auto other = std::find_if(mentions.begin(), mentions.end(),
                                    [&](const Mention& m) { return m.start == i; });
    if (other != mentions.end()) {
      const QChar after = other->end < text.size() ? text[other->end] : QChar();
      if (after == u'と' || after == u'で' || after == u'は' || after == u'が' || after == u'、')
        return std::nullopt;  // another move's clause begins
      i = other->end;
      if (after == u'の') {
        // 「白１の開き」: the word after の belongs to that stone.
        ++i;
        if (const Surface* owned = FormAt(text, i, shapes)) i += owned->text.size();
      }
      continue;
    }
    // Another player's words begin: 「白の」「黒が」.
    if (ColourOf(text[i]) != 0 && i + 1 < text.size() &&
        QStringLiteral("のがはも").contains(text[i + 1]))
      return std::nullopt;
    const Surface* form = FormAt(text, i, shapes);
    if (form != nullptr && KnightQualifier(form, text, i)) form = nullptr;
    // 「圧力をかけて」: only 「大ゲイマにかけて」 is a move.
    if (form != nullptr && form->text.startsWith(u"かけ") && !word.qualifiers.knight.size()) {
      i += form->text.size();
      continue;
    }
    // 「上辺を押さえ」「白を低く押さえ」: holding an area down, no block of one stone.
    if (form != nullptr && form->term == u"オサエ" && form->text != u"オサエ" &&
        text.mid(std::max<qsizetype>(0, i - 3), std::min<qsizetype>(i, 3)).contains(u'を')) {
      i += form->text.size();
      continue;
    }
    if (form == nullptr) {
      if (const int n = ReadQualifier(text, i, false, word.qualifiers); n > 0) {
        i += n;
        continue;
      }
    }
    if (form != nullptr) {
      const qsizetype end = i + form->text.size();
      const QChar next = end < text.size() ? text[end] : QChar();
      if (!form->term.isEmpty() && next != u'の' && next != u'石' && !NotTheMover(text, end) &&
          !NotThisMove(text, end, IsNounForm(*form))) {
        word.term = form->term;
        word.end = end;
        return word;
      }
      i = end;
      continue;
    }
    ++i;
  }
  return std::nullopt;
}

class WordChecker {
 public:
  WordChecker(const Joseki& joseki, const QSet<QString>& shapes)
      : joseki_(joseki), shapes_(shapes), line_(ReadLine(joseki)) {}

  QStringList Check() {
    CheckText(u"JC"_qs, joseki_.caption);
    CheckText(u"C"_qs, joseki_.commentary);
    CheckTitle();
    return reasons_;
  }

 private:
  void CheckText(const QString& field, const QString& text) {
    const std::vector<Mention> mentions = FindMentions(text);
    const int moves = static_cast<int>(line_.names.size());
    for (const Mention& m : mentions) {
      const QString quoted = text.mid(m.start, m.end - m.start + 8);
      if (m.number < 1 || m.number > moves) {
        reasons_ << QStringLiteral("%1: 「%2」 names move %3, but the line has %4 numbered moves")
                        .arg(field, quoted)
                        .arg(m.number)
                        .arg(moves);
        continue;
      }
      const int colour = line_.colours[m.number - 1];
      if (m.colour != 0 && m.colour != colour) {
        reasons_ << QStringLiteral("%1: 「%2」: move %3 is %4")
                        .arg(field, quoted)
                        .arg(m.number)
                        .arg(MoveText(m.number, colour));
        continue;
      }
      if (m.listed || m.end >= text.size()) continue;
      std::optional<TiedWord> word;
      if (text[m.end] == u'の')
        word = NounWord(text, m.end + 1, shapes_);
      else if (text[m.end] == u'と' || text[m.end] == u'で')
        word = ClauseWord(text, m.end + 1, mentions, shapes_);
      if (word) CheckWord(field, text.mid(m.start, word->end - m.start), m.number, *word);
    }
  }

  void CheckWord(const QString& field, const QString& quoted, int number, const TiedWord& word) {
    const QStringList& names = line_.names[number - 1];
    const QString who = MoveText(number, line_.colours[number - 1]);
    const QString describe = names.isEmpty() ? u"no named shape"_qs : names.join(u'・');
    QString term = Compose(word.term, word.qualifiers, shapes_);
    if (!shapes_.contains(term) && term != kTenuki) return;
    if (!names.contains(term)) {
      reasons_ << QStringLiteral("%1: 「%2」: %3 is not a %4 (its shape: %5)")
                      .arg(field, quoted, who, term, describe);
      return;
    }
    const BoardPoint p = line_.points[number - 1];
    if (p.IsTenuki()) return;
    const Qualifiers& q = word.qualifiers;
    if (!q.side.isEmpty()) {
      const int across = std::min(p.column, 20 - p.column), down = std::min(p.row, 20 - p.row);
      const bool top = down < across, left = across < down;
      if ((q.side == u"上辺" && !top) || (q.side == u"左辺" && !left))
        reasons_ << QStringLiteral("%1: 「%2」: %3 is not on the %4 side")
                        .arg(field, quoted, who, q.side);
    }
    if (q.line != 0 && !term.startsWith(u"二線") && !term.startsWith(u"三線") &&
        !term.startsWith(u"四線") && LineOf(p) != q.line)
      reasons_ << QStringLiteral("%1: 「%2」: %3 stands on line %4")
                      .arg(field, quoted, who)
                      .arg(LineOf(p));
  }

  // The last term of the title, where it is a shape term, fits a numbered move.
  void CheckTitle() {
    const QString term = joseki_.title.section(u'・', -1);
    const int colour = term == u"白手抜き" ? 2 : term == u"黒手抜き" ? 1 : 0;
    const bool tenuki = term.endsWith(kTenuki);
    if (!tenuki && !shapes_.contains(term)) return;
    for (int k = 0; k < static_cast<int>(line_.names.size()); ++k) {
      if (tenuki ? line_.points[k].IsTenuki() && (colour == 0 || line_.colours[k] == colour)
                 : line_.names[k].contains(term))
        return;
    }
    reasons_ << QStringLiteral("GN: the last term 「%1」 fits no numbered move").arg(term);
  }

  const Joseki& joseki_;
  const QSet<QString>& shapes_;
  LineMoves line_;
  QStringList reasons_;
};

}  // namespace

std::optional<QSet<QString>> ReadShapeTerms(const QString& readmeText) {
  return ReadWordBlock(readmeText, QStringLiteral("shapes"));
}

QStringList CheckShapeTermList(const QSet<QString>& shapeTerms) {
  QStringList reasons;
  const auto& all = AllShapeNames();
  QStringList sorted(shapeTerms.begin(), shapeTerms.end());
  sorted.sort();
  for (const QString& term : sorted) {
    if (term != kTenuki && std::find(all.begin(), all.end(), term.toStdString()) == all.end())
      reasons << QStringLiteral("README.md: shape term 「%1」 is no name the shape namer gives")
                     .arg(term);
  }
  return reasons;
}

std::vector<QStringList> MoveShapeNames(const Joseki& joseki) {
  return ReadLine(joseki).names;
}

QStringList CheckMoveWords(const Joseki& joseki, const QSet<QString>& shapeTerms) {
  QStringList errors;
  for (const QString& reason : WordChecker(joseki, shapeTerms).Check())
    errors << QStringLiteral("%1: %2").arg(joseki.Label(), reason);
  return errors;
}

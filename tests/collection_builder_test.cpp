// The collection builder: SGF reading, the rules a joseki must keep, the
// record encoding, game references, the game selection and the round trip
// SGF -> collection file -> SGF.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include "collection/collection_store.h"
#include "collection/record_parsing.h"
#include "collection/sgf_error.h"
#include "collection/sgf_parser.h"
#include "collection_builder/board_symmetry.h"
#include "collection_builder/build_error.h"
#include "collection_builder/collection_build.h"
#include "collection_builder/collection_db.h"
#include "collection_builder/collection_export.h"
#include "collection_builder/collection_measure.h"
#include "collection_builder/command_line.h"
#include "collection_builder/ending_evidence.h"
#include "collection_builder/game_matcher.h"
#include "collection_builder/game_occurrences.h"
#include "collection_builder/game_record.h"
#include "collection_builder/game_reference.h"
#include "collection_builder/game_selection.h"
#include "collection_builder/joseki_reader.h"
#include "collection_builder/joseki_validator.h"
#include "collection_builder/move_words.h"
#include "collection_builder/record_encoding.h"
#include "collection_builder/term_spelling.h"
#include "rules/shape_names.h"

namespace {

// A joseki tree with the required texts and the given moves ("B[dc];W[ce]...").
QString Tree(const QString& key, const QString& moves, const QString& extra = {}) {
  return u"(;FF[4]GN[題%1]JK[%1]JC[見出し]C[解説。]%2;%3)"_qs.arg(key, extra, moves);
}

JosekiReadResult Read(const QString& text) {
  JosekiReadResult result;
  ReadJosekiText(text, "joseki/test.sgf", result);
  return result;
}

// Every error of reading and validating the text as a whole collection.
QStringList Errors(const QString& text) {
  JosekiReadResult read = Read(text);
  QStringList errors = read.errors;
  for (const Joseki& j : read.joseki) errors << ValidateJoseki(j);
  errors << ValidateCollection(read.joseki);
  return errors;
}

Joseki One(const QString& text) {
  JosekiReadResult read = Read(text);
  EXPECT_TRUE(read.errors.isEmpty()) << read.errors.join(u'\n').toStdString();
  EXPECT_EQ(read.joseki.size(), 1u);
  return read.joseki.empty() ? Joseki{} : read.joseki.front();
}

void WriteText(const QString& path, const QString& text) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(text.toUtf8());
}

QString ReadText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

GameRecord Game(const std::vector<QString>& points, int s) {
  GameRecord game;
  game.path = "test.sgf";
  for (const QString& point : points) {
    BoardPoint p;
    ParseSgfMove(point, p);
    game.moves.push_back(Transform(p, s));
  }
  return game;
}

// The SGF moves of a game: each point of the upper-left corner transformed by s.
QString GameMoves(const std::vector<QString>& points, int s) {
  QString text;
  for (const BoardPoint& p : Game(points, s).moves)
    text += u";%1[%2]"_qs.arg(QChar(text.count(u'[') % 2 ? u'W' : u'B')).arg(SgfPointText(p));
  return text;
}

int RunMode(const std::function<int(QTextStream&, QTextStream&)>& mode, QString* output = nullptr) {
  QString outText, errText;
  QTextStream out(&outText), err(&errText);
  const int code = mode(out, err);
  if (output) *output = outText + errText;
  return code;
}

const QString kKomoku = Tree("2A01", "B[dc];W[ce];B[ed];W[ch]");

// --- SGF reading ---

TEST(SgfParser, ReadsValuesEscapesAndTheMainLine) {
  const auto trees = ParseSgf(QStringLiteral(
      "(;C[a \\] b\\\\ c]LB[aa:a][bb:b]GN[小目\\\nの形]\n;B[dc](;W[ce];B[ed])(;W[cd]))(;B[aa])"));
  ASSERT_EQ(trees.size(), 2u);
  const SgfNode& root = trees[0].nodes[0];
  EXPECT_EQ(root.Value("C"), "a ] b\\ c");
  EXPECT_EQ(root.Find("LB")->values, QStringList({"aa:a", "bb:b"}));
  EXPECT_EQ(root.Value("GN"), u"小目の形"_qs);
  // A soft line break takes CR LF whole, but of two LFs only the first.
  EXPECT_EQ(ParseSgf(u"(;C[a\\\r\nb\\\n\nc])"_qs)[0].nodes[0].Value("C"), "ab\nc");
  EXPECT_EQ(ParseSgf(u"(;AddBlack[aa]ABCDEFGH[x])"_qs)[0].nodes[0].Value("ABCDEFGH"), "x");
  const auto line = MainLine(trees[0]);
  ASSERT_EQ(line.size(), 4u);
  EXPECT_EQ(line[2].Value("W"), "ce");
  EXPECT_EQ(line[3].Value("B"), "ed");
}

TEST(SgfParser, SyntaxErrorsNameTheLine) {
  const struct {
    QString text;
    const char* reason;
  } cases[] = {{"(;B[dc]\n;W[ce", "never closed"},
               {"(;B[dc]\n;W[ce]", "expected ')'"},
               {";B[dc]", "expected '('"},
               {"(B[dc])", "must start with a node"},
               {"(;C[ends in a backslash\\", "never closed"},
               {"(;ABCDEFGHI[x])", "name too long"},
               {u"(;"_qs.repeated(100000), "nested more than 1000 levels"}};
  for (const auto& c : cases) {
    try {
      ParseSgf(c.text);
      ADD_FAILURE() << "accepted " << c.text.left(20).toStdString();
    } catch (const SgfError& e) {
      EXPECT_TRUE(e.text().startsWith(u"line ") && e.text().contains(QString::fromUtf8(c.reason)))
          << e.what();
    }
  }
}

// --- Validation ---

// Each text as a whole collection: the part of the expected message, or
// nullptr when the text must pass.
TEST(JosekiValidation, ChecksEveryJosekiAndTheCollection) {
  const QString reordered = Tree("2A02", "B[dc];W[ch];B[ed];W[ce]");
  QString everySection;  // a joseki on the first point of each section
  int n = 0;
  for (const char* key :
       {"0Add", "1Add", "2Adc", "2Bcd", "3Aed", "3Bde", "5Aec", "5Bce", "6Acc", "8Afc"})
    everySection += Tree(QString::fromLatin1(key, 2),
                         u"B[%1];W[j%2];B[]"_qs.arg(key + 2).arg(QChar(u'a' + n++)));
  const struct {
    QString text;
    const char* reason;
  } cases[] = {
      {kKomoku + Tree("2A02", "B[cd];W[dc];B[dc]"),
       "joseki/test.sgf: joseki 2 「題2A02」: 黒2 at dc: the point is occupied"},
      {everySection, nullptr},
      {Tree("8A01", "B[ba];W[aa];B[ab];W[jj];B[aa]"), nullptr},  // a captured point again
      {Tree("8A01", "B[ba];W[aa];B[jj];W[kk];B[aa]"), "occupied"},
      // Final positions that differ only on the last row, or column, are two.
      {Tree("8A01", "B[aa];W[jj];B[js]") + Tree("8A02", "B[aa];W[jj];B[ks]"), nullptr},
      {Tree("8A01", "B[aa];W[jj];B[sj]") + Tree("8A02", "B[aa];W[jj];B[sk]"), nullptr},
      {Tree("2A01", "B[dd];W[fc]"), "not on the point of section 2"},
      {Tree("6A01", "B[dd];W[cc]"), "not on the point of section 6"},
      {Tree("2A01", "B[dc];W[ce];B[ed]", "JG[2]"), "must be odd"},
      {Tree("2A01", "B[dc]"), "leaves no numbered move"},
      {kKomoku + Tree("2A02", "B[dc];W[ce];B[ed];W[ch]"), "the same sequence as"},
      {kKomoku + Tree("2A02", "B[cd];W[ec];B[de];W[hc]"), "the diagonal mirror of"},
      {kKomoku + reordered, "the same final position as"},
      {kKomoku + Tree("8A01", "B[ec];W[cd];B[hc];W[de]"),
       "the same final position as joseki/test.sgf: joseki 1"},
      {kKomoku + QString(reordered).replace(u"JC[見出し]"_qs, u"JC[2A01の手順違い]"_qs),
       nullptr},  // a move-order variant, marked
      {kKomoku + u"(;FF[4]GN[題2A01]JK[2A02]JC[見出し]C[解説。];B[dc];W[de])"_qs,
       "the same title as"},
      {kKomoku + Tree("2A01", "B[dc];W[de]"), "already used"},
      {Tree("4A01", "B[dc];W[ce]"), "which is no section"},
      {Tree("2A01", "B[dc];B[ce]"), "W is to play"},
      {Tree("2A01", "W[dc];B[ce]"), "B is to play"},
      {u"(;GN[題]JK[2A01]C[解説。];B[dc];W[ce])"_qs, "JC (small caption) is missing"},
      {u"(;GN[題]JK[2A01]JC[c]C[解説。];B[dc](;W[ce])(;W[de]))"_qs, "has variations"},
      {Tree("2A01", "B[dc];W[ce]", "LB[ec:f]"), "LB[ec:f]"},
      {Tree("2A01", "B[dc];W[ce]", "LB[ec:a]TR[ec]"), "two markers on ec"},
      {Tree("2A01", "B[dc];W[zz]"), "stone 2: bad point"},
      {Tree("8A01", "B[ba];W[jj];B[ab];W[aa]"), "suicide"},
      // The first numbered move captures a given stone; the other line ends on that position.
      {Tree("8A01", "B[aa];W[ba];B[jj];W[ab]", "JG[3]") + Tree("8A02", "B[jj];W[ba];B[];W[ab]"),
       "the same final position as"},
      {Tree("2A01", "B[dc];W[ce]", "TR[tt]"), "TR[tt]: not a point"},
      {Tree("2A01", "B[dc];W[ce]", "AB[aa]"), "AB[] is not allowed"},
      {u"(;GN[題]JK[2A01]JC[c]C[解説。];B[dc];W[ce]C[x])"_qs, "root node only"},
  };
  for (const auto& c : cases) {
    const QStringList errors = Errors(c.text);
    if (!c.reason) {
      EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
      continue;
    }
    ASSERT_FALSE(errors.isEmpty()) << c.reason;
    EXPECT_TRUE(errors.join(u'\n').contains(QString::fromUtf8(c.reason)))
        << errors.join(u'\n').toStdString();
    EXPECT_TRUE(errors.first().startsWith(u"joseki/test.sgf: joseki ")) << c.reason;
  }
}

// --- Encoding ---

TEST(RecordEncoding, EncodesAKnownJosekiExactly) {
  const Joseki j = One(QStringLiteral(
      "(;GN[小目・小ゲイマガカリ]JK[2B0120]JC[一間低バサミ]C[黒２が要点。]JG[3]JO[1]TR[ce]"
      ";B[dc];W[ce];B[ed]MA[fd]LB[ec:a];W[];B[jq];W[sp])"));
  const JosekiRow row = EncodeJoseki(j);
  EXPECT_EQ(row.moves, u"342"_qs + "531" + "452" + "???" + "HA2" + "GJ1");
  EXPECT_EQ(row.setupCount, "3");
  EXPECT_EQ(row.markers, u"35a"_qs + "532" + "461");  // letters, TR, MA
  EXPECT_EQ(row.title, u"小目・小ゲイマガカリ"_qs);
  EXPECT_EQ(row.five, u"2B0120 一間低バサミ"_qs);
  EXPECT_EQ(row.commentary, u"黒２が要点。"_qs);
  EXPECT_EQ(row.one, "1");
  EXPECT_TRUE(SameContent(j, DecodeJoseki(row)));
  EXPECT_FALSE(SameContent(j, One(kKomoku)));
  Joseki shorter = j;
  shorter.stones.pop_back();
  EXPECT_FALSE(SameContent(j, shorter));
  // A key that is a prefix of another sorts first although the caption follows it.
  EXPECT_LT(FiveText("2B01", u"二間"_qs), row.five);
}

// --- Game references ---

const std::vector<QString> kKomokuLine = {"dc", "ce", "ed", "ch"};

TEST(GameMatcher, FindsTheJosekiInEveryOrientationAndColour) {
  const Joseki j = One(kKomoku);
  for (int s = 0; s < kSymmetries; ++s) {
    Occurrence o;
    ASSERT_TRUE(FindJosekiInGame(j, Game(kKomokuLine, s), o)) << s;
    EXPECT_EQ(o.first, 2);
    EXPECT_EQ(o.last, 4);
    // White holds the corner stone: the joseki starts with a black move in the game.
    std::vector<QString> whiteCorner = {"jj"};
    whiteCorner.insert(whiteCorner.end(), kKomokuLine.begin(), kKomokuLine.end());
    ASSERT_TRUE(FindJosekiInGame(j, Game(whiteCorner, s), o)) << s;
    EXPECT_EQ(o.first, 3);
    EXPECT_EQ(o.last, 5);
  }
  // Played twice, play leaving the corner after each time: the first is kept.
  Occurrence twice;
  ASSERT_TRUE(FindJosekiInGame(
      j, Game({"dc", "ce", "ed", "ch", "jj", "pc", "qe", "od", "qh", "jd"}, 0), twice));
  EXPECT_EQ(twice.first, 2);
}

TEST(GameMatcher, FindsOnlyConsecutiveMovesFromAnEmptyCorner) {
  const Joseki komoku = One(kKomoku);
  const Joseki tenuki = One(Tree("2A01", "B[dc];W[ce];B[];W[ch]"));
  const struct {
    const Joseki& joseki;
    std::vector<QString> moves;
    bool found;
  } cases[] = {
      {komoku, {"dc", "qq", "hh", "ce", "ed", "ch"}, true},   // a stone three lines away
      {komoku, {"dc", "fe", "ee", "ce", "ed", "ch"}, false},  // and within two lines
      {komoku, {"dc", "qq", "gf", "ce", "ed", "ch"}, false},  // exactly two lines right, below
      {komoku, {"dq", "qq", "ds", "co", "ep", "cl"}, false},  // lower left: on the edge below
      {komoku, {"jj", "dc", "kk", "ce", "ed", "ch"}, false},  // the approacher's corner stone
      {komoku, {"dc", "ce", "ed", "qq", "ch"}, false},        // a move elsewhere in between
      {tenuki, {"dc", "ce", "qp", "ch"}, true},               // tenuki played far away
      {tenuki, {"dc", "ce", "ee", "ch"}, false},              // tenuki played close by
  };
  for (const auto& c : cases) {
    Occurrence o;
    EXPECT_EQ(FindJosekiInGame(c.joseki, Game(c.moves, 0), o), c.found) << c.moves[1].toStdString();
  }
}

// A handicap game: its stones stand before white's first move, and only a
// handicap row is looked for in it; its reference carries the stones.
TEST(GameMatcher, HandicapGamesServeTheHandicapSection) {
  QTemporaryDir dir;
  WriteText(dir.filePath("g.sgf"),
            "(;HA[3]AB[dd][pd][dp]PB[Honinbo Shuwa]PW[Ito Showa];W[fc];B[ic];W[qq])");
  const GameRecord game = ReadGameRecord(dir.filePath("g.sgf"), "g.sgf");
  ASSERT_EQ(game.handicap.size(), 3u);
  ASSERT_EQ(game.moves.size(), 3u);
  EXPECT_EQ(game.ColourOfMove(0), 2);
  const struct {
    const char* key;
    const char* moves;
    bool found;
  } cases[] = {
      {"0A01", "B[dd];W[fc];B[ic]", true},   // the corner's handicap stone is the given one
      {"1A01", "B[dd];W[fc];B[ic]", false},  // an even section: even games only
      {"0A01", "B[dd];W[fc];B[ic];W[cc]", false},
      {"0A01", "B[dd];W[ic]", false},  // 白１ is white's: the game's move 2 is black's
  };
  for (const auto& c : cases) {
    const Joseki j = One(Tree(c.key, c.moves));
    Occurrence o;
    EXPECT_EQ(FindJosekiInGame(j, game, o), c.found) << c.key << c.moves;
    if (!c.found) continue;
    EXPECT_EQ(o.first, 1);
    const QString reference = MakeGameReference(game, o);
    EXPECT_TRUE(reference.startsWith(u"黒 本因坊秀和　白 伊藤松和　三子局|1/2|"_qs))
        << reference.toStdString();
    EXPECT_EQ(VerifyGameReference(j, reference), QString());
    const GameReference read = ParseGameReference(reference);
    EXPECT_EQ(read.handicap.size(), 3u);
    EXPECT_EQ(read.moves.size(), 3u);
  }
}

TEST(GameRecord, TheMainLineEndsAtSetupStonesAPassOrAMoveOutOfTurn) {
  QTemporaryDir dir;
  const std::pair<const char*, size_t> cases[] = {{"(;SZ[19];B[dc];W[ce];AB[aa]B[ed])", 2},
                                                  {"(;SZ[19];B[dc];B[ce])", 1},
                                                  {"(;SZ[19];B[dc];W[ce];B[];W[ed])", 2},
                                                  {"(;SZ[19];B[dc];W[ce];C[x];B[ed])", 3}};
  const auto read = [&](const char* text) {
    WriteText(dir.filePath("g.sgf"), text);
    return ReadGameRecord(dir.filePath("g.sgf"), "g.sgf");
  };
  for (const auto& [text, moves] : cases) EXPECT_EQ(read(text).moves.size(), moves) << text;
  EXPECT_TRUE(read("(;SZ[19];B[dc])").even);
  EXPECT_FALSE(read("(;SZ[19]HA[2];W[dc])").even || read("(;SZ[9];B[cc])").even);
  EXPECT_FALSE(read("(;SZ[19]B[dc];W[ce])").even);           // a stone in the root is set up
  EXPECT_TRUE(read("(;HA[2]AB[dd][pd])").handicap.empty());  // stones but no move: no handicap game
  for (const QStringList& wrong :
       {QStringList{}, QStringList{"--check"}, QStringList{"--export", "a"},
        QStringList{"--select-games", "a", "b", "c"}, QStringList{"a"}})
    EXPECT_EQ(RunCommandLine(wrong), 2);
}

TEST(GameReference, VerificationRejectsARangeThatDoesNotMatch) {
  const QString moves = u"|"_qs + "34" + "53" + "45" + "83";  // dc ce ed ch
  const struct {
    QString reference;
    const char* reason;
    int given = 1;  // the joseki's JG
  } cases[] = {
      {u"見出し|2/4"_qs + moves, ""},
      {u"見出し|1/3"_qs + moves, "not the joseki"},
      {u"見出し|2/3"_qs + moves, "does not hold"},
      {u"見出し|3/5"_qs + moves, "does not hold"},
      {u"見出し|2-4"_qs + moves, "bad move range"},
      {u"見出し|2/4|34534583K"_qs, "not coordinate pairs"},
      {u"見出し|2/4|3453458?"_qs, "not coordinate pairs"},
      {u"見出し|2/4|+34534583"_qs, "not coordinate pairs"},  // a "+" after no stones
      {"2/4" + moves, "heading|range|moves"},
      // The moves fit, but the corner stone is missing before them.
      {u"見出し|2/4|"_qs + "JJ" + "53" + "45" + "83", "not the joseki"},
      {u"見出し|3/5|34"_qs + "AA" + "53" + "45" + "83", "not the joseki"},  // dc black, ce black
      // A stone at ee stood next to the joseki's ed when it began (dc jj ee ce ed ch).
      {u"見出し|4/6|34"_qs + "AA" + "55" + "53" + "45" + "83", "other stones stood"},
      // A move in between: dc ce ee ed ch.
      {u"見出し|2/4|34"_qs + "53" + "55" + "45" + "83", "not the joseki"},
      {u"見出し|2/1"_qs + moves, "given stones but only", 5},
  };
  for (const auto& c : cases) {
    Joseki j = One(kKomoku);
    j.given = c.given;
    const QString wrong = VerifyGameReference(j, c.reference);
    if (*c.reason == 0)
      EXPECT_EQ(wrong, QString()) << c.reference.toStdString();
    else
      EXPECT_TRUE(wrong.contains(QString::fromUtf8(c.reason)))
          << c.reference.toStdString() << ": " << wrong.toStdString();
  }
}

// --- Words against moves ---

TEST(MoveWords, MoveNamesAndShapeWordsMustFitTheMoves) {
  // 小目 cd; 白１ ec 小ゲイマガカリ, 黒２ de コスミ, 白３ tenuki, 黒４ dc コスミツケ.
  QSet<QString> shapes{u"手抜き"_qs};
  for (const std::string& name : AllShapeNames()) shapes.insert(QString::fromStdString(name));
  const struct {
    const char16_t* title;
    const char16_t* commentary;
    const char* fault;  // part of the one reason expected, "" for none
  } cases[] = {
      {u"小目・小ゲイマガカリ・コスミ・白手抜き・コスミツケ",
       u"黒２のコスミに白３と手を抜くと、黒４とコスミツけて白１の根拠を奪う。", ""},
      {u"小目・小ゲイマガカリ・コスミ", u"白１の上辺のカカリに黒２と隅を守る。白は３で手を抜く。",
       ""},
      {u"小目・小ゲイマガカリ・コスミ", u"黒は４とツけて白を攻める。", ""},
      {u"小目・小ゲイマガカリ・コスミ", u"黒５のハネで隅を守る。",
       "names move 5, but the line has 4"},
      {u"小目・小ゲイマガカリ・コスミ", u"白２のコスミで隅を守る。", "move 2 is 黒２"},
      {u"小目・小ゲイマガカリ・コスミ", u"白は４と手を抜く。", "move 4 is 黒４"},
      {u"小目・小ゲイマガカリ・コスミ", u"黒２のハネで隅を守る。", "黒２ is not a ハネ"},
      {u"小目・小ゲイマガカリ・コスミ", u"白１と手を抜く。", "白１ is not a 手抜き"},
      {u"小目・小ゲイマガカリ・コスミ", u"黒４と二間に挟んで攻める。", "黒４ is not a 二間バサミ"},
      {u"小目・小ゲイマガカリ・コスミ", u"黒４と二間に低く挟む。", "黒４ is not a 二間低バサミ"},
      {u"小目・小ゲイマガカリ・コスミ", u"黒４と二間にハサミ返す。",
       "黒４ is not a 二間ハサミ返し"},
      {u"小目・小ゲイマガカリ・コスミ", u"黒４と二間にヒラく。", "黒４ is not a 二間ビラキ"},
      {u"小目・小ゲイマガカリ・コスミ", u"黒４と二線にヒラく。", "黒４ is not a 二線ヒラキ"},
      {u"小目・小ゲイマガカリ・コスミ", u"黒４と四線にヒラく。", "黒４ is not a 高ビラキ"},
      {u"小目・小ゲイマガカリ・コスミ", u"黒４と高くハサミ返す。", "黒４ is not a 高いハサミ返し"},
      {u"小目・小ゲイマガカリ・コスミ", u"黒２と三線にコスむ。", "黒２ stands on line 4"},
      {u"小目・小ゲイマガカリ・コスミ", u"黒４の三間のツメ。", "黒４ is not a 三間ツメ"},
      {u"小目・小ゲイマガカリ・コスミ", u"黒２と一間にトぶ。", "黒２ is not a 一間トビ"},
      {u"小目・小ゲイマガカリ・コスミ", u"黒２と小ゲイマに受ける。", "黒２ is not a 小ゲイマ受け"},
      {u"小目・小ゲイマガカリ・コスミ", u"黒２と大ゲイマにシマる。", "not a 大ゲイマジマリ"},
      {u"小目・小ゲイマガカリ・コスミ", u"白１と大ゲイマにカカる。", "not a 大ゲイマガカリ"},
      {u"小目・小ゲイマガカリ・コスミ", u"黒２と小ゲイマに構える。", "黒２ is not a 小ゲイマ"},
      {u"小目・小ゲイマガカリ・コスミ", u"黒２、３と打つ。", "move 3 is 白３"},  // 黒 for both
      {u"小目・小ゲイマガカリ・コスミ", u"白１の左辺のカカリに、", "白１ is not a 左辺カカリ"},
      {u"小目・小ゲイマガカリ・コスミ", u"黒４の左辺のツケ。", "黒４ is not on the 左辺 side"},
      {u"小目・小ゲイマガカリ・コスミ", u"黒２と挟み石を守る。", ""},  // a stone named by its role
      {u"小目・小ゲイマガカリ・コスミ", u"白１で上辺を押さえる。", ""},  // an area, not a stone
      {u"小目・小ゲイマガカリ・コスミ", u"白１と黒をオサエる。", "白１ is not a オサエ"},
      {u"小目・小ゲイマガカリ・コスミ", u"白１と打てば黒もハネる。", ""},
      {u"小目・小ゲイマガカリ・コスミ", u"黒２と守ればツケが利く。", ""},  // a move to come
      {u"小目・小ゲイマガカリ・コスミ", u"黒２と圧力をかけて白を攻める。", ""},
      {u"小目・小ゲイマガカリ・コスミ", u"黒２と守って白に挟ませる。", ""},  // White's moves
      {u"小目・小ゲイマガカリ・コスミ", u"黒４と固めて割り込まれる。", ""},
      {u"小目・小ゲイマガカリ・コスミ", u"黒４と白１の頭をハネる。", "黒４ is not a ハネ"},
      {u"小目・小ゲイマガカリ・コスミ", u"白１と大ゲイマにかけて攻める。", "白１ is not a 大斜"},
      {u"小目・小ゲイマガカリ・コスミ", u"黒２と小目にシマる。", "黒２ is not a 小目ジマリ"},
      {u"小目・小ゲイマガカリ・コスミ", u"黒４と二線にツける。", "黒４ is not a 二線ツケ"},
      {u"小目・小ゲイマガカリ・コスミ・白手抜き・ハネ", u"黒４で隅を守る。",
       "the last term 「ハネ」 fits no"},
      {u"小目・小ゲイマガカリ・コスミ・黒手抜き", u"黒４で隅を守る。",
       "the last term 「黒手抜き」"},
  };
  for (const auto& c : cases) {
    Joseki j = One(Tree("2A01", "B[cd];W[ec];B[de];W[];B[dc]"));
    j.title = QString::fromUtf16(c.title);
    j.commentary = QString::fromUtf16(c.commentary);
    const QStringList reasons = CheckMoveWords(j, shapes);
    if (std::string(c.fault).empty()) {
      EXPECT_TRUE(reasons.isEmpty()) << reasons.join(u'\n').toStdString();
    } else {
      EXPECT_EQ(reasons.size(), 1) << reasons.join(u'\n').toStdString();
      EXPECT_TRUE(reasons.join(u'\n').contains(QString::fromUtf8(c.fault)))
          << c.fault << " in " << reasons.join(u'\n').toStdString();
    }
  }
  // Without コスミツケ in the list, 「コスミツケ」 is read as the コスミ it begins with.
  shapes.remove(u"コスミツケ"_qs);
  Joseki j = One(Tree("2A01", "B[cd];W[ec];B[de];W[];B[dc]"));
  j.commentary = u"白１のコスミツケ。"_qs;
  EXPECT_EQ(CheckMoveWords(j, shapes).size(), 1);
  EXPECT_EQ(CheckShapeTermList({u"ハネ"_qs, u"手抜き"_qs}), QStringList());
  EXPECT_EQ(CheckShapeTermList({u"ハネル"_qs}).size(), 1);
  EXPECT_EQ(ReadShapeTerms(u"x\n```shapes\n形: ハネ ノビ\n```\n"_qs),
            (QSet<QString>{u"ハネ"_qs, u"ノビ"_qs}));
}

TEST(TermSpelling, OneSpellingPerTermInCaptionsAndCommentary) {
  const auto spellings = ReadTermSpellings(
      u"```spellings\nハサミ: 挟\nオサエ: 押さえ\nオシ: 押し 押さ\nタチ: 立っ\nほかの語: 押し込 孤立\n```\n"_qs);
  ASSERT_TRUE(spellings);
  const struct {
    const char16_t* commentary;
    const char* fault;  // the spelling stopped on, "" for none
  } cases[] = {
      {u"黒２と三間にハサんで白を攻め、白は隅にオサえ込まれる。", ""},
      {u"黒２と三間に挟んで白を攻める。", "「挟」"},
      {u"黒４の押さえ。", "「押さえ」"},        // not 押さ (オシ): the longer spelling wins
      {u"白を隅に押し込んで孤立させる。", ""},  // other words
      {u"黒２と立って。", "「立っ」"},
      {u"白は板挟みになる。", ""},  // a word of its own
      {u"黒２の高挟み。", "「挟」"},
  };
  for (const auto& c : cases) {
    Joseki j = One(Tree("2A01", "B[cd];W[ec];B[de]"));
    j.commentary = QString::fromUtf16(c.commentary);
    const QStringList reasons = CheckTermSpelling(j, *spellings);
    if (std::string(c.fault).empty())
      EXPECT_TRUE(reasons.isEmpty()) << reasons.join(u'\n').toStdString();
    else
      EXPECT_TRUE(reasons.size() == 1 && reasons[0].contains(QString::fromUtf8(c.fault)))
          << c.fault << ": " << reasons.join(u'\n').toStdString();
  }
  EXPECT_EQ(CheckSpellingTerms(*spellings, {u"ハサミ"_qs, u"オサエ"_qs, u"オシ"_qs, u"タチ"_qs}),
            QStringList());
  EXPECT_EQ(CheckSpellingTerms(*spellings, {u"ハサミ"_qs}).size(), 3);
}

TEST(EndingEvidence, EngineAndGamesSayWherePlayLeavesTheCorner) {
  // A tree in the upper right: 4-4 pd; after the 3-3 qc 100 games, 90 go on with pc; after
  // pc, 30 games, 5 with a tenuki and 25 that never come back.
  QTemporaryDir dir;
  WriteText(dir.filePath("engine/tree.sgf"),
            u"(;FF[4]SZ[19](;B[pd]C[{\"count\": 200}];C[{\"count\": 100}]W[qc];"
            u"C[{\"count\": 90}]B[pc](;C[{\"count\": 5}]W[tt])(;C[{\"count\": 3}]W[qd])))"_qs);
  QStringList problems;
  const EngineTrees engine = ReadEngineTrees(dir.filePath("engine"), problems);
  EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
  // The same lines in the upper left, mirrored, with the colours the same.
  std::vector<Joseki> rows = {One(Tree("1A01", "B[dd];W[cc]")),
                              One(Tree("1A02", "B[dd];W[cc];B[dc]"))};
  rows[1].commentary = u"ここで一段落。"_qs;
  const auto evidence = MeasureEndings(rows, engine, GameTables{});
  ASSERT_EQ(evidence.size(), 2u);
  EXPECT_EQ(evidence[0].engineGames, 100);
  EXPECT_EQ(evidence[0].engineElsewhere, 10);  // 90 go on locally
  EXPECT_TRUE(evidence[0].evidenceAgainst);
  EXPECT_FALSE(evidence[0].saysWhy);
  EXPECT_EQ(evidence[1].engineGames, 90);
  EXPECT_EQ(evidence[1].engineElsewhere, 87);  // only the 3 of qd stay
  EXPECT_FALSE(evidence[1].evidenceAgainst);
  EXPECT_TRUE(evidence[1].saysWhy);
  // A line that ends with a group in atari.
  const std::vector<Joseki> atariRow = {One(Tree("1A03", "B[dd];W[dc];B[ec];W[];B[cc]"))};
  const auto atari = MeasureEndings(atariRow, engine, GameTables{});
  EXPECT_TRUE(atari[0].endsInAtari);
  EXPECT_FALSE(atari[0].saysGivenUp);
  auto counted = evidence;
  counted[1].gamesWithNext = kGamesNeeded;  // the fewest games the measure counts
  QString measure;
  QTextStream out(&measure);
  PrintEndingMeasure(rows, counted, out);
  EXPECT_TRUE(measure.contains(u"1 rows with 3+ game occurrences")) << measure.toStdString();
  PrintEndingMeasure(atariRow, atari, out);
  EXPECT_TRUE(measure.contains(u"atari: 1, 0 whose text says it is given up; without: 1 1A03"))
      << measure.toStdString();
  // A game of the first row (dd cc) goes on at ie, five lines right of its stones:
  // elsewhere for that row, though not for the wider third row.
  rows.push_back(atariRow[0]);
  const GameTables game{{{1, {}, "443359"}}, {{.joseki = 1, .game = 1, .first = 1, .last = 2}}};
  const auto played = MeasureEndings(rows, engine, game);
  EXPECT_EQ(played[0].gamesWithNext, 1);
  EXPECT_EQ(played[0].gamesElsewhere, 1);
}

// Games per row with at least one: the median is the middle count.
TEST(GameMeasure, TheMedianOfGamesPerRow) {
  GameTables tables;
  for (int joseki : {1, 2, 2, 3, 3, 3, 3}) tables.occurrences.push_back({.joseki = joseki});
  QString measure;
  QTextStream out(&measure);
  PrintGameMeasure(tables, out);
  EXPECT_TRUE(
      measure.contains(u"3 rows with at least one game; games per such row: median 2, "
                       u"maximum 4"))
      << measure.toStdString();
}

// --- Whole builds ---

// The games of one row as the program reads them, written as reference texts.
QStringList RowGames(const QString& db, int joseki) {
  const auto pairs = [](const std::vector<Point>& points) {
    QString text;
    for (Point p : points) text.append(QChar(CoordChar(p.row))).append(QChar(CoordChar(p.column)));
    return text;
  };
  QStringList texts;
  const QString id = QString::number(joseki);
  for (int k = 0; k < CountJosekiGames(db, id); ++k) {
    const GameReference game = ReadJosekiGame(db, id, k).value().game;
    const QString handicap = game.handicap.empty() ? QString() : pairs(game.handicap) + "+";
    texts << u"%1|%2/%3|"_qs.arg(game.heading).arg(*game.firstMove).arg(*game.lastMove) + handicap +
                 pairs(game.moves);
  }
  return texts;
}

class CollectionBuild : public ::testing::Test {
 protected:
  QString Data(const QString& path) const { return QDir(dir_.path()).filePath("data/" + path); }
  QString Path(const QString& path) const { return QDir(dir_.path()).filePath(path); }
  // Builds data/ (or another data folder) into db; the exit code.
  int Build(const QString& db, QString* output = nullptr, const QString& data = {}) {
    return RunMode(
        [&](auto& out, auto& err) {
          return BuildCollection(data.isEmpty() ? Data({}) : data, db, out, err);
        },
        output);
  }

  QTemporaryDir dir_;
};

TEST_F(CollectionBuild, WritesTheTableInOrderAndRefusesBadSources) {
  WriteText(
      Data("README.md"),
      u"## Terms\n```terms\ntitles: 題1A01 題1A02 題2A01\n```\n題3A01\n```shapes\nツケ ハネ\n```\n"
      u"```spellings\nハネ: 跳ね\n```\n"_qs);
  WriteText(Data("joseki/2-komoku.sgf"), kKomoku);
  WriteText(Data("joseki/1-hoshi.sgf"),
            Tree("1A01", "B[dd];W[fc];B[cf];W[ic]") + Tree("1A02", "B[dd];W[cf]"));
  const QString db = Path("goc.db");
  QString output;
  ASSERT_EQ(Build(db, &output), 0) << output.toStdString();
  EXPECT_TRUE(output.contains(u"rows that begin another row: 1 (33.3%)")) << output.toStdString();
  const auto rows = ReadCollection(db);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].id, 1);
  EXPECT_TRUE(rows[0].five.startsWith(u"1A01"));
  EXPECT_TRUE(rows[2].five.startsWith(u"2A01"));
  EXPECT_EQ(rows[2].gameReference, QString());

  // A broken source stops the build and leaves the last good file alone.
  WriteText(Data("joseki/3-takamoku.sgf"), Tree("3A01", "B[ed];W[ed]"));
  EXPECT_NE(Build(db, &output), 0);
  EXPECT_TRUE(output.contains(u"joseki/3-takamoku.sgf: joseki 1")) << output.toStdString();
  EXPECT_TRUE(output.contains(u"「題3A01」 is not in the term list")) << output.toStdString();
  EXPECT_EQ(ReadCollection(db).size(), 3u);
  EXPECT_NE(RunMode([&](auto& out, auto& err) { return CheckCollection(Data({}), out, err); }), 0);
}

TEST_F(CollectionBuild, RoundTripThroughTheCollectionFile) {
  const QString source =
      QStringLiteral(
          "(;FF[4]GM[1]SZ[19]CA[UTF-8]GN[小目・一間高ガカリ・下ツケ]JK[2C0300]JC[下ツケ]"
          "C[黒２の下ツケ\\]から[白３\\]。\\\\ 記号付き]JG[1]LB[ch:a][ci:b]TR[gc]"
          ";B[dc];W[de];B[ce];W[cf];B[cd]MA[ee];W[df];B[ed])") +
      Tree("8A01", "B[ba];W[aa];B[ab];W[];B[aa]", "JO[1]JG[1]") +
      Tree("6A01", "B[cc];W[dd];B[cd];W[de]");
  WriteText(Data("joseki/mixed.sgf"), source);
  const QString db = Path("goc.db");
  ASSERT_EQ(Build(db), 0);
  const QString exported = Path("export");
  ASSERT_EQ(RunMode([&](auto& out, auto& err) { return ExportCollection(db, exported, out, err); }),
            0);
  EXPECT_EQ(QDir(exported).entryList(QDir::Files),
            QStringList({"2-komoku.sgf", "6-sansan.sgf", "8-others.sgf"}));

  const JosekiReadResult original = Read(source);
  const JosekiReadResult back = ReadJosekiDirectory(exported, QString());
  ASSERT_TRUE(back.errors.isEmpty()) << back.errors.join(u'\n').toStdString();
  ASSERT_EQ(back.joseki.size(), original.joseki.size());
  for (const Joseki& j : original.joseki) {
    const auto same = std::find_if(back.joseki.begin(), back.joseki.end(),
                                   [&](const Joseki& b) { return SameContent(j, b); });
    EXPECT_NE(same, back.joseki.end()) << j.title.toStdString();
  }

  // Building again from the export gives the same rows (IDs follow the section files).
  QDir().mkpath(Path("again/joseki"));
  for (const QString& name : QDir(exported).entryList(QDir::Files))
    QFile::copy(QDir(exported).filePath(name), Path("again/joseki/" + name));
  const QString db2 = Path("again.db");
  ASSERT_EQ(Build(db2, nullptr, Path("again")), 0);
  auto byKey = [](std::vector<JosekiRow> rows) {
    for (auto& r : rows) r.id = 0;
    std::sort(rows.begin(), rows.end(),
              [](const auto& a, const auto& b) { return a.five < b.five; });
    return rows;
  };
  EXPECT_EQ(byKey(ReadCollection(db)), byKey(ReadCollection(db2)));
}

TEST_F(CollectionBuild, SelectsCopiesAndReferencesTheGames) {
  WriteText(Data("joseki/2-komoku.sgf"), kKomoku + Tree("2A02", "B[dc];W[de];B[ce]"));
  const QString shared = Path("shared");
  // The same joseki in three games: a castle game is preferred to an earlier
  // ordinary one; a game where the corner was crowded is no reference at all.
  WriteText(QDir(shared).filePath("a/plain.sgf"),
            "(;PB[Ota Yuzo]PW[Honinbo Jowa]DT[1800]C[note]" + GameMoves(kKomokuLine, 1) + u')');
  WriteText(
      QDir(shared).filePath("b/castle.sgf"),
      QStringLiteral("(;EV[Castle Game]PB[Honinbo Shuwa]BR[7d]PW[Ito Showa]WR[6d]DT[1850-11-17]"
                     "GC[story]") +
          GameMoves(kKomokuLine, 2) + "C[comment])");
  WriteText(QDir(shared).filePath("c/crowded.sgf"),
            "(;EV[Castle Game]PB[Honinbo Dosaku]PW[Yasui Santetsu]DT[1700]" +
                GameMoves({"dc", "fe", "ee", "ce", "ed", "ch"}, 0) + u')');
  WriteText(QDir(shared).filePath("d/handicap.sgf"),
            "(;HA[2]AB[pd][dp]PB[X]PW[Y]DT[1600]" + GameMoves(kKomokuLine, 0) + u')');
  WriteText(Data("games/old/stale.sgf"), "(;B[aa])");

  QString output;
  ASSERT_EQ(RunMode([&](auto& out, auto& err) { return SelectGames(shared, Data({}), out, err); },
                    &output),
            0)
      << output.toStdString();
  EXPECT_TRUE(output.contains(u"joseki with a game: 1 of 2")) << output.toStdString();
  EXPECT_EQ(ReadText(Data("games/index.tsv")).section(u'\n', 2), "2A01\tb/castle.sgf\n");
  EXPECT_FALSE(QFile::exists(Data("games/old/stale.sgf")));
  EXPECT_FALSE(QFileInfo::exists(Data("games/old")));
  // Every game is kept, also those in which no joseki was played.
  for (const char* kept : {"a/plain.sgf", "c/crowded.sgf", "d/handicap.sgf"})
    EXPECT_TRUE(QFile::exists(Data(QStringLiteral("games/") + kept))) << kept;
  const QString copy = ReadText(Data("games/b/castle.sgf"));
  EXPECT_TRUE(copy.contains(u"PB[Honinbo Shuwa]"));
  EXPECT_FALSE(copy.contains(u"GC[")) << copy.toStdString();
  EXPECT_FALSE(copy.contains(u"C[")) << copy.toStdString();

  // The build reads only data/: the shared folder may be gone.
  QDir(shared).removeRecursively();
  const QString db = Path("goc.db");
  ASSERT_EQ(Build(db, &output), 0) << output.toStdString();
  EXPECT_TRUE(output.contains(u"total: 2 rows, 1 with an honest game reference"))
      << output.toStdString();
  EXPECT_TRUE(output.contains(u"2 in all, 1 rows with at least one game")) << output.toStdString();
  const auto rows = ReadCollection(db);
  EXPECT_EQ(rows[0].gameReference,
            u"黒 本因坊秀和 七段　白 伊藤松和 六段　1850年|2/4|"_qs + "H4F3G5C3");
  EXPECT_EQ(rows[1].gameReference, QString());
  // The row's games as the program reads them: the reference first, each one verified.
  const QStringList games = RowGames(db, rows[0].id);
  ASSERT_EQ(games.size(), 2) << games.join(u'\n').toStdString();
  EXPECT_EQ(games[0], rows[0].gameReference);
  EXPECT_TRUE(games[1].startsWith(u"黒 太田雄蔵　白 本因坊丈和　1800年|2/4|"_qs));
  const Joseki komoku = One(kKomoku);
  for (const QString& game : games) EXPECT_EQ(VerifyGameReference(komoku, game), QString());
  EXPECT_TRUE(RowGames(db, rows[1].id).isEmpty());

  // A pinned game that does not show the joseki stops the build.
  WriteText(Data("joseki/2-komoku.sgf"),
            kKomoku + Tree("2A02", "B[dc];W[de];B[ce]", "JR[b/castle.sgf]"));
  EXPECT_NE(Build(db, &output), 0);
  EXPECT_TRUE(output.contains(u"not played from an empty corner in games/b/castle.sgf"))
      << output.toStdString();
}

}  // namespace

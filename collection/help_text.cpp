#include "collection/help_text.h"

#include "collection/file_reading.h"

#include <iconv.h>

#include <QSysInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>

const QStringList& HelpTopics() {
  static const QStringList topics = {
      u"はじめに"_qs,
      u"内容説明"_qs,
      u"特典１"_qs,
      u"特典２"_qs,
      u"アイコンをデスクトップに表示"_qs,
      u"プログラムのアンインストール（削除）"_qs,
      u"定石の手順表示"_qs,
      u"定石の標題"_qs,
      u"置碁定石"_qs,
      u"置石の表示"_qs,
      u"手抜き石の表示"_qs,
      u"参考画面"_qs,
      u"定石検索"_qs,
      u"検索手順の入力（１）"_qs,
      u"検索手順の入力（２）"_qs,
      u"検索入力の補助機能"_qs,
      u"検索のコツ"_qs,
      u"パソコンによる自動検索"_qs,
      u"免責事項"_qs,
      u"著作権"_qs,
  };
  return topics;
}

namespace {

// The help text is some tens of kilobytes.
constexpr qint64 kMaxHelpFileBytes = 4 << 20;

bool NamesATopic(const QString& text) {
  return std::any_of(HelpTopics().begin(), HelpTopics().end(),
                     [&](const QString& topic) { return text.contains(u"■"_qs + topic); });
}

}  // namespace

std::optional<QString> DecodeShiftJis(const QByteArray& bytes, qsizetype maxBadBytes) {
  const char* utf16 = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "UTF-16LE" : "UTF-16BE";
  iconv_t converter = iconv_open(utf16, "CP932");
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  // Every character of code page 932 is one UTF-16 unit made of one or two
  // bytes, and a bad byte becomes one: the text is never longer than the bytes.
  QString text(bytes.size(), Qt::Uninitialized);
  char* in = const_cast<char*>(bytes.constData());
  size_t inLeft = size_t(bytes.size());
  char* out = reinterpret_cast<char*>(text.data());
  size_t outLeft = size_t(text.size()) * sizeof(char16_t);
  qsizetype bad = 0;
  // A byte that cannot start or end a character becomes one replacement
  // character, so that one damaged byte costs one character, not the text.
  while (iconv(converter, &in, &inLeft, &out, &outLeft) == static_cast<size_t>(-1)) {
    if ((errno != EILSEQ && errno != EINVAL) || ++bad > maxBadBytes) break;
    constexpr char16_t kReplacement = u'\uFFFD';
    std::memcpy(out, &kReplacement, sizeof kReplacement);
    out += sizeof kReplacement;
    outLeft -= sizeof kReplacement;
    ++in;
    --inLeft;
  }
  iconv_close(converter);
  if (bad > maxBadBytes) return std::nullopt;
  text.truncate(text.size() - qsizetype(outLeft / sizeof(char16_t)));
  return text;
}

std::optional<QString> ReadHelpFile(const QString& path) {
  const FileBytes file = ReadRegularFile(path, kMaxHelpFileBytes);
  if (file.refusal != FileRefusal::kNone) return std::nullopt;
  // A few bad bytes are damage; many mean the file is not Shift_JIS at all,
  // and one without a single topic is no help text.
  std::optional<QString> text = DecodeShiftJis(file.bytes, file.bytes.size() / 10);
  if (!text || !NamesATopic(*text)) return std::nullopt;
  return text;
}

QString HelpSection(const QString& helpText, const QString& topic) {
  const QString key = u"■"_qs + topic;
  const qsizetype p = helpText.indexOf(key);
  if (p < 0) return {};
  const QString rest = helpText.mid(p + key.size() + 2);
  const qsizetype end = rest.indexOf(u'■');
  return end < 0 ? rest : rest.left(end);
}

HelpText LoadHelpText(const QString& path) {
  if (std::optional<QString> text = ReadHelpFile(path)) return {*text, {}};
  return {{}, u"操作説明のファイル「%1」を読み込めませんでした。"_qs.arg(path)};
}

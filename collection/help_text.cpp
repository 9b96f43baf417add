#include "collection/help_text.h"

#include <iconv.h>

#include <QFile>
#include <cerrno>
#include <cstring>
#include <string>

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

std::optional<QString> DecodeShiftJis(const QByteArray& bytes) {
  iconv_t converter = iconv_open("UTF-8", "CP932");
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out(bytes.size() * 3 + 4, '\0');
  char* in = const_cast<char*>(bytes.constData());
  size_t inLeft = bytes.size();
  char* outPtr = out.data();
  size_t outLeft = out.size();
  // A byte that cannot start or end a character becomes one replacement
  // character, so that one damaged byte costs one character, not the text.
  while (iconv(converter, &in, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) {
    if (errno != EILSEQ && errno != EINVAL) break;
    constexpr char kReplacement[] = "\xEF\xBF\xBD";
    std::memcpy(outPtr, kReplacement, 3);
    outPtr += 3;
    outLeft -= 3;
    ++in;
    --inLeft;
  }
  iconv_close(converter);
  out.resize(out.size() - outLeft);
  return QString::fromStdString(out);
}

std::optional<QString> ReadHelpFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return DecodeShiftJis(file.readAll());
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

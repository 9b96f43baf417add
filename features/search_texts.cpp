#include "features/search_texts.h"

#include <algorithm>

namespace {

// "１" to "５": how many stones were dropped, as the messages write it.
QString DroppedCount(int droppedStones) {
  return QString(QChar(char16_t(u'０' + droppedStones)));
}

}  // namespace

bool IsAllowedFirstMove(Section section, Point p) {
  const std::span<const Point> points = FactsOf(section).firstMovePoints;
  return points.empty() || std::find(points.begin(), points.end(), p) != points.end();
}

QString FirstMoveMessage(Section section) {
  return QString::fromUtf16(FactsOf(section).firstMoveMessage);
}

QString NoSearchInputMessage() {
  return u"検索入力がないので検索できません。"_qs;
}
QString SequenceTooShortMessage() {
  return u"手順が少な過ぎます。加えてください。"_qs;
}
QString NoSequenceToShowMessage() {
  return u"検索手順がありません。入力してください。"_qs;
}

QString NotFoundMessage(int droppedStones) {
  if (droppedStones <= 0) return u"該当するものはありません。"_qs;
  if (droppedStones >= 5) {
    return u"検索石を５つ以上減らして検索しま\r\nしたが該当するものはありません。"_qs;
  }
  return u"検索石を"_qs + DroppedCount(droppedStones) +
         u"つ減らして検索しましたが\r\n該当するものはありません。"_qs;
}

QString FoundMessage(int droppedStones) {
  if (droppedStones <= 0) return u"該当あり、検索しました。"_qs;
  if (droppedStones >= 5) return u"検索石を５つ以上減らして該当ありました。"_qs;
  return u"検索石を"_qs + DroppedCount(droppedStones) + u"つ減らして該当ありました。"_qs;
}

#include "features/search_texts.h"

#include <algorithm>

namespace {

constexpr Point kStarPoint[] = {{4, 4}};
constexpr Point kThreeFour[] = {{3, 4}, {4, 3}};
constexpr Point kFiveFour[] = {{5, 4}, {4, 5}};
constexpr Point kFiveThree[] = {{3, 5}, {5, 3}};
constexpr Point kThreeThree[] = {{3, 3}};

// "１" to "５": how many stones were dropped, as the messages write it.
QString DroppedCount(int droppedStones) {
  return QString(QChar(char16_t(u'０' + droppedStones)));
}

}  // namespace

std::span<const Point> FirstMovePoints(int sectionCode) {
  switch (sectionCode) {
    case 1:
    case 2:
      return kStarPoint;
    case 3:
      return kThreeFour;
    case 4:
      return kFiveFour;
    case 5:
      return kFiveThree;
    case 6:
      return kThreeThree;
    default:
      return {};
  }
}

bool IsAllowedFirstMove(int sectionCode, Point p) {
  const std::span<const Point> points = FirstMovePoints(sectionCode);
  return points.empty() || std::find(points.begin(), points.end(), p) != points.end();
}

QString FirstMoveMessage(int sectionCode) {
  switch (sectionCode) {
    case 1:
    case 2:
      return u"一手目は星に打ってください。"_qs;
    case 3:
      return u"一手目は小目に打ってください。"_qs;
    case 4:
      return u"一手目は高目に打ってください。"_qs;
    case 5:
      return u"一手目は目外しに打ってください。"_qs;
    case 6:
      return u"一手目は三々に打ってください。"_qs;
    default:
      return {};
  }
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

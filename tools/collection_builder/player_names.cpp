#include "collection_builder/player_names.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringList>

namespace {

// The players of the referenced games, as the records spell them.
const QHash<QString, QString>& Names() {
  static const QHash<QString, QString> names = {
      {QStringLiteral("Honinbo Shusaku"), QStringLiteral("本因坊秀策")},
      {QStringLiteral("Yasuda Shusaku"), QStringLiteral("本因坊秀策")},
      {QStringLiteral("Kuwahara Shusaku"), QStringLiteral("本因坊秀策")},
      {QStringLiteral("Inoue Gennan Inseki"), QStringLiteral("井上因碩")},
      {QStringLiteral("Honinbo Shuwa"), QStringLiteral("本因坊秀和")},
      {QStringLiteral("Tsuchiya Shuwa"), QStringLiteral("土屋秀和")},
      {QStringLiteral("Shuwa"), QStringLiteral("秀和")},
      {QStringLiteral("Honinbo Jowa"), QStringLiteral("本因坊丈和")},
      {QStringLiteral("Kadono Jowa"), QStringLiteral("葛野丈和")},
      {QStringLiteral("Honinbo Dosaku"), QStringLiteral("本因坊道策")},
      {QStringLiteral("Honinbo Doetsu"), QStringLiteral("本因坊道悦")},
      {QStringLiteral("Honinbo Dochi"), QStringLiteral("本因坊道知")},
      {QStringLiteral("Honinbo Satsugen"), QStringLiteral("本因坊察元")},
      {QStringLiteral("Honinbo Retsugen"), QStringLiteral("本因坊烈元")},
      {QStringLiteral("Honinbo Genjo"), QStringLiteral("本因坊元丈")},
      {QStringLiteral("Honinbo Shuei"), QStringLiteral("本因坊秀栄")},
      {QStringLiteral("Hayashi Shuei"), QStringLiteral("林秀栄")},
      {QStringLiteral("Murase Shuho"), QStringLiteral("村瀬秀甫")},
      {QStringLiteral("Murase Yakichi"), QStringLiteral("村瀬弥吉")},
      {QStringLiteral("Tamura Hoju"), QStringLiteral("田村保寿")},
      {QStringLiteral("Tamura Hoju (later Shusai)"), QStringLiteral("田村保寿")},
      {QStringLiteral("Ota Yuzo"), QStringLiteral("太田雄蔵")},
      {QStringLiteral("Ito Showa"), QStringLiteral("伊藤松和")},
      {QStringLiteral("Ito Matsujiro"), QStringLiteral("伊藤松次郎")},
      {QStringLiteral("Yasui Sanchi"), QStringLiteral("安井算知")},
      {QStringLiteral("Yasui Sanchi IX"), QStringLiteral("安井算知")},
      {QStringLiteral("Yasui Sanei"), QStringLiteral("安井算英")},
      {QStringLiteral("Yasui San'ei"), QStringLiteral("安井算英")},
      {QStringLiteral("Yasui Senkaku"), QStringLiteral("安井仙角")},
      {QStringLiteral("Yasui Chitetsu"), QStringLiteral("安井知哲")},
      {QStringLiteral("Yasui Chitoku"), QStringLiteral("安井知得")},
      {QStringLiteral("Yasui Shuntetsu"), QStringLiteral("安井春哲")},
      {QStringLiteral("Hayashi Genbi"), QStringLiteral("林元美")},
      {QStringLiteral("Kobayashi Tetsujiro"), QStringLiteral("小林鉄次郎")},
      {QStringLiteral("Nakagawa Kamesaburo"), QStringLiteral("中川亀三郎")},
      {QStringLiteral("Takahashi Kinesaburo"), QStringLiteral("高橋杵三郎")},
      {QStringLiteral("Ishii Senji"), QStringLiteral("石井千治")},
      {QStringLiteral("Mizutani Nuiji"), QStringLiteral("水谷縫次")},
      {QStringLiteral("Osawa Ginjiro"), QStringLiteral("大沢銀次郎")},
      {QStringLiteral("Sakai Yasujiro"), QStringLiteral("酒井安次郎")},
      // 巌崎健造 (born 海老沢健造; "Ebizawa Kenzo" in the older records), the Hoensha player
      // of the games in data/games/Hoensha: 5-dan in 1883, 6-dan by 1892, later its third
      // president. The records' "Iwasaki" reads 巌 as iwa; there was no 岩崎健造.
      {QStringLiteral("Iwasaki Kenzo"), QStringLiteral("巌崎健造")},
      {QStringLiteral("Sekiyama Sendayu"), QStringLiteral("関山仙太夫")},
      {QStringLiteral("Hattori Rittetsu"), QStringLiteral("服部立徹")},
      {QStringLiteral("Nakagawa Junsetsu"), QStringLiteral("中川順節")},
      {QStringLiteral("Takasaki Taisaku"), QStringLiteral("高崎泰策")},
      {QStringLiteral("Hayashi Hakuei"), QStringLiteral("林柏栄")},
      {QStringLiteral("Nakamura Shohei"), QStringLiteral("中村正平")},
      {QStringLiteral("Yasui Sentetsu"), QStringLiteral("安井仙哲")},
      {QStringLiteral("Yasui Senchi Senkaku"), QStringLiteral("安井仙知")},
      {QStringLiteral("Hattori Inshuku"), QStringLiteral("服部因淑")},
      {QStringLiteral("Yasui Santetsu"), QStringLiteral("安井算哲")},
      {QStringLiteral("Yasui Santetsu II"), QStringLiteral("安井算哲")},
      {QStringLiteral("Nakamura Doseki"), QStringLiteral("中村道碩")},
      {QStringLiteral("Kono Mototora"), QStringLiteral("河野元虎")},
      {QStringLiteral("Yasui Shuntetsu Senkaku"), QStringLiteral("安井仙角")},
      {QStringLiteral("Yasui Sanchi II"), QStringLiteral("安井算知")},
      {QStringLiteral("Yasui Santetsu jr."), QStringLiteral("安井算哲")},
      {QStringLiteral("Yasui Shunchi"), QStringLiteral("安井春知")},
      {QStringLiteral("Yasui Senchi"), QStringLiteral("安井仙知")},
      {QStringLiteral("Honinbo Josaku"), QStringLiteral("本因坊丈策")},
      {QStringLiteral("Josaku"), QStringLiteral("本因坊丈策")},
      {QStringLiteral("Honinbo Hakugen"), QStringLiteral("本因坊伯元")},
      {QStringLiteral("Honinbo Chihaku"), QStringLiteral("本因坊知伯")},
      {QStringLiteral("Honinbo Doteki"), QStringLiteral("本因坊道的")},
      {QStringLiteral("Ogawa Doteki"), QStringLiteral("小川道的")},
      {QStringLiteral("Honinbo Shuhaku"), QStringLiteral("本因坊秀伯")},
      {QStringLiteral("Honinbo Sanetsu"), QStringLiteral("本因坊算悦")},
      {QStringLiteral("Honinbo Sansa"), QStringLiteral("本因坊算砂")},
      {QStringLiteral("Honinbo Shugen"), QStringLiteral("本因坊秀元")},
      {QStringLiteral("Tsuchiya Shugen"), QStringLiteral("土屋秀元")},
      {QStringLiteral("Sakaguchi Sentoku"), QStringLiteral("坂口仙得")},
      {QStringLiteral("Sakaguchi Sentoku I"), QStringLiteral("坂口仙得")},
      {QStringLiteral("Sakaguchi Sentoku II"), QStringLiteral("坂口仙得")},
      {QStringLiteral("Hattori Yusetsu"), QStringLiteral("服部雄節")},
      {QStringLiteral("Hattori Seitetsu"), QStringLiteral("服部正徹")},
      {QStringLiteral("Hayashi Monnyu"), QStringLiteral("林門入")},
      {QStringLiteral("Hayashi Hakuei Monnyu"), QStringLiteral("林柏栄")},
      {QStringLiteral("Hayashi Tetsugen"), QStringLiteral("林鉄元")},
      {QStringLiteral("Hayashi Tetsugen Monnyu"), QStringLiteral("林鉄元")},
      {QStringLiteral("Hayashi Bokunyu"), QStringLiteral("林朴入")},
      {QStringLiteral("Hayashi Incho"), QStringLiteral("林因長")},
      {QStringLiteral("Hayashi Monri"), QStringLiteral("林門利")},
      {QStringLiteral("Hayashi Genetsu"), QStringLiteral("林玄悦")},
      {QStringLiteral("Hayashi Monetsu"), QStringLiteral("林門悦")},
      {QStringLiteral("Hayashi Sano"), QStringLiteral("林佐野")},
      {QStringLiteral("Inoue Dosetsu"), QStringLiteral("井上道節")},
      {QStringLiteral("Kumagaya Honseki"), QStringLiteral("熊谷本碩")},
      {QStringLiteral("Sakurai Chitatsu"), QStringLiteral("桜井知達")},
      {QStringLiteral("Okunuki Chisaku"), QStringLiteral("奥貫智策")},
      {QStringLiteral("Kishimoto Saichiro"), QStringLiteral("岸本左一郎")},
      {QStringLiteral("Tsuruoka Saburosuke"), QStringLiteral("鶴岡三郎助")},
      {QStringLiteral("Hirose Heijiro"), QStringLiteral("広瀬平治郎")},
      {QStringLiteral("Karigane Junichi"), QStringLiteral("雁金準一")},
      {QStringLiteral("Uchigaki Suekichi"), QStringLiteral("内垣末吉")},
      {QStringLiteral("Nakane Hojiro"), QStringLiteral("中根鳳次郎")},
      {QStringLiteral("Nagasaka Inosuke"), QStringLiteral("長坂猪之助")},
      {QStringLiteral("Yoshida Hanjuro"), QStringLiteral("吉田半十郎")},
      {QStringLiteral("Kuroda Shunsetsu"), QStringLiteral("黒田俊節")},
      {QStringLiteral("Hoshiai Hasseki"), QStringLiteral("星合八碩")},
      {QStringLiteral("Seki Genkichi"), QStringLiteral("関源吉")},
      {QStringLiteral("Inagaki Kanetaro"), QStringLiteral("稲垣兼太郎")},
  };
  return names;
}

const QString kDigits[] = {QString(),
                           QStringLiteral("初"),
                           QStringLiteral("二"),
                           QStringLiteral("三"),
                           QStringLiteral("四"),
                           QStringLiteral("五"),
                           QStringLiteral("六"),
                           QStringLiteral("七"),
                           QStringLiteral("八"),
                           QStringLiteral("九")};

}  // namespace

QString PlayerInKanji(const QString& romanised) {
  const QString name = romanised.trimmed();
  // A consultation game names its players joined by "&": each of them in kanji.
  if (name.contains(u'&')) {
    QStringList players;
    for (const QString& part : name.split(u'&')) {
      players << PlayerInKanji(part);
      if (players.back().isEmpty()) return {};
    }
    return players.join(u'・');
  }
  // Every head of the Inoue house bore the name Inseki.
  static const QRegularExpression inoue(QStringLiteral("^Inoue \\S+ Inseki$"));
  if (!Names().contains(name) && inoue.match(name).hasMatch()) return QStringLiteral("井上因碩");
  return Names().value(name);
}

QString RankInKanji(const QString& rank) {
  static const QRegularExpression dan(QStringLiteral("^([1-9])[dp]$"));
  const QString r = rank.trimmed();
  if (r.compare(u"Meijin", Qt::CaseInsensitive) == 0) return QStringLiteral("名人");
  const auto match = dan.match(r);
  return match.hasMatch() ? kDigits[match.captured(1).toInt()] + QStringLiteral("段") : QString();
}

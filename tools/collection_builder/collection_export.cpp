#include "collection_builder/collection_export.h"

#include <QDir>
#include <QSaveFile>
#include <map>

#include "collection/sgf_writer.h"
#include "collection_builder/build_error.h"
#include "collection_builder/collection_db.h"
#include "collection_builder/joseki_reader.h"
#include "collection_builder/record_encoding.h"

namespace {

QString Property(const QString& id, const QStringList& values) {
  return WriteSgfProperty({id, values});
}

QString MarkerProperties(const std::vector<SourceMarker>& markers) {
  QStringList labels, triangles, crosses;
  for (const SourceMarker& m : markers) {
    const QString point = SgfPointText(m.point);
    if (m.tag == u'2')
      triangles << point;
    else if (m.tag >= u'a' && m.tag <= u'e')
      labels << point + u':' + m.tag;
    else
      crosses << point;
  }
  QString text;
  if (!labels.isEmpty()) text += Property(QStringLiteral("LB"), labels);
  if (!triangles.isEmpty()) text += Property(QStringLiteral("TR"), triangles);
  if (!crosses.isEmpty()) text += Property(QStringLiteral("MA"), crosses);
  return text.isEmpty() ? text : text + u'\n';
}

void WriteFile(const QString& path, const QString& text) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit())
    throw BuildError(QStringLiteral("%1: cannot write: %2").arg(path, file.errorString()));
}

}  // namespace

QString SectionFileName(QChar section) {
  static const std::map<QChar, QString> names = {
      {u'0', QStringLiteral("0-handicap.sgf")},    {u'1', QStringLiteral("1-hoshi.sgf")},
      {u'2', QStringLiteral("2-komoku.sgf")},      {u'3', QStringLiteral("3-takamoku.sgf")},
      {u'5', QStringLiteral("5-mokuhazushi.sgf")}, {u'6', QStringLiteral("6-sansan.sgf")},
      {u'8', QStringLiteral("8-others.sgf")}};
  const auto it = names.find(section);
  return it != names.end() ? it->second : QStringLiteral("%1-section.sgf").arg(section);
}

QString JosekiSgf(const Joseki& joseki) {
  QString text = QStringLiteral("(;FF[4]GM[1]SZ[19]CA[UTF-8]\n");
  text += Property(QStringLiteral("GN"), {joseki.title}) + u'\n';
  text += Property(QStringLiteral("JK"), {joseki.key}) + u'\n';
  text += Property(QStringLiteral("JC"), {joseki.caption}) + u'\n';
  text += Property(QStringLiteral("C"), {joseki.commentary}) + u'\n';
  text += Property(QStringLiteral("JG"), {QString::number(joseki.given)}) + u'\n';
  if (joseki.one != u"0") text += Property(QStringLiteral("JO"), {joseki.one}) + u'\n';
  text += MarkerProperties(joseki.markers);
  for (size_t i = 0; i < joseki.stones.size(); ++i) {
    const QString value = joseki.stones[i].IsTenuki() ? QString() : SgfPointText(joseki.stones[i]);
    text += Property(i % 2 == 0 ? QStringLiteral(";B") : QStringLiteral(";W"), {value});
  }
  return text + QStringLiteral(")\n");
}

int ExportCollection(const QString& db, const QString& outDir, QTextStream& out, QTextStream& err) {
  try {
    std::map<QChar, QString> files;
    std::map<QChar, int> counts;
    for (const JosekiRow& row : ReadCollection(db)) {
      const Joseki joseki = DecodeJoseki(row);
      files[joseki.Section()] += JosekiSgf(joseki);
      ++counts[joseki.Section()];
    }
    QDir().mkpath(outDir);
    for (const auto& [section, text] : files) {
      WriteFile(QDir(outDir).filePath(SectionFileName(section)), text);
      out << SectionFileName(section) << ": " << counts[section] << " joseki\n";
    }
  } catch (const BuildError& e) {
    err << "error: " << e.text() << '\n';
    err.flush();
    return 1;
  }
  out.flush();
  return 0;
}

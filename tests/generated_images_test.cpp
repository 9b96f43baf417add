// The images the build draws (the board images of fld2/, the menu pictures and
// the icons) are the program's reviewed look: each file's SHA-256 is recorded in
// generated_images.sha256, and a change to any of them has to be deliberate.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <map>

namespace {

using Digests = std::map<QString, QString>;  // name -> digest

// After a deliberate change, run in build/ (a glob lists the names sorted):
//   sha256sum program/fld2/* window_pictures/* > ../tests/generated_images.sha256
Digests Recorded() {
  Digests digests;
  QFile file(QStringLiteral(SOURCE_DIR "/tests/generated_images.sha256"));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
  QTextStream lines(&file);
  for (QString line; lines.readLineInto(&line);)
    if (!line.isEmpty()) digests[line.mid(66)] = line.left(64);
  return digests;
}

void AddFolder(Digests& digests, const QString& path, const QString& name) {
  for (const QString& file : QDir(path).entryList(QDir::Files)) {  // the build's stamp is hidden
    QFile image(QDir(path).filePath(file));
    EXPECT_TRUE(image.open(QIODevice::ReadOnly)) << file.toStdString();
    digests[name + u'/' + file] = QString::fromLatin1(
        QCryptographicHash::hash(image.readAll(), QCryptographicHash::Sha256).toHex());
  }
}

TEST(GeneratedImages, AreTheRecordedOnes) {
  Digests built;
  AddFolder(built, QStringLiteral(PROGRAM_DIR "/fld2"), u"program/fld2"_qs);
  AddFolder(built, QStringLiteral(WINDOW_PICTURES_DIR), u"window_pictures"_qs);
  const Digests recorded = Recorded();
  QStringList changed, missing, extra;
  for (const auto& [name, digest] : recorded) {
    const auto found = built.find(name);
    if (found == built.end())
      missing << name;
    else if (found->second != digest)
      changed << name;
  }
  for (const auto& entry : built)
    if (!recorded.contains(entry.first)) extra << entry.first;
  EXPECT_TRUE(changed.isEmpty()) << "changed: " << changed.join(u' ').toStdString();
  EXPECT_TRUE(missing.isEmpty()) << "missing: " << missing.join(u' ').toStdString();
  EXPECT_TRUE(extra.isEmpty()) << "not recorded: " << extra.join(u' ').toStdString();
}

}  // namespace

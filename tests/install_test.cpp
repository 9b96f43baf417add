// The installed layout, as `cmake --install` lays it out in a fresh prefix:
// a program folder that reaches its data through its links, a launcher that
// resolves into it, and desktop files that the desktop's own tools accept.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// Runs a program to its end: its exit code, or -1 when it did not run. Its
// output is shown only when it fails.
int RunToEnd(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(program, arguments);
  const bool ran = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
  const int code = ran ? process.exitCode() : -1;
  if (code != 0) std::fprintf(stderr, "%s: %s\n", qPrintable(program), process.readAll().data());
  return code;
}

}  // namespace

TEST(Install, LaysOutTheProgramFolderAndTheDesktopFiles) {
  QTemporaryDir prefix;
  ASSERT_EQ(RunToEnd(QStringLiteral(CMAKE_COMMAND),
                     {u"--install"_qs, QStringLiteral(BUILD_DIR), u"--prefix"_qs, prefix.path()}),
            0);
  const QDir root(prefix.path());
  const QString program = root.filePath(u"lib/joseki/joseki"_qs);
  EXPECT_TRUE(QFileInfo(program).isExecutable());
  EXPECT_EQ(QFileInfo(root.filePath(u"bin/joseki"_qs)).canonicalFilePath(),
            QFileInfo(program).canonicalFilePath());
  for (const char* file : {"fld1/goc.db", "fld1/resume.txt", "fld2/cross23.jpg"})
    EXPECT_TRUE(QFileInfo(root.filePath(u"lib/joseki/"_qs + file)).isReadable()) << file;
  const QDir::Filters files = QDir::Files | QDir::NoDotAndDotDot;
  EXPECT_EQ(QDir(root.filePath(u"lib/joseki/fld2"_qs)).entryList(files),
            QDir(QStringLiteral(PROGRAM_DIR "/fld2")).entryList(files));

  const QString id = QStringLiteral(APP_ID);
  EXPECT_EQ(RunToEnd(u"desktop-file-validate"_qs,
                     {root.filePath(u"share/applications/%1.desktop"_qs.arg(id))}),
            0);
  EXPECT_EQ(
      RunToEnd(u"appstreamcli"_qs, {u"validate"_qs, u"--no-net"_qs,
                                    root.filePath(u"share/metainfo/%1.metainfo.xml"_qs.arg(id))}),
      0);
  for (int size : {48, 128}) {
    const QString icon = u"share/icons/hicolor/%1x%1/apps/%2.png"_qs.arg(size).arg(id);
    EXPECT_EQ(QImage(root.filePath(icon)).size(), QSize(size, size)) << icon.toStdString();
  }
  EXPECT_TRUE(QFileInfo(root.filePath(u"share/icons/hicolor/scalable/apps/%1.svg"_qs.arg(id)))
                  .isReadable());
}

// Another account that runs the program folder the build made reads every
// file of it, whatever the umask of the account that built it.
TEST(Install, EveryFileOfTheBuiltProgramFolderIsReadableByAll) {
  QDirIterator files(QStringLiteral(PROGRAM_DIR), QDir::Files,
                     QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
  int count = 0;
  while (files.hasNext()) {
    const QFileInfo file(files.next());
    EXPECT_TRUE(file.permissions() & QFile::ReadOther) << file.filePath().toStdString();
    ++count;
  }
  EXPECT_GT(count, 130);
}

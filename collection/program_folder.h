#pragma once
// The program's folder and the files the program reads below it: fld1/ holds
// the collection and the help text, fld2/ the board images. The program
// writes nothing there.

#include <QDir>
#include <QString>

class ProgramFolder {
 public:
  explicit ProgramFolder(const QDir& root) : root_(root) {}

  QString CollectionFile() const { return root_.filePath(u"fld1/goc.db"_qs); }
  QString HelpFile() const { return root_.filePath(u"fld1/resume.txt"_qs); }
  QDir ImageFolder() const { return QDir(root_.filePath(u"fld2"_qs)); }
  const QDir& root() const { return root_; }

 private:
  QDir root_;
};

#pragma once
// Small collections written for one test: a temporary program folder whose
// fld2/ links to the real images and whose fld1/goc.db holds the given rows.

#include <QString>
#include <QTemporaryDir>
#include <vector>

struct TestRow {
  QString one = "0";
  QString markers;
  QString setupCount = "1";
  QString title = "title";
  QString five = "2";
  QString commentary;
  QString moves;
  QString gameReference;
};

class TestProgramFolder {
 public:
  // Makes the folder and points ProgramFolder at it; restores the real one on destruction.
  TestProgramFolder();
  ~TestProgramFolder();
  // Writes fld1/goc.db with the rows (IDs 1, 2, … in order).
  void WriteCollection(const std::vector<TestRow>& rows);
  // Writes any bytes as fld1/goc.db (a damaged collection).
  void WriteCollectionBytes(const QByteArray& bytes);
  QString path(const QString& relative) const { return dir_.filePath(relative); }

 private:
  QTemporaryDir dir_;
};

#pragma once
// Choosing files. The program asks with file dialogs; tests give a chooser of
// their own, so that nothing waits on a modal dialog.

#include <QString>

class QWidget;

class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // A file to open; empty when the user cancelled.
  virtual QString FileToOpen(QWidget* parent, const QString& caption, const QString& filter) = 0;
  // A file to write, offered as name; suffix is added to a name typed without
  // it. Empty when the user cancelled.
  virtual QString FileToSave(QWidget* parent, const QString& caption, const QString& name,
                             const QString& filter, const QString& suffix) = 0;
};

// The file dialogs, in Japanese; each opens in the folder of the file chosen
// last (the home folder at first).
class DialogFileChooser : public FileChooser {
 public:
  QString FileToOpen(QWidget* parent, const QString& caption, const QString& filter) override;
  QString FileToSave(QWidget* parent, const QString& caption, const QString& name,
                     const QString& filter, const QString& suffix) override;

 private:
  QString Chosen(const QString& path);
  QString Folder();
  QString folder_;
  bool translated_ = false;
};

#include "windows/file_chooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

QString DialogFileChooser::Chosen(const QString& path) {
  if (!path.isEmpty()) folder_ = QFileInfo(path).absolutePath();
  return path;
}

QString DialogFileChooser::FileToOpen(QWidget* parent, const QString& caption,
                                      const QString& filter) {
  const QString folder = folder_.isEmpty() ? QDir::homePath() : folder_;
  return Chosen(QFileDialog::getOpenFileName(parent, caption, folder, filter));
}

QString DialogFileChooser::FileToSave(QWidget* parent, const QString& caption, const QString& name,
                                      const QString& filter, const QString& suffix) {
  QFileDialog dialog(parent, caption,
                     QDir(folder_.isEmpty() ? QDir::homePath() : folder_).filePath(name), filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(suffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return Chosen(dialog.selectedFiles().front());
}

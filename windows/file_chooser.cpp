#include "windows/file_chooser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <utility>

namespace {
// Qt's own texts in Japanese (qt6-translations-l10n), loaded with the first
// dialog rather than at the start, which no file dialog needs.
void InstallQtTranslation() {
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (translator->load(QLocale(QLocale::Japanese), u"qtbase"_qs, u"_"_qs,
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(translator);
  else
    delete translator;
}
}  // namespace

QString DialogFileChooser::Folder() {
  if (!std::exchange(translated_, true)) InstallQtTranslation();
  return folder_.isEmpty() ? QDir::homePath() : folder_;
}

QString DialogFileChooser::Chosen(const QString& path) {
  if (!path.isEmpty()) folder_ = QFileInfo(path).absolutePath();
  return path;
}

QString DialogFileChooser::FileToOpen(QWidget* parent, const QString& caption,
                                      const QString& filter) {
  return Chosen(QFileDialog::getOpenFileName(parent, caption, Folder(), filter));
}

QString DialogFileChooser::FileToSave(QWidget* parent, const QString& caption, const QString& name,
                                      const QString& filter, const QString& suffix) {
  QFileDialog dialog(parent, caption, QDir(Folder()).filePath(name), filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(suffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return Chosen(dialog.selectedFiles().front());
}

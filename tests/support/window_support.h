#pragma once
// For the window tests: a file dialog that answers from a list, and the
// centre of a board's cell as the display draws it.

#include <QPoint>
#include <QStringList>

#include "pictures/board_renderer.h"
#include "windows/file_chooser.h"

// Answers each file dialog with the next path (none left: cancelled) and
// keeps the names offered for saving.
struct ChosenFiles : FileChooser {
  QString FileToOpen(QWidget*, const QString&, const QString&) override { return Next(); }
  QString FileToSave(QWidget*, const QString&, const QString& name, const QString&,
                     const QString&) override {
    offered << name;
    return Next();
  }
  QString Next() { return paths.isEmpty() ? QString() : paths.takeFirst(); }
  QStringList paths, offered;
};

inline QPoint CellCentre(Board board, Point p) {
  return CellRect(board, p).center();
}

#pragma once
// The complete set of board pictures of fld2/: every file name with the
// drawing that produces it.

#include <QImage>
#include <QString>
#include <functional>
#include <vector>

struct CatalogueEntry {
  QString fileName;              // "cross23.jpg", "zkuro7.gif", ...
  std::function<QImage()> draw;  // the 23 x 23 picture
};

// All 134 entries: ten JPEG tiles, then the GIF stones and marks.
std::vector<CatalogueEntry> ImageCatalogue();

#pragma once
// Reduction of a picture to at most 256 colours for GIF files.

#include <QImage>
#include <QRgb>
#include <cstdint>
#include <vector>

struct IndexedImage {
  int width = 0;
  int height = 0;
  std::vector<QRgb> palette;     // at most 256 entries
  std::vector<uint8_t> indices;  // row by row, width * height entries
};

// Picks a palette of the picture's own colours (all of them when there are at
// most 256, else the most frequent of each colour bucket) and maps each pixel
// to its nearest entry. Deterministic.
IndexedImage Quantise(const QImage& image);

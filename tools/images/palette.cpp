#include "images/palette.h"

#include <algorithm>
#include <map>

namespace {

constexpr size_t kMaxColours = 256;

QRgb Bucket(QRgb colour, int dropBits) {
  const int mask = (0xFF << dropBits) & 0xFF;
  return qRgb(qRed(colour) & mask, qGreen(colour) & mask, qBlue(colour) & mask);
}

// For each bucket of colours that agree in their high bits, the most frequent
// colour; coarser buckets until at most 256 remain.
std::vector<QRgb> ChoosePalette(const std::map<QRgb, int>& counts) {
  for (int dropBits = 0;; ++dropBits) {
    std::map<QRgb, std::pair<int, QRgb>> best;  // bucket -> (count, colour)
    for (const auto& [colour, count] : counts) {
      auto& entry = best[Bucket(colour, dropBits)];
      if (count > entry.first) entry = {count, colour};
    }
    if (best.size() <= kMaxColours) {
      std::vector<QRgb> palette;
      for (const auto& [bucket, entry] : best) palette.push_back(entry.second);
      return palette;
    }
  }
}

int Distance(QRgb a, QRgb b) {
  const int r = qRed(a) - qRed(b), g = qGreen(a) - qGreen(b), bl = qBlue(a) - qBlue(b);
  return r * r + g * g + bl * bl;
}

uint8_t Nearest(const std::vector<QRgb>& palette, QRgb colour) {
  size_t best = 0;
  for (size_t i = 1; i < palette.size(); ++i)
    if (Distance(palette[i], colour) < Distance(palette[best], colour)) best = i;
  return static_cast<uint8_t>(best);
}

}  // namespace

IndexedImage Quantise(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_RGB32);
  IndexedImage result;
  result.width = image.width();
  result.height = image.height();
  std::map<QRgb, int> counts;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y) | 0xFF000000u];
  result.palette = ChoosePalette(counts);
  std::map<QRgb, uint8_t> lookup;
  for (const auto& entry : counts) lookup[entry.first] = Nearest(result.palette, entry.first);
  result.indices.reserve(size_t(result.width) * result.height);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      result.indices.push_back(lookup[image.pixel(x, y) | 0xFF000000u]);
  return result;
}

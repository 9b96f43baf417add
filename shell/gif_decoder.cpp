#include "shell/gif_decoder.h"

#include <array>
#include <vector>

namespace {

constexpr int kMaxCodes = 4096;
constexpr int kMaxCodeBits = 12;

// Reads the file front to back; every read past the end fails the decode.
class Bytes {
 public:
  explicit Bytes(QByteArrayView data) : data_(data) {}
  bool Has(qsizetype n) const { return pos_ + n <= data_.size(); }
  uint8_t Byte() { return uint8_t(data_[pos_++]); }
  int Word() {
    const int low = Byte();
    return low | Byte() << 8;
  }
  void Skip(qsizetype n) { pos_ += n; }
  QByteArrayView Take(qsizetype n) {
    const QByteArrayView part = data_.sliced(pos_, n);
    pos_ += n;
    return part;
  }

 private:
  QByteArrayView data_;
  qsizetype pos_ = 0;
};

// A colour table: its red, green, blue bytes where they lie in the file.
struct ColourTable {
  const uint8_t* rgb = nullptr;
  int size = 0;
  QRgb operator[](int index) const {
    const uint8_t* c = rgb + 3 * index;
    return qRgb(c[0], c[1], c[2]);
  }
};

bool ReadColourTable(Bytes& in, int packed, ColourTable& table) {
  table.size = 2 << (packed & 7);
  if (!in.Has(3 * table.size)) return false;
  table.rgb = reinterpret_cast<const uint8_t*>(in.Take(3 * table.size).data());
  return true;
}

// Joins the data sub-blocks that follow; false when the data ends first.
bool ReadSubBlocks(Bytes& in, QByteArray* joined) {
  for (;;) {
    if (!in.Has(1)) return false;
    const int size = in.Byte();
    if (size == 0) return true;
    if (!in.Has(size)) return false;
    if (joined) {
      joined->append(in.Take(size));
    } else {
      in.Skip(size);
    }
  }
}

// Decodes the LZW data into the colour indices out..outEnd; false on a damaged
// stream or when it ends before every pixel has its index.
bool DecodeIndices(int minCodeBits, const QByteArray& data, uint8_t* out, uint8_t* const outEnd) {
  if (minCodeBits < 2 || minCodeBits > 8) return false;
  const int clear = 1 << minCodeBits, end = clear + 1;
  uint16_t prefix[kMaxCodes];
  uint8_t suffix[kMaxCodes], first[kMaxCodes], stack[kMaxCodes];
  for (int i = 0; i < clear; ++i) suffix[i] = first[i] = uint8_t(i);
  const auto* in = reinterpret_cast<const uint8_t*>(data.constData());
  const auto* const inEnd = in + data.size();
  uint32_t buffer = 0;  // codes arrive least significant bit first
  int held = 0, bits = minCodeBits + 1, next = clear + 2, previous = -1;
  while (out < outEnd) {
    for (; held < bits; held += 8) {
      if (in == inEnd) return false;
      buffer |= uint32_t(*in++) << held;
    }
    const int code = int(buffer & ((1u << bits) - 1));
    buffer >>= bits;
    held -= bits;
    if (code == clear) {
      bits = minCodeBits + 1;
      next = clear + 2;
      previous = -1;
      continue;
    }
    if (code == end || code > next || (previous < 0 && code >= clear)) return false;
    if (previous >= 0 && next < kMaxCodes) {
      prefix[next] = uint16_t(previous);
      suffix[next] = first[code == next ? previous : code];
      first[next] = first[previous];
      if (++next == 1 << bits && bits < kMaxCodeBits) ++bits;
    }
    previous = code;
    if (code < clear) {
      *out++ = uint8_t(code);
      continue;
    }
    uint8_t* top = stack;
    int c = code;
    for (; c >= clear; c = prefix[c]) *top++ = suffix[c];
    *top++ = uint8_t(c);
    while (top > stack && out < outEnd) *out++ = *--top;
  }
  return true;
}

}  // namespace

QImage DecodePlainGif(QByteArrayView data) {
  Bytes in(data);
  if (!in.Has(13)) return {};
  const QByteArrayView signature = in.Take(6);
  if (signature != "GIF87a" && signature != "GIF89a") return {};
  const int width = in.Word(), height = in.Word(), screenPacked = in.Byte();
  in.Skip(2);  // background colour, aspect ratio
  ColourTable global;
  if ((screenPacked & 0x80) && !ReadColourTable(in, screenPacked, global)) return {};
  for (;;) {
    if (!in.Has(1)) return {};
    const int introducer = in.Byte();
    if (introducer == 0x21) {  // extension: label, then sub-blocks
      if (!in.Has(2)) return {};
      const int label = in.Byte(), size = in.Byte();
      if (!in.Has(size)) return {};
      const QByteArrayView block = in.Take(size);
      // A graphic control block with a transparent colour is the general loader's.
      if (label == 0xF9 && size >= 4 && (uint8_t(block[0]) & 0x01)) return {};
      if (size != 0 && !ReadSubBlocks(in, nullptr)) return {};
      continue;
    }
    if (introducer != 0x2C || !in.Has(10)) return {};
    const int left = in.Word(), top = in.Word(), w = in.Word(), h = in.Word(), packed = in.Byte();
    if (left != 0 || top != 0 || w != width || h != height || w == 0 || h == 0) return {};
    if (packed & 0x40) return {};  // interlaced
    ColourTable local;
    if ((packed & 0x80) && !ReadColourTable(in, packed, local)) return {};
    const ColourTable& table = (packed & 0x80) ? local : global;
    if (table.size == 0 || !in.Has(1)) return {};
    const int minCodeBits = in.Byte();
    QByteArray compressed;
    if (!ReadSubBlocks(in, &compressed)) return {};
    std::vector<uint8_t> pixels(size_t(w) * size_t(h));
    if (!DecodeIndices(minCodeBits, compressed, pixels.data(), pixels.data() + pixels.size())) {
      return {};
    }
    std::array<QRgb, 256> colours;
    for (int i = 0; i < table.size; ++i) colours[i] = table[i];
    QImage image(w, h, QImage::Format_RGB32);
    uchar* bits = image.bits();
    for (int y = 0; y < h; ++y) {
      auto* line = reinterpret_cast<QRgb*>(bits + y * image.bytesPerLine());
      const uint8_t* row = pixels.data() + size_t(y) * size_t(w);
      for (int x = 0; x < w; ++x) {
        if (row[x] >= table.size) return {};
        line[x] = colours[row[x]];
      }
    }
    return image;
  }
}

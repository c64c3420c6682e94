#include "palette.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <unordered_map>

namespace {

// One histogram cell: colours that agree in their top five bits per channel.
struct Cell {
  long count = 0;
  long sum[3] = {0, 0, 0};
  int key[3] = {0, 0, 0};
};

using Box = std::vector<Cell*>;

int ChannelRange(const Box& box, int channel) {
  int lo = 31, hi = 0;
  for (const Cell* c : box) {
    lo = std::min(lo, c->key[channel]);
    hi = std::max(hi, c->key[channel]);
  }
  return hi - lo;
}

QRgb AverageColour(const Box& box) {
  long n = 0, s[3] = {0, 0, 0};
  for (const Cell* c : box) {
    n += c->count;
    for (int i = 0; i < 3; ++i) s[i] += c->sum[i];
  }
  if (n == 0) return qRgb(0, 0, 0);
  return qRgb(int((s[0] + n / 2) / n), int((s[1] + n / 2) / n), int((s[2] + n / 2) / n));
}

// Splits boxes until there are `wanted` or no box can be split further. The box
// with the widest channel, weighted by its pixel count, is split at its median.
std::vector<Box> MedianCut(std::vector<Cell*> cells, size_t wanted) {
  std::vector<Box> boxes{std::move(cells)};
  while (boxes.size() < wanted) {
    long bestScore = 0;
    size_t best = boxes.size();
    int bestChannel = 0;
    for (size_t i = 0; i < boxes.size(); ++i) {
      if (boxes[i].size() < 2) continue;
      long pixels = 0;
      for (const Cell* c : boxes[i]) pixels += c->count;
      for (int ch = 0; ch < 3; ++ch) {
        // Square-rooting the count keeps rare but distinct colours (label text) alive.
        long score = long(ChannelRange(boxes[i], ch) + 1) * long(std::sqrt(double(pixels)) + 1);
        if (score > bestScore) {
          bestScore = score;
          best = i;
          bestChannel = ch;
        }
      }
    }
    if (best == boxes.size()) break;
    Box& box = boxes[best];
    std::sort(box.begin(), box.end(),
              [&](const Cell* a, const Cell* b) { return a->key[bestChannel] < b->key[bestChannel]; });
    long total = 0;
    for (const Cell* c : box) total += c->count;
    long running = 0;
    size_t cut = 1;
    for (; cut < box.size(); ++cut) {
      running += box[cut - 1]->count;
      if (running * 2 >= total) break;
    }
    cut = std::clamp<size_t>(cut, 1, box.size() - 1);
    Box upper(box.begin() + long(cut), box.end());
    box.resize(cut);
    boxes.push_back(std::move(upper));
  }
  return boxes;
}

}  // namespace

IndexedPicture ReduceTo256Colours(const QImage& source) {
  const QImage picture = source.convertToFormat(QImage::Format_ARGB32);
  IndexedPicture out;
  out.width = picture.width();
  out.height = picture.height();
  out.indices.assign(size_t(out.width) * size_t(out.height), 0);
  out.transparent.assign(out.indices.size(), false);

  std::vector<Cell> histogram(size_t{32} * 32 * 32);
  for (int y = 0; y < out.height; ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    for (int x = 0; x < out.width; ++x) {
      if (qAlpha(row[x]) < 128) continue;
      const int rgb[3] = {qRed(row[x]), qGreen(row[x]), qBlue(row[x])};
      Cell& cell = histogram[size_t((rgb[0] >> 3) << 10 | (rgb[1] >> 3) << 5 | (rgb[2] >> 3))];
      ++cell.count;
      for (int i = 0; i < 3; ++i) {
        cell.sum[i] += rgb[i];
        cell.key[i] = rgb[i] >> 3;
      }
    }
  }
  std::vector<Cell*> used;
  for (Cell& c : histogram)
    if (c.count > 0) used.push_back(&c);
  for (const Box& box : MedianCut(std::move(used), 256)) out.palette.push_back(AverageColour(box));
  if (out.palette.empty()) out.palette.push_back(qRgb(0, 0, 0));

  std::unordered_map<QRgb, uint8_t> nearest;
  for (int y = 0; y < out.height; ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    for (int x = 0; x < out.width; ++x) {
      const size_t at = size_t(y) * size_t(out.width) + size_t(x);
      if (qAlpha(row[x]) < 128) {
        out.transparent[at] = true;
        continue;
      }
      const QRgb colour = row[x] | 0xff000000u;
      auto found = nearest.find(colour);
      if (found == nearest.end()) {
        long bestDistance = -1;
        uint8_t bestIndex = 0;
        for (size_t i = 0; i < out.palette.size(); ++i) {
          const long dr = qRed(colour) - qRed(out.palette[i]);
          const long dg = qGreen(colour) - qGreen(out.palette[i]);
          const long db = qBlue(colour) - qBlue(out.palette[i]);
          const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
          if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            bestIndex = uint8_t(i);
          }
        }
        found = nearest.emplace(colour, bestIndex).first;
      }
      out.indices[at] = found->second;
    }
  }
  return out;
}

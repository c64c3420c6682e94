// Synthesises the two delivered sounds and writes them as 16-bit PCM WAV files:
//   gong.wav    the hourly chime, a warm struck gong
//   hockey.wav  the reminder signal, three quick bright tones
// Usage: make_sounds <output dir>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

struct Partial {
  double ratio;  // frequency relative to the fundamental
  double amplitude;
  double decay;  // seconds until the partial has fallen to 1/e
};

// A gong's partials are not whole multiples of the fundamental; that, and the
// slow beating of pairs of near partials, is what makes it sound like metal.
std::vector<double> Gong() {
  const double seconds = 3.5, fundamental = 110.0;
  const Partial partials[] = {
      {1.00, 1.00, 1.60}, {1.006, 0.45, 1.50}, {1.52, 0.60, 1.20}, {2.03, 0.42, 0.95}, {2.47, 0.32, 0.80},
      {2.92, 0.22, 0.60}, {3.61, 0.16, 0.45},  {4.23, 0.10, 0.35}, {5.40, 0.06, 0.25}, {0.50, 0.25, 1.80},
  };
  std::vector<double> out(size_t(seconds * kRate));
  std::mt19937 random(7);  // fixed seed: the same file on every run
  std::normal_distribution<double> noise(0.0, 1.0);
  double lowpassed = 0.0;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = double(i) / kRate;
    double v = 0.0;
    for (const Partial& p : partials)
      v += p.amplitude * std::exp(-t / p.decay) * std::sin(kTwoPi * fundamental * p.ratio * t);
    // A soft felt mallet: the tone swells in over 12 ms instead of clicking on.
    v *= 1.0 - std::exp(-t / 0.012);
    // The thud of the strike: low-passed noise that dies within 60 ms.
    lowpassed += 0.05 * (noise(random) - lowpassed);
    v += 1.5 * lowpassed * std::exp(-t / 0.02);
    // Fade the tail to silence so the file ends without a click.
    const double left = seconds - t;
    if (left < 0.4) v *= left / 0.4;
    out[i] = v;
  }
  return out;
}

// Three rising bell-like tones, each with a fast attack and a quick decay.
std::vector<double> Reminder() {
  const double notes[] = {1318.5, 1568.0, 2093.0};  // E6, G6, C7
  const double step = 0.16, toneLength = 0.30;
  const double seconds = step * 2 + toneLength + 0.05;
  std::vector<double> out(size_t(seconds * kRate), 0.0);
  for (int n = 0; n < 3; ++n) {
    const size_t start = size_t(n * step * kRate);
    for (size_t i = 0; i < size_t(toneLength * kRate) && start + i < out.size(); ++i) {
      const double t = double(i) / kRate, f = notes[n];
      const double envelope = (1.0 - std::exp(-t / 0.002)) * std::exp(-t / 0.07);
      const double tone = std::sin(kTwoPi * f * t) +
                          0.35 * std::sin(kTwoPi * 2 * f * t) * std::exp(-t / 0.03) +
                          0.12 * std::sin(kTwoPi * 3.01 * f * t) * std::exp(-t / 0.02);
      out[start + i] += envelope * tone;
    }
  }
  return out;
}

// Scales the peak to -1 dBFS: loud, but never clipped.
std::vector<int16_t> Normalise(const std::vector<double>& samples) {
  double peak = 0.0;
  for (double v : samples) peak = std::max(peak, std::abs(v));
  const double gain = peak > 0 ? 0.891 * 32767.0 / peak : 0.0;
  std::vector<int16_t> out;
  out.reserve(samples.size());
  for (double v : samples) out.push_back(int16_t(std::lround(std::clamp(v * gain, -32767.0, 32767.0))));
  return out;
}

void Put16(std::ofstream& f, uint32_t v) {
  f.put(char(v & 0xff));
  f.put(char((v >> 8) & 0xff));
}
void Put32(std::ofstream& f, uint32_t v) {
  Put16(f, v & 0xffff);
  Put16(f, v >> 16);
}

bool WriteWav(const std::string& path, const std::vector<int16_t>& samples) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  const uint32_t dataBytes = uint32_t(samples.size() * 2);
  f.write("RIFF", 4);
  Put32(f, 36 + dataBytes);
  f.write("WAVEfmt ", 8);
  Put32(f, 16);  // fmt chunk size
  Put16(f, 1);   // PCM
  Put16(f, 1);   // mono
  Put32(f, kRate);
  Put32(f, kRate * 2);  // bytes per second
  Put16(f, 2);          // block align
  Put16(f, 16);         // bits per sample
  f.write("data", 4);
  Put32(f, dataBytes);
  for (int16_t s : samples) Put16(f, uint16_t(s));
  return bool(f);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_sounds <output dir>\n");
    return 2;
  }
  const std::string dir = argv[1];
  bool ok = true;
  for (const auto& [name, samples] : {std::pair{"gong.wav", Gong()}, std::pair{"hockey.wav", Reminder()}}) {
    if (!WriteWav(dir + "/" + name, Normalise(samples))) {
      std::fprintf(stderr, "make_sounds: cannot write %s/%s\n", dir.c_str(), name);
      ok = false;
    }
  }
  return ok ? 0 : 1;
}

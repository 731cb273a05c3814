#include "sound.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace art {
namespace {

// Every frequency is a whole number of cycles in the 2 s buffer, so the end
// joins the start without a click and the sound loops seamlessly.
constexpr double kEngine = 62.0;  // Hz, the low engine hum (124 cycles)
constexpr double kBlades = 11.0;  // Hz, the rotor's chop (22 cycles)
constexpr double kPeak = 0.32;    // of full scale: a gentle background level

// A small linear congruential generator: the same "noise" on every run.
struct Lcg {
  std::uint32_t state = 20232024u;
  double Next() {
    state = state * 1664525u + 1013904223u;
    return (state >> 8) / double(1u << 24) * 2.0 - 1.0;
  }
};

// A one-pole low-pass run round the buffer twice: the second lap starts from the
// state the first lap ended in, so the filtered noise is periodic too.
std::vector<double> CircularLowPass(const std::vector<double>& in, double alpha) {
  std::vector<double> out(in.size());
  double y = 0;
  for (int lap = 0; lap < 2; ++lap)
    for (std::size_t i = 0; i < in.size(); ++i) {
      y += alpha * (in[i] - y);
      out[i] = y;
    }
  return out;
}

void PutU32(QByteArray& b, std::uint32_t v) {
  char le[4];
  qToLittleEndian(v, le);
  b.append(le, 4);
}
void PutU16(QByteArray& b, std::uint16_t v) {
  char le[2];
  qToLittleEndian(v, le);
  b.append(le, 2);
}

}  // namespace

QByteArray MotorWav() {
  const int n = kMotorSamples;
  const double tau = 2 * std::numbers::pi;
  Lcg lcg;
  std::vector<double> noise(n);
  for (double& v : noise) v = lcg.Next();
  const std::vector<double> whoosh = CircularLowPass(noise, 0.08);
  const std::vector<double> rumble = CircularLowPass(noise, 0.02);

  std::vector<double> mix(n);
  for (int i = 0; i < n; ++i) {
    const double t = double(i) / kMotorRate;
    // Rotor chop: a soft pulse per blade pass.
    const double chop = std::pow(0.5 + 0.5 * std::cos(tau * kBlades * t), 3.0);
    const double hum = 0.55 * std::sin(tau * kEngine * t) + 0.25 * std::sin(tau * 2 * kEngine * t + 0.7) +
                       0.10 * std::sin(tau * 3 * kEngine * t + 1.9);
    const double engine = hum * (0.75 + 0.25 * chop);
    const double air = whoosh[static_cast<std::size_t>(i)] * (0.25 + 1.6 * chop) + 1.5 * rumble[static_cast<std::size_t>(i)];
    mix[static_cast<std::size_t>(i)] = engine + 1.4 * air;
  }
  double peak = 0;
  for (double v : mix) peak = std::max(peak, std::abs(v));
  const double gain = kPeak / peak;

  QByteArray pcm;
  pcm.reserve(n * 2);
  for (double v : mix) PutU16(pcm, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(v * gain * 32767))));

  QByteArray wav;
  wav.append("RIFF", 4);
  PutU32(wav, static_cast<std::uint32_t>(36 + pcm.size()));
  wav.append("WAVE", 4);
  wav.append("fmt ", 4);
  PutU32(wav, 16);
  PutU16(wav, 1);  // PCM
  PutU16(wav, 1);  // mono
  PutU32(wav, kMotorRate);
  PutU32(wav, kMotorRate * 2);  // bytes per second
  PutU16(wav, 2);               // bytes per sample frame
  PutU16(wav, 16);              // bits per sample
  wav.append("data", 4);
  PutU32(wav, static_cast<std::uint32_t>(pcm.size()));
  wav.append(pcm);
  return wav;
}

}  // namespace art

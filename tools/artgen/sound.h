// The helicopter hum of the assistant, synthesised (no recording, no randomness
// beyond a fixed-seed generator), as a 22050 Hz mono 16-bit PCM wave file.
#pragma once
#include <QByteArray>

namespace art {

constexpr int kMotorRate = 22050;
constexpr int kMotorSamples = 2 * kMotorRate;  // exactly 2 s; every component repeats within it

QByteArray MotorWav();

}  // namespace art

#include "propeller_sound.h"

#include <algorithm>
#include <cmath>

#include "random_source.h"

namespace aerolark::art {
namespace {

// The fly-past: a straight line at constant speed, closest to the listener
// at kClosestTime. Sound heard at time t left the aircraft at an earlier
// "emission" time; evaluating the engine at that time gives the Doppler
// pitch drop without any explicit frequency bookkeeping.
constexpr double kDuration = 3.2;       // seconds
constexpr double kClosestTime = 1.35;   // seconds
constexpr double kSpeed = 62.0;         // m/s, a brisk biplane
constexpr double kClosestRange = 30.0;  // m
constexpr double kSoundSpeed = 343.0;   // m/s
constexpr double kBladePass = 78.0;     // Hz: 2340 rpm, two blades
constexpr double kFiring = 175.5;       // Hz: nine-cylinder radial at the same rpm
constexpr double kPeak = 0.84;          // -1.5 dBFS
constexpr double kFadeIn = 0.35, kFadeOut = 0.5;

double Range(double t) {
  const double along = kSpeed * (t - kClosestTime);
  return std::sqrt(along * along + kClosestRange * kClosestRange);
}

// Solves t = te + Range(te) / c for the emission time te.
double EmissionTime(double t) {
  double te = t - Range(t) / kSoundSpeed;
  for (int i = 0; i < 6; ++i) te = t - Range(te) / kSoundSpeed;
  return te;
}

// The engine as the aircraft itself hears it, at its own time te.
double EngineAt(double te, double roughness) {
  double value = 0;
  for (int k = 1; k <= 10; ++k)  // propeller blade-pass harmonics
    value += std::sin(2 * M_PI * kBladePass * k * te + 0.7 * k * k) / std::pow(k, 0.9);
  for (int k = 1; k <= 5; ++k)  // exhaust beat of the cylinders
    value += 0.35 * (1 + 0.3 * roughness) * std::sin(2 * M_PI * kFiring * k * te + 1.3 * k) / k;
  return value;
}

// Each blade sweeping past "chops" the air: noise pulsed at blade-pass rate.
double ChopAt(double te) {
  const double phase = std::fmod(te * kBladePass, 1.0);
  return 0.35 + 0.65 * std::pow(std::sin(M_PI * phase), 4);
}

double Envelope(double t) {
  auto ramp = [](double u) { return 0.5 - 0.5 * std::cos(M_PI * std::clamp(u, 0.0, 1.0)); };
  return ramp(t / kFadeIn) * ramp((kDuration - t) / kFadeOut);
}

// One-pole low-pass whose cutoff can change from sample to sample.
class LowPass {
 public:
  double Step(double input, double cutoffHz) {
    const double a = 1 - std::exp(-2 * M_PI * cutoffHz / kSoundRate);
    state_ += a * (input - state_);
    return state_;
  }

 private:
  double state_ = 0;
};

}  // namespace

std::vector<std::int16_t> SynthesisePropellerPass() {
  const int count = static_cast<int>(kDuration * kSoundRate);
  RandomSource random(1903);
  LowPass noiseBand1, noiseBand2, air1, air2, rough;
  std::vector<double> signal(count);
  for (int i = 0; i < count; ++i) {
    const double t = double(i) / kSoundRate;
    const double te = EmissionTime(t);
    const double nearness = kClosestRange / Range(te);  // 1 overhead, small far away
    const double roughness = rough.Step(random.Uniform(-1, 1), 30) * 8;
    const double white = random.Uniform(-1, 1);
    const double noise = noiseBand2.Step(noiseBand1.Step(white, 900), 900) * 3.0 * ChopAt(te);
    const double source = EngineAt(te, roughness) + noise;
    // Air and distance take the edge off a far aircraft's sound.
    const double cutoff = 500 + 3500 * nearness * nearness;
    const double heard = air2.Step(air1.Step(source, cutoff), cutoff * 1.5);
    signal[i] = heard * nearness * Envelope(t);
  }
  double loudest = 1e-9;
  for (double s : signal) loudest = std::max(loudest, std::abs(s));
  std::vector<std::int16_t> samples(count);
  for (int i = 0; i < count; ++i)
    samples[i] = static_cast<std::int16_t>(std::lround(signal[i] / loudest * kPeak * 32767));
  return samples;
}

}  // namespace aerolark::art

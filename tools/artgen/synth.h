#pragma once
// A few building blocks for synthesising short sounds: tones with envelopes, filtered noise
// bursts and a resonant filter sweep, mixed into a signal of doubles and finally turned into
// 16-bit samples. Everything is deterministic (noise comes from DetRandom with a fixed seed).
#include <cstdint>
#include <vector>

namespace tablamor::art {

inline constexpr int kSampleRate = 22050;

using Signal = std::vector<double>;

// Seconds to samples.
int Samples(double seconds);

// Adds `source` into `target` starting `at` seconds in, scaled by `gain`; `target` grows to fit.
void MixInto(Signal& target, const Signal& source, double at, double gain = 1.0);

// A tone of `partials` (multiples of `frequency` with their amplitudes), rising over `attack`
// seconds and decaying with time constant `decay`, lasting `length` seconds. `glide` multiplies
// the frequency by that factor over the length (1 for a steady pitch).
struct Partial {
    double multiple;
    double amplitude;
};
Signal Tone(double frequency, const std::vector<Partial>& partials, double length, double attack,
            double decay, double glide = 1.0);

// White noise through a one-pole band (high-pass at `low`, low-pass at `high` Hz), with a fast
// attack and an exponential decay of time constant `decay`.
Signal NoiseBurst(double length, double low, double high, double decay, std::uint64_t seed);

// Noise through a resonant band-pass whose centre moves from `from` to `peak` and back to `to`
// Hz, shaped by a smooth rise and fall: a whoosh.
Signal Whoosh(double length, double from, double peak, double to, std::uint64_t seed);

// Scales the signal so that its largest magnitude is `peak` (0..1); a silent signal stays.
void Normalise(Signal& signal, double peak);

// Short linear fades at both ends, so that no sound starts or stops with a click.
void FadeEnds(Signal& signal, double seconds);

std::vector<std::int16_t> ToPcm16(const Signal& signal);

} // namespace tablamor::art

#include "tools/artgen/synth.h"

#include "table/card_art/det_random.h"

#include <algorithm>
#include <cmath>

namespace tablamor::art {
namespace {

constexpr double kTwoPi = 6.283185307179586;

double OnePoleCoefficient(double cutoff) {
    return 1.0 - std::exp(-kTwoPi * cutoff / kSampleRate);
}

} // namespace

int Samples(double seconds) {
    return static_cast<int>(std::lround(seconds * kSampleRate));
}

void MixInto(Signal& target, const Signal& source, double at, double gain) {
    std::size_t start = static_cast<std::size_t>(std::max(0, Samples(at)));
    if (target.size() < start + source.size()) target.resize(start + source.size(), 0.0);
    for (std::size_t i = 0; i < source.size(); ++i) target[start + i] += source[i] * gain;
}

Signal Tone(double frequency, const std::vector<Partial>& partials, double length, double attack,
            double decay, double glide) {
    const int n = Samples(length);
    Signal out(static_cast<std::size_t>(n), 0.0);
    std::vector<double> phase(partials.size(), 0.0);
    for (int i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / kSampleRate;
        double f = frequency * std::pow(glide, t / length);
        double envelope = (attack > 0 && t < attack ? t / attack : 1.0) * std::exp(-t / decay);
        double v = 0;
        for (std::size_t k = 0; k < partials.size(); ++k) {
            phase[k] += kTwoPi * f * partials[k].multiple / kSampleRate;
            v += partials[k].amplitude * std::sin(phase[k]);
        }
        out[static_cast<std::size_t>(i)] = v * envelope;
    }
    return out;
}

Signal NoiseBurst(double length, double low, double high, double decay, std::uint64_t seed) {
    DetRandom random(seed);
    const int n = Samples(length);
    const double attack = 0.002;
    const double aLow = OnePoleCoefficient(low);
    const double aHigh = OnePoleCoefficient(high);
    double lowState = 0;
    double highState = 0;
    Signal out(static_cast<std::size_t>(n), 0.0);
    for (int i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / kSampleRate;
        double x = random.Range(-1.0, 1.0);
        highState += aHigh * (x - highState); // low-pass at `high`
        lowState += aLow * (highState - lowState);
        double band = highState - lowState; // minus what lies below `low`
        double envelope = (t < attack ? t / attack : 1.0) * std::exp(-t / decay);
        out[static_cast<std::size_t>(i)] = band * envelope;
    }
    return out;
}

Signal Whoosh(double length, double from, double peak, double to, std::uint64_t seed) {
    DetRandom random(seed);
    const int n = Samples(length);
    Signal out(static_cast<std::size_t>(n), 0.0);
    double low = 0;
    double band = 0;
    const double damping = 0.35;
    for (int i = 0; i < n; ++i) {
        double s = static_cast<double>(i) / n;
        double centre = s < 0.5 ? from + (peak - from) * (s * 2) : peak + (to - peak) * (s * 2 - 1);
        double f = 2.0 * std::sin(kTwoPi / 2 * centre / kSampleRate);
        double x = random.Range(-1.0, 1.0);
        // Chamberlin state-variable filter.
        low += f * band;
        double high = x - low - damping * band;
        band += f * high;
        double envelope = std::sin(kTwoPi / 2 * s);
        out[static_cast<std::size_t>(i)] = band * envelope * envelope;
    }
    return out;
}

void Normalise(Signal& signal, double peak) {
    double largest = 0;
    for (double v : signal) largest = std::max(largest, std::abs(v));
    if (largest <= 0) return;
    for (double& v : signal) v *= peak / largest;
}

void FadeEnds(Signal& signal, double seconds) {
    const std::size_t n = std::min(signal.size() / 2, static_cast<std::size_t>(Samples(seconds)));
    for (std::size_t i = 0; i < n; ++i) {
        double g = static_cast<double>(i) / static_cast<double>(n);
        signal[i] *= g;
        signal[signal.size() - 1 - i] *= g;
    }
}

std::vector<std::int16_t> ToPcm16(const Signal& signal) {
    constexpr double kFullScale = 32767.0;
    std::vector<std::int16_t> out;
    out.reserve(signal.size());
    for (double v : signal)
        out.push_back(
            static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * kFullScale)));
    return out;
}

} // namespace tablamor::art

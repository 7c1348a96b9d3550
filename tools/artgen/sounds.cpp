#include "tools/artgen/sounds.h"

#include "tools/artgen/synth.h"
#include "tools/artgen/wave_file.h"

#include <cmath>
#include <functional>
#include <map>
#include <string>

namespace tablamor::art {
namespace {

constexpr double kEdgeFade = 0.002;

// Musical pitches used below (Hz).
constexpr double kC5 = 523.25, kE5 = 659.26, kG5 = 783.99, kC6 = 1046.5, kD5 = 587.33;
constexpr double kE6 = 1318.5, kA6 = 1760.0, kG4 = 392.0, kC4 = 261.63, kE4 = 329.63, kB4 = 493.88;

const std::vector<Partial> kBell{{1, 1.0}, {2.76, 0.35}, {5.4, 0.12}};
const std::vector<Partial> kChime{{1, 1.0}, {2, 0.3}, {3, 0.12}};
const std::vector<Partial> kBrass{{1, 1.0}, {2, 0.55}, {3, 0.4}, {4, 0.25}, {5, 0.15}, {6, 0.08}};
const std::vector<Partial> kPad{{1, 1.0}, {2, 0.25}, {3, 0.08}};
const std::vector<Partial> kPure{{1, 1.0}};

Signal Flick(std::uint64_t seed) {
    return NoiseBurst(0.04, 1800, 7000, 0.007, seed);
}

Signal Tap() {
    Signal s = Tone(170, kPure, 0.09, 0.001, 0.022, 0.65);
    MixInto(s, NoiseBurst(0.03, 200, 1600, 0.006, 11), 0, 0.6);
    return s;
}

// `count` flicks spread over `length` seconds, fastest in the middle, as a riffled deck.
Signal Riffle(int count, double length, std::uint64_t seed) {
    Signal s;
    for (int k = 0; k < count; ++k) {
        double u = (k + 0.5) / count;
        // Spacing follows a gentle S-curve: slower at the ends.
        double t = length * (u - 0.12 * std::sin(6.283185307179586 * u));
        MixInto(s,
                NoiseBurst(0.025, 1200 + (k % 5) * 300, 6000, 0.005,
                           seed + static_cast<std::uint64_t>(k)),
                t, 0.6 + 0.4 * std::sin(3.14159265358979 * u));
    }
    s.resize(static_cast<std::size_t>(Samples(length + 0.03)), 0.0);
    return s;
}

Signal CardUp() {
    Signal s = Flick(1);
    MixInto(s, Tone(2400, kPure, 0.02, 0.0005, 0.004), 0, 0.3);
    return s;
}

Signal CardDown() {
    return Tap();
}

Signal Tableau() {
    Signal s = NoiseBurst(0.06, 600, 4000, 0.01, 21);
    MixInto(s, Tap(), 0, 0.7);
    return s;
}

Signal Foundation() {
    Signal s = Flick(31);
    MixInto(s, Tone(kE6, kChime, 0.35, 0.003, 0.11), 0.015, 0.8);
    return s;
}

Signal Autoplay() {
    Signal s = Flick(41);
    MixInto(s, Tone(kA6, kChime, 0.2, 0.003, 0.06), 0.01, 0.6);
    return s;
}

Signal Eddy() {
    Signal s = Whoosh(0.42, 400, 2200, 700, 51);
    MixInto(s, Tone(kG5, kBell, 0.3, 0.01, 0.1, 1.5), 0.12, 0.25);
    return s;
}

Signal Stock() {
    Signal s = Flick(61);
    MixInto(s, Flick(62), 0.06, 0.8);
    return s;
}

Signal Pairing() {
    Signal s = Tone(kE6, kBell, 0.3, 0.003, 0.09);
    MixInto(s, Tone(kA6, kBell, 0.3, 0.003, 0.11), 0.09);
    return s;
}

Signal FaceUp() {
    Signal s = Flick(71);
    MixInto(s, Tone(800, kPure, 0.05, 0.004, 0.02, 2.0), 0.005, 0.35);
    return s;
}

Signal Reorder() {
    return Riffle(8, 0.2, 81);
}
Signal Shuffle() {
    return Riffle(40, 1.0, 91);
}

Signal Redeal() {
    Signal s = Whoosh(0.5, 300, 1600, 400, 101);
    MixInto(s, Riffle(10, 0.4, 102), 0.05, 0.7);
    return s;
}

Signal Blips(double first, double second) {
    Signal s = Tone(first, kChime, 0.08, 0.005, 0.04);
    MixInto(s, Tone(second, kChime, 0.1, 0.005, 0.05), 0.07);
    return s;
}

Signal Won() {
    Signal s;
    const double notes[] = {kC5, kE5, kG5};
    const double step = 0.13;
    for (int k = 0; k < 3; ++k) MixInto(s, Tone(notes[k], kBrass, 0.16, 0.012, 0.12), k * step);
    const double held = 3 * step;
    MixInto(s, Tone(kC6, kBrass, 0.9, 0.015, 0.45), held);
    for (double f : {kC5, kE5, kG5}) MixInto(s, Tone(f, kPad, 0.9, 0.03, 0.45), held, 0.35);
    return s;
}

Signal New() {
    Signal s = Riffle(12, 0.3, 111);
    MixInto(s, Tone(kC6, kChime, 0.18, 0.004, 0.06), 0.3, 0.5);
    return s;
}

Signal Splash() {
    Signal s;
    for (double f : {kC4, kE4, kG4, kB4}) MixInto(s, Tone(f, kPad, 1.4, 0.3, 0.6), 0, 0.5);
    MixInto(s, Tone(kE6 / 2, kBell, 0.8, 0.005, 0.3), 0.25, 0.25);
    return s;
}

Signal About() {
    Signal s = Tone(kG5, kBell, 0.8, 0.003, 0.25);
    MixInto(s, Tone(kD5 * 2, kBell, 0.7, 0.003, 0.22), 0.16, 0.7);
    return s;
}

// A sound and how loud its loudest moment is (0..1): quick clicks and taps sit below the chimes,
// the fanfare and the start-up chord are the loudest.
struct Recipe {
    std::function<Signal()> make;
    double peak;
};

constexpr double kSoft = 0.45;
constexpr double kMedium = 0.58;
constexpr double kFull = 0.7;

const std::map<std::string, Recipe>& Recipes() {
    static const std::map<std::string, Recipe> recipes{
        {"card_up", {CardUp, kSoft}},
        {"card_down", {CardDown, kSoft}},
        {"Foundation", {Foundation, kMedium}},
        {"Autoplay", {Autoplay, kMedium}},
        {"Eddy", {Eddy, kMedium}},
        {"Tableau", {Tableau, kSoft}},
        {"Stock", {Stock, kSoft}},
        {"Pairing", {Pairing, kMedium}},
        {"Face_up", {FaceUp, kSoft}},
        {"Reorder", {Reorder, kSoft}},
        {"Shuffle", {Shuffle, kMedium}},
        {"Redeal", {Redeal, kMedium}},
        {"Undo", {[] { return Blips(kG5, kD5); }, kSoft}},
        {"Redo", {[] { return Blips(kD5, kG5); }, kSoft}},
        {"Won", {Won, kFull}},
        {"New", {New, kMedium}},
        {"Splash", {Splash, kFull}},
        {"About", {About, kMedium}},
    };
    return recipes;
}

} // namespace

QByteArray SynthesiseSound(std::string_view name) {
    std::string key(name);
    constexpr std::string_view kExt = ".wav";
    if (key.size() > kExt.size() && key.ends_with(kExt)) key.resize(key.size() - kExt.size());
    auto found = Recipes().find(key);
    Signal signal = found != Recipes().end() ? found->second.make() : Tap();
    Normalise(signal, found != Recipes().end() ? found->second.peak : kSoft);
    FadeEnds(signal, kEdgeFade);
    return EncodeWave(ToPcm16(signal), kSampleRate);
}

} // namespace tablamor::art

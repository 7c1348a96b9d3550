// The wave files: every sound name the program plays resolves to a readable 16-bit PCM file
// that is short, audible, free of clipping and starts and ends quietly; the reader refuses
// damaged files with a reason instead of failing.
#include "tools/artgen/tests/art_test_support.h"
#include "tools/artgen/wave_file.h"

#include <QFile>

#include <algorithm>
#include <cstdlib>

namespace tablamor::art::testing {
namespace {

constexpr int kFullScale = 32767;
constexpr int kQuietEdge = 1000; // |sample| at the very first and last sample
constexpr double kLongest = 2.0; // seconds

TEST(Sounds, NamesResolveToWaveFiles) {
    struct Row {
        std::string_view name;
        std::string file;
    } rows[] = {{"Tableau", "Tableau.wav"},
                {"card_up.wav", "card_up.wav"},
                {"About.WAV", "About.WAV"},
                {"Face_up", "Face_up.wav"},
                {"wav", "wav.wav"}};
    for (const Row& row : rows) EXPECT_EQ(SoundFileName(row.name), row.file) << row.name;
}

TEST(Sounds, EverySoundIsAReadableShortWave) {
    for (std::string_view name : kSoundNames) {
        SCOPED_TRACE(name);
        QFile file(RuntimePath(Q(kSoundsDir) + "/" + QString::fromStdString(SoundFileName(name))));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QString error;
        auto wave = DecodeWave(file.readAll(), &error);
        ASSERT_TRUE(wave.has_value()) << error.toStdString();
        EXPECT_EQ(wave->channels, 1);
        ASSERT_FALSE(wave->samples.empty());
        double seconds = static_cast<double>(wave->samples.size()) / wave->sampleRate;
        EXPECT_LE(seconds, kLongest);
        int peak = 0;
        for (std::int16_t s : wave->samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
        EXPECT_GT(peak, kFullScale / 4) << "too quiet";
        EXPECT_LT(peak, kFullScale) << "clipped";
        EXPECT_LT(std::abs(wave->samples.front()), kQuietEdge);
        EXPECT_LT(std::abs(wave->samples.back()), kQuietEdge);
    }
}

TEST(WaveFile, SamplesSurviveARoundTrip) {
    const std::vector<std::vector<std::int16_t>> cases{
        {}, {0}, {-32768, 32767, -1, 1}, {100, -200, 300, -400, 500}};
    for (const auto& samples : cases) {
        QString error;
        auto wave = DecodeWave(EncodeWave(samples, 22050), &error);
        ASSERT_TRUE(wave.has_value()) << error.toStdString();
        EXPECT_EQ(wave->samples, samples);
        EXPECT_EQ(wave->sampleRate, 22050);
        EXPECT_EQ(wave->channels, 1);
    }
}

TEST(WaveFile, DamagedFilesAreRefusedWithAReason) {
    const QByteArray good = EncodeWave({1, 2, 3, 4}, 22050);
    QByteArray eightBit = good;
    eightBit[34] = 8; // bits per sample
    QByteArray longData = good;
    longData[40] = 100; // data chunk claims more bytes than follow
    QByteArray noData = good.left(36);
    const struct {
        const char* what;
        QByteArray bytes;
    } rows[] = {{"empty", QByteArray()},   {"not RIFF", QByteArray("RIFX") + good.mid(4)},
                {"8-bit", eightBit},       {"overlong chunk", longData},
                {"no data chunk", noData}, {"cut in the header", good.left(20)}};
    for (const auto& row : rows) {
        QString error;
        EXPECT_FALSE(DecodeWave(row.bytes, &error).has_value()) << row.what;
        EXPECT_FALSE(error.isEmpty()) << row.what;
    }
}

} // namespace
} // namespace tablamor::art::testing

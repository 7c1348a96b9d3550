#pragma once
// The wave file format for the sounds: RIFF "WAVE" with a "fmt " chunk of 16-bit PCM and a
// "data" chunk. Writing makes mono files; reading accepts any channel count and skips chunks
// it does not know, and refuses anything that is not 16-bit PCM.
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace tablamor::art {

struct WaveData {
    int sampleRate = 0;
    int channels = 0;
    std::vector<std::int16_t> samples; // interleaved when channels > 1
};

QByteArray EncodeWave(const std::vector<std::int16_t>& samples, int sampleRate);

// The samples of a wave file; nullopt and a reason in `error` when it is not a 16-bit PCM file.
std::optional<WaveData> DecodeWave(const QByteArray& bytes, QString* error);

} // namespace tablamor::art

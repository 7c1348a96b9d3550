#include "tools/artgen/wave_file.h"

#include <cstring>

namespace tablamor::art {
namespace {

constexpr std::uint16_t kPcmFormat = 1;
constexpr std::uint16_t kBitsPerSample = 16;
constexpr int kBytesPerSample = kBitsPerSample / 8;
constexpr std::uint32_t kFmtChunkSize = 16;
constexpr int kChunkHeader = 8;
constexpr int kRiffHeader = 12;

void Put16(QByteArray& out, std::uint16_t v) {
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>(v >> 8));
}
void Put32(QByteArray& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out.append(static_cast<char>((v >> shift) & 0xFF));
}
std::uint32_t Get(const QByteArray& in, qsizetype at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<std::uint8_t>(in[at + i]);
    return v;
}

} // namespace

QByteArray EncodeWave(const std::vector<std::int16_t>& samples, int sampleRate) {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    QByteArray out;
    out.append("RIFF", 4);
    Put32(out, 4 + kChunkHeader + kFmtChunkSize + kChunkHeader + dataBytes);
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    Put32(out, kFmtChunkSize);
    Put16(out, kPcmFormat);
    Put16(out, 1); // mono
    Put32(out, static_cast<std::uint32_t>(sampleRate));
    Put32(out, static_cast<std::uint32_t>(sampleRate * kBytesPerSample));
    Put16(out, kBytesPerSample);
    Put16(out, kBitsPerSample);
    out.append("data", 4);
    Put32(out, dataBytes);
    for (std::int16_t s : samples) Put16(out, static_cast<std::uint16_t>(s));
    return out;
}

std::optional<WaveData> DecodeWave(const QByteArray& bytes, QString* error) {
    if (bytes.size() < kRiffHeader || std::memcmp(bytes.constData(), "RIFF", 4) != 0 ||
        std::memcmp(bytes.constData() + 8, "WAVE", 4) != 0) {
        *error = "not a RIFF WAVE file";
        return std::nullopt;
    }
    WaveData wave;
    bool haveFormat = false;
    qsizetype at = kRiffHeader;
    while (at + kChunkHeader <= bytes.size()) {
        QByteArray id = bytes.mid(at, 4);
        std::uint32_t size = Get(bytes, at + 4, 4);
        qsizetype body = at + kChunkHeader;
        if (size > static_cast<std::uint32_t>(bytes.size() - body)) {
            *error = "chunk \"" + QString::fromLatin1(id) + "\" runs past the end of the file";
            return std::nullopt;
        }
        if (id == "fmt ") {
            if (size < kFmtChunkSize || Get(bytes, body, 2) != kPcmFormat ||
                Get(bytes, body + 14, 2) != kBitsPerSample) {
                *error = "not 16-bit PCM";
                return std::nullopt;
            }
            wave.channels = static_cast<int>(Get(bytes, body + 2, 2));
            wave.sampleRate = static_cast<int>(Get(bytes, body + 4, 4));
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) {
                *error = "data before format";
                return std::nullopt;
            }
            for (std::uint32_t i = 0; i + 1 < size; i += kBytesPerSample)
                wave.samples.push_back(static_cast<std::int16_t>(Get(bytes, body + i, 2)));
            if (wave.channels <= 0 || wave.sampleRate <= 0) {
                *error = "no channels or no sample rate";
                return std::nullopt;
            }
            return wave;
        }
        at = body + size + (size % 2); // chunks are padded to an even length
    }
    *error = "no data chunk";
    return std::nullopt;
}

} // namespace tablamor::art

#include "ui/sound_player.h"

#include "records/paths.h"
#include "records/preferences.h"

#include <QSoundEffect>
#include <QUrl>

#include <cctype>

namespace tablamor::ui {
namespace {

constexpr std::string_view kSoundsDir = "SOUNDS\\";
constexpr std::string_view kWaveSuffix = ".wav";

bool EndsWithWave(std::string_view name) {
    if (name.size() < kWaveSuffix.size()) return false;
    std::string_view tail = name.substr(name.size() - kWaveSuffix.size());
    for (std::size_t i = 0; i < tail.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(tail[i])) != kWaveSuffix[i]) return false;
    return true;
}

} // namespace

SoundPlayer::SoundPlayer(std::filesystem::path programDir, const Settings& settings,
                         QObject* parent)
    : QObject(parent), programDir_(std::move(programDir)), settings_(settings) {}

SoundPlayer::~SoundPlayer() = default;

bool SoundPlayer::SwitchedOn(std::string_view switchKey) const {
    if (!settings_.Flag(Settings::kSoundsEnabled)) return false;
    if (switchKey.empty()) return true;
    const std::optional<SettingsField> field = PreferenceField(switchKey);
    return !field || settings_.Flag(*field);
}

QSoundEffect* SoundPlayer::Effect(std::string_view name) {
    std::string key(name);
    auto it = effects_.find(key);
    if (it != effects_.end()) return it->second;
    std::string file =
        std::string(kSoundsDir) + key + (EndsWithWave(name) ? "" : std::string(kWaveSuffix));
    std::filesystem::path path = ProgramPath(programDir_, file);
    QSoundEffect* effect = nullptr;
    if (std::filesystem::exists(path)) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(QString::fromStdString(path.string())));
    }
    effects_[key] = effect;
    return effect;
}

void SoundPlayer::Play(std::string_view name, std::string_view switchKey, bool loop) {
    if (!SwitchedOn(switchKey)) return;
    last_ = std::string(name);
    QSoundEffect* effect = Effect(name);
    if (!effect) return;
    effect->setLoopCount(loop ? QSoundEffect::Infinite : 1);
    effect->play();
    if (loop) looping_ = effect;
}

void SoundPlayer::StopLooping() {
    if (looping_) looping_->stop();
    looping_ = nullptr;
}

} // namespace tablamor::ui

#pragma once
// Plays the program's sounds by name ("Tableau", "Foundation.wav" ...) from the SOUNDS folder,
// when the master switch and the sound's own switch are on. A missing sound device or file stays
// silent. The looping redeal sound can be started and stopped.
#include "records/settings.h"

#include <QObject>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>

class QSoundEffect;

namespace tablamor::ui {

class SoundPlayer : public QObject {
public:
    SoundPlayer(std::filesystem::path programDir, const Settings& settings,
                QObject* parent = nullptr);
    ~SoundPlayer() override;

    // `switchKey`: the preference key of the sound's switch ("Sounds_Stock"); empty for the
    // master switch alone.
    void Play(std::string_view name, std::string_view switchKey, bool loop = false);
    void StopLooping();
    // The name of the last sound asked for and let through the switches (for tests).
    const std::string& LastPlayed() const { return last_; }

private:
    std::filesystem::path programDir_;
    const Settings& settings_;
    std::map<std::string, QSoundEffect*> effects_;
    QSoundEffect* looping_ = nullptr;
    std::string last_;
    QSoundEffect* Effect(std::string_view name);
    bool SwitchedOn(std::string_view switchKey) const;
};

} // namespace tablamor::ui

#pragma once
// The start-up read of the preferences: every key of section "Preference" of the configuration
// file that has a field in the settings record is read with its default into that field, in a
// fixed order, followed by the derived steps (a medium card size uses card back 6, automatic
// turning is always off, zero or empty values take their defaults, a first run gets the player
// "Player 1"). What the main window needs beyond the settings record comes back in
// StartupPreferences; applying it is the window's business.
#include "records/ini_file.h"
#include "records/settings.h"

#include <optional>
#include <string>
#include <string_view>

namespace tablamor {

struct StartupPreferences {
    bool toolBarLarge = false;
    bool toolBarFlat = true;
    bool showTime = true;
    bool showScore = true;
    int cursor = 0;
    bool autoPlay = true;
    bool fewColoursNotice = false; // the display offers 256 colours or fewer
};

// `fewColours`: the display offers 256 colours or fewer (the default face set is then 3).
StartupPreferences LoadPreferences(IniFile& config, Settings& settings, bool fewColours);

// A player name as the settings record holds it: at most kPlayerNameWidth bytes, cut before a
// character rather than inside it.
std::string FitPlayerName(std::string_view name);

// A key of section "Preference" with its default; for the keys read when they are needed.
std::string ReadPreference(const IniFile& config, std::string_view key);

// The settings record field of a key of section "Preference"; nullopt for a key without one.
std::optional<SettingsField> PreferenceField(std::string_view key);

// The default of the key whose value the settings record field holds; empty for a field
// without a key.
std::string_view FieldDefault(SettingsField field);

// The default of a key of section "Preference"; empty for a key without one.
std::string PreferenceDefault(std::string_view key);

// The start-up rewrite of values older versions wrote: "S" of "Cards_Animate" and of
// "ConfirmQuit" becomes "Y".
void UpgradeOldPreferences(IniFile& config);

} // namespace tablamor

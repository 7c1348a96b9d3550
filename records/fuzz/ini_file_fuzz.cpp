// Fuzz target: the INI reader of the configuration file, and the start-up read of the
// preferences over whatever the file holds.
#include "memory_file.h"
#include "records/advice.h"
#include "records/ini_file.h"
#include "records/preferences.h"

using namespace tablamor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::MemoryFile memory;
    IniFile config(memory.Hold(data, size));
    for (const char* section : {"Preference", "Users", "Show_Messages", "Game_Numbers", ""}) {
        config.ReadSection(section);
        for (const char* key : {"Card", "UserDefault", "Game001", "x"}) {
            config.ReadString(section, key, "d");
            config.ReadInt(section, key, -1);
        }
    }
    AdviceEnabled(config, "Msg");
    Settings settings;
    LoadPreferences(config, settings, size % 2 == 0);
    return 0;
}

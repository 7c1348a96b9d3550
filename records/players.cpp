#include "records/players.h"

#include "records/fixed_fields.h"
#include "records/preference_keys.h"

#include <algorithm>

namespace tablamor {
namespace {

using namespace pref;

std::string UserKey(int slot) {
    return std::string(kUserKeyPrefix) + FormatNumber(slot, kUserKeyDigits);
}

bool Acceptable(std::string_view name) {
    return !TrimBlanks(name).empty() && name.size() <= kMaxPlayerNameLength &&
           name.find_first_of("\r\n") == std::string_view::npos;
}

} // namespace

std::vector<std::string> PlayerNames(const IniFile& config) {
    std::vector<std::string> names;
    for (int slot = 1; slot <= kMaxUsers; ++slot) {
        std::string name = config.ReadString(kUsersSection, UserKey(slot));
        if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(std::move(name));
    }
    return names;
}

PlayerChange AddPlayer(IniFile& config, std::string_view name) {
    if (!Acceptable(name)) return PlayerChange::Empty;
    int freeSlot = 0;
    for (int slot = 1; slot <= kMaxUsers; ++slot) {
        const std::string there = config.ReadString(kUsersSection, UserKey(slot));
        if (there == name) return PlayerChange::Done;
        if (there.empty() && freeSlot == 0) freeSlot = slot;
    }
    if (freeSlot == 0) return PlayerChange::Full;
    return config.WriteString(kUsersSection, UserKey(freeSlot), name) ? PlayerChange::Done
                                                                      : PlayerChange::NotSaved;
}

PlayerChange RenamePlayer(IniFile& config, std::string_view from, std::string_view to) {
    if (!Acceptable(to)) return PlayerChange::Empty;
    int slotOfFrom = 0;
    for (int slot = 1; slot <= kMaxUsers; ++slot) {
        const std::string there = config.ReadString(kUsersSection, UserKey(slot));
        if (there == to && to != from) return PlayerChange::Taken;
        if (there == from && slotOfFrom == 0) slotOfFrom = slot;
    }
    if (slotOfFrom == 0) return PlayerChange::NotFound;
    return config.WriteString(kUsersSection, UserKey(slotOfFrom), to) ? PlayerChange::Done
                                                                      : PlayerChange::NotSaved;
}

} // namespace tablamor

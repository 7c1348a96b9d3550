#pragma once
// Advice messages: hints the player may switch off. Each has a key in section "Show_Messages" of
// the configuration file; the hint is shown while that key is not "N" (default "Y"), and ticking
// "Don't show this message box again" stores "N". Message texts may name the program as
// "[Program]".
#include "records/ini_file.h"

#include <string>
#include <string_view>

namespace tablamor {

bool AdviceEnabled(const IniFile& config, std::string_view messageKey);

// False when the file could not be written.
bool SuppressAdvice(IniFile& config, std::string_view messageKey);

// The text with its first "[Program]" replaced by the product name.
std::string ExpandProgramName(std::string_view text);

} // namespace tablamor

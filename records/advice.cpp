#include "records/advice.h"

#include "records/preference_keys.h"
#include "records/record_names.h"

namespace tablamor {
namespace {

constexpr std::string_view kProgramPlaceholder = "[Program]";

} // namespace

bool AdviceEnabled(const IniFile& config, std::string_view messageKey) {
    return config.ReadString(pref::kShowMessagesSection, messageKey, pref::kYes) != pref::kNo;
}

bool SuppressAdvice(IniFile& config, std::string_view messageKey) {
    return config.WriteString(pref::kShowMessagesSection, messageKey, pref::kNo);
}

std::string ExpandProgramName(std::string_view text) {
    std::string expanded(text);
    std::size_t at = expanded.find(kProgramPlaceholder);
    if (at != std::string::npos) expanded.replace(at, kProgramPlaceholder.size(), kProductName);
    return expanded;
}

} // namespace tablamor

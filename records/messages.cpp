#include "records/messages.h"

namespace tablamor {

MessageSink& NoMessages() {
    static SilentMessages sink;
    return sink;
}

void CollectedMessages::ShowTo(MessageSink& sink) const {
    for (std::size_t i = 0; i < texts.size(); ++i) sink.Show(kinds[i], texts[i]);
}

std::string CannotOpenText(const std::filesystem::path& file, std::string_view reason) {
    return "Cannot open file " + file.string() + ": " + std::string(reason);
}

std::string CannotReadText(const std::filesystem::path& file, std::string_view reason) {
    return "Cannot read file " + file.string() + ": " + std::string(reason);
}

} // namespace tablamor

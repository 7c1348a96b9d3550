#pragma once
// How the records layer speaks to the player. The records never open a window: every failure
// text goes to a MessageSink that the caller provides (the GUI shows a message box, the
// command-line tool prints a line, tests collect the texts). A fatal message is one after which
// the caller ends the program.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tablamor {

enum class MessageKind {
    Plain, // a message box with one OK button
    Fatal, // titled "Error" with the error icon; the caller ends the program afterwards
};

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void Show(MessageKind kind, std::string_view text) = 0;
};

// Drops every message; for callers that have nobody to tell.
class SilentMessages final : public MessageSink {
public:
    void Show(MessageKind, std::string_view) override {}
};

// Keeps every message in order; for tests and for callers that report later.
class CollectedMessages final : public MessageSink {
public:
    void Show(MessageKind kind, std::string_view text) override {
        kinds.push_back(kind);
        texts.emplace_back(text);
    }
    // Passes every message on, in order.
    void ShowTo(MessageSink& sink) const;
    std::vector<MessageKind> kinds;
    std::vector<std::string> texts;
};

// A process-wide silent sink, the default where a sink is optional.
MessageSink& NoMessages();

// "Cannot open file " + the file + ": " + the reason (the system's words).
std::string CannotOpenText(const std::filesystem::path& file, std::string_view reason);
// "Cannot read file " + the file + ": " + the reason.
std::string CannotReadText(const std::filesystem::path& file, std::string_view reason);

} // namespace tablamor

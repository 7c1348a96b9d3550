#pragma once
// From launch to the main window: the settings record, the resource library, the preferences,
// the checks of the files the program cannot run without (each ends the program after its
// message), the version marker and the removal of files older versions left behind.
#include "engine/game_file.h"
#include "records/messages.h"
#include "records/settings.h"
#include "table/image_files.h"
#include "table/image_set.h"

#include <QWidget>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tablamor::ui {

// Message boxes for the records' and the start-up's messages; a fatal one is titled "Error".
class MessageBoxes final : public MessageSink {
public:
    explicit MessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    void Show(MessageKind kind, std::string_view text) override;

private:
    QWidget* parent_;
};

// Everything start-up prepares that lives as long as the program.
struct Startup {
    std::filesystem::path programDir; // the game files
    std::filesystem::path dataDir;    // the configuration and record files
    bool portable = false;            // the data directory lies in the program directory
    std::string dataProblem;          // why no records can be kept; empty when they can
    Settings settings;
    std::unique_ptr<table::ResourceLibrary> resources;
    std::optional<GameFile> games;
    table::ImageSet images;
    bool autoPlay = true;
    bool fewColours = false; // the display shows 256 colours or fewer (face set 3 by default)

    // Where a failed read of the configuration file is told: nowhere once the player has been
    // told that the data directory cannot be used, so that the one problem is told once.
    MessageSink& ConfigMessages(MessageSink& messages) const {
        return dataProblem.empty() ? messages : NoMessages();
    }
};

// Runs the start-up checks; false after a fatal message. The version marker is written and the
// files of older versions removed only in a portable program directory (an installed one
// belongs to the package manager). `resourcesLoaded` runs as soon as the
// resource library is registered (the splash window takes its pictures from there).
bool RunStartup(Startup& startup, MessageSink& messages,
                const std::function<void()>& resourcesLoaded = {});

// "SOLV0340.DAT" with "Kartavia version: 03.40"; the markers and files of older versions go.
void WriteVersionMarker(const std::filesystem::path& programDir);
void RemoveOldVersionFiles(const std::filesystem::path& programDir);

} // namespace tablamor::ui

#pragma once

#include "app/SettingsFile.h"
#include "app/StartupSequence.h"
#include "platform/Clock.h"
#include "platform/DirectorySearch.h"
#include "platform/HostPath.h"
#include "platform/Registry.h"
#include "platform/TimeZone.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include <QString>

class QDialog;
class QWidget;

namespace quillby::gui {

// Everything outside the program that the windows reach for, passed in so that tests give their
// own: the clock, the time zone, the folders, the registry, the file dialog, the message box
// that reports errors, modal dialogs, the splash window and the pauses of the start-up.
struct GuiServices {
    const Clock* clock = nullptr;
    TimeZoneValues timeZone;
    std::filesystem::path workingFolder = ".";
    const Registry* registry = nullptr;
    const DirectorySearch* search = nullptr; // the simulator's folders, as Windows lists them
    HostPath hostPaths{std::filesystem::path()};
    SettingsFile settings{"tavro.ini"};

    // The file the user picks with the file-open dialog, given a filter "description|pattern";
    // nothing when the user cancels.
    std::function<std::optional<std::filesystem::path>(QWidget* parent, std::string_view filter)>
        chooseFile;
    // Shows an error's message in a message box titled "Quillby".
    std::function<void(QWidget* parent, const QString& message)> reportError;
    // Shows a dialog and returns when it is closed.
    std::function<void(QDialog& dialog)> showModal;
    // Makes the splash window of the start-up.
    std::function<std::unique_ptr<StartupSplash>()> makeSplash;
    Pauser* pauser = nullptr;
};

} // namespace quillby::gui

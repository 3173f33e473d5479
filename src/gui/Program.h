#pragma once

#include "gui/GuiServices.h"

#include <memory>

namespace quillby::gui {

// The real outside world of the program: the system clock and time zone, the working folder,
// the Wine prefix's registry and folders, the user's settings file, Qt's file dialog and
// message boxes, the splash window and real pauses.
class RealServices {
public:
    RealServices();
    ~RealServices();
    GuiServices services() const;

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
};

// The program: makes the main window (which runs the start-up) and then the options dialog,
// shows the window and runs the message loop until it closes. Its arguments are ignored; it
// returns 0 in every case, after showing any error that escaped.
int runProgram(int argc, char** argv);

} // namespace quillby::gui

#pragma once

#include <exception>
#include <functional>

#include <QString>

class QWidget;

namespace quillby::gui {

// Runs an event handler so that no error crosses Qt's event loop: an error's message is shown
// by `report` (the message box titled "Quillby") and the program goes on, with the steps of the
// handler before the error done and those after it not.
template <typename Handler>
void runGuarded(QWidget* parent, const std::function<void(QWidget*, const QString&)>& report,
                Handler&& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        report(parent, QString::fromUtf8(e.what()));
    } catch (...) {
        report(parent, QString());
    }
}

} // namespace quillby::gui

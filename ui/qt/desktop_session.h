// Start-up on a machine that may have no desktop session to open a window in.
#pragma once

#include <QApplication>
#include <memory>

namespace lotwheel::qt {

// Makes the application object, with no command-line arguments for Qt to
// read (the program has no command line). Without a desktop session, Qt
// could only abort with a message about its platform plugin; instead this
// writes one line on stderr saying why no window can be opened and ends the
// process with status 1. That happens when the environment names no display
// (DISPLAY, WAYLAND_DISPLAY) and asks for no Qt platform by name
// (QT_QPA_PLATFORM), and when the display named does not answer.
std::unique_ptr<QApplication> OpenDesktopSession(char* program_path);

}  // namespace lotwheel::qt

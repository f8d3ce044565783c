// Start-up on a machine that may have no desktop session to open a window in.
#include "ui/qt/desktop_session.h"

#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

namespace lotwheel::qt {
namespace {

// The value of an environment variable, empty when it is unset.
std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

// " NAME=value" for each of the variables that choose where the window
// opens and are set, or "" when none is.
std::string DisplaySettings() {
  std::string text;
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const std::string value = Env(name);
    if (!value.empty()) text.append(" ").append(name).append("=").append(value);
  }
  return text;
}

[[noreturn]] void ExitWithLine(const std::string& line) {
  std::fprintf(stderr, "lotwheel: %s\n", line.c_str());
  std::fflush(stderr);
  // Nothing has been built that needs tearing down; Qt's half-made
  // platform state must not run its destructors.
  std::_Exit(1);
}

// A message Qt sent while the application object was being made, kept with
// copies of its context's texts so that it can be passed on afterwards.
struct HeldMessage {
  QtMsgType type;
  std::string file;
  std::string function;
  std::string category;
  int line;
  QString text;
};

std::mutex held_mutex;
std::vector<HeldMessage> held_messages;
QtMessageHandler previous_handler = nullptr;

// Gives the messages held back to the handler that was in place before.
void PassOnHeldMessages() {
  qInstallMessageHandler(previous_handler);
  const std::lock_guard<std::mutex> lock(held_mutex);
  for (const HeldMessage& message : held_messages) {
    const QMessageLogContext context(
        message.file.empty() ? nullptr : message.file.c_str(), message.line,
        message.function.empty() ? nullptr : message.function.c_str(),
        message.category.empty() ? nullptr : message.category.c_str());
    previous_handler(message.type, context, message.text);
  }
  held_messages.clear();
}

// Holds Qt's messages back while the platform starts. A fatal one is what Qt
// sends, just before it aborts, when no platform plugin could start: most
// often the display named does not answer. Qt's own lines about it are then
// dropped for one of ours, unless QT_DEBUG_PLUGINS asks for Qt's details.
void HoldMessage(QtMsgType type, const QMessageLogContext& context,
                 const QString& text) {
  if (type == QtFatalMsg) {
    if (!Env("QT_DEBUG_PLUGINS").empty()) PassOnHeldMessages();
    ExitWithLine(
        "cannot open a window: the desktop session does not answer, or Qt "
        "has no platform plugin for it (" +
        DisplaySettings().substr(1) + ")");
  }
  const std::lock_guard<std::mutex> lock(held_mutex);
  held_messages.push_back({type, context.file ? context.file : "",
                           context.function ? context.function : "",
                           context.category ? context.category : "",
                           context.line, text});
}

}  // namespace

std::unique_ptr<QApplication> OpenDesktopSession(char* program_path) {
  if (DisplaySettings().empty()) {
    ExitWithLine(
        "no desktop session to open a window in: neither DISPLAY nor "
        "WAYLAND_DISPLAY is set");
  }
  // Qt keeps both for the life of the application object.
  static char fallback_name[] = "lotwheel";
  static int argc = 1;
  static char* argv[] = {program_path ? program_path : fallback_name, nullptr};
  previous_handler = qInstallMessageHandler(HoldMessage);
  auto app = std::make_unique<QApplication>(argc, argv);
  PassOnHeldMessages();
  return app;
}

}  // namespace lotwheel::qt

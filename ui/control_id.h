// The controls of each window, by their names in the windows' design, and
// an id that stands for a control of either window.
#pragma once

#include <optional>
#include <type_traits>

namespace lotwheel::ui {

// The main window's controls.
enum class MainControl {
  lblMoto,
  lstMoto,
  lblAto,
  lstAto,
  fraAdd,
  txtAdd,
  cmdAdd,
  cmdBuild,
  cmdClear,
  cmdCopy,
  lblTousen,
  txtHowWho,
  cmdVerInfo,
};

// The version window's controls.
enum class VerInfoControl {
  Image1,
  Label1,
  lblVerinfo,
  Text1,
  Image2,
  Image3,
  cmdOK,
};

// A control of either window, as the code that builds any window from its
// table handles it. A window's own code, its presenter and its view name
// their controls by that window's enum alone, so that a control of the
// other window cannot be handed to them.
class ControlId {
 public:
  constexpr ControlId(MainControl id)
      : window_(Window::kMain), index_(static_cast<int>(id)) {}
  constexpr ControlId(VerInfoControl id)
      : window_(Window::kVerInfo), index_(static_cast<int>(id)) {}

  // The control as one of the window whose enum `Id` is, if it is one.
  template <typename Id>
  constexpr std::optional<Id> As() const {
    static_assert(std::is_same_v<Id, MainControl> ||
                  std::is_same_v<Id, VerInfoControl>);
    const Window window =
        std::is_same_v<Id, MainControl> ? Window::kMain : Window::kVerInfo;
    if (window != window_) return std::nullopt;
    return static_cast<Id>(index_);
  }
  // Its place in its window's enum, for messages.
  constexpr int index() const { return index_; }

  friend constexpr bool operator==(ControlId, ControlId) = default;

 private:
  enum class Window { kMain, kVerInfo };
  Window window_;
  int index_;
};

}  // namespace lotwheel::ui

// The windows' keyboard as a user meets it, written out once for the window
// tests of every frontend: the tab order and what each access key does.
#pragma once

#include <optional>

#include "ui/control_table.h"

namespace lotwheel::ui {

// Tab goes through these, then back to the first; Shift+Tab the other way.
inline constexpr ControlId kMainTabOrder[] = {
    ControlId::lstMoto, ControlId::lstAto,    ControlId::txtAdd,
    ControlId::cmdAdd,  ControlId::cmdBuild,  ControlId::cmdClear,
    ControlId::cmdCopy, ControlId::txtHowWho, ControlId::cmdVerInfo};
inline constexpr ControlId kVerInfoTabOrder[] = {ControlId::Text1,
                                                 ControlId::cmdOK};

struct AccessKey {
  char letter;  // with Alt
  // The button it presses, or the control it moves the focus to; none for
  // a letter that only looks like an access key.
  std::optional<ControlId> control;
  bool presses;
};

inline constexpr AccessKey kMainAccessKeys[] = {
    {'I', ControlId::lstMoto, false},
    {'T', ControlId::txtHowWho, false},
    {'A', ControlId::cmdAdd, true},
    {'S', ControlId::cmdBuild, true},
    {'C', ControlId::cmdClear, true},
    {'P', ControlId::cmdCopy, true},
    {'V', ControlId::cmdVerInfo, true},
    // "出力(O)：" shows its letter as plain text only.
    {'O', std::nullopt, false},
};
inline constexpr AccessKey kVerInfoAccessKeys[] = {
    {'O', ControlId::cmdOK, true}};

}  // namespace lotwheel::ui

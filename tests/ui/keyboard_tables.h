// The windows' access keys as a user meets them, written out once for the
// window tests of every frontend: what each key does. A new access key is
// one new row here; a key without a row fails the table test by its name.
// The tab order is the control table's own and is checked against it.
#pragma once

#include <optional>

#include "ui/control_table.h"

namespace lotwheel::ui {

enum class KeyEffect {
  kPress,    // presses its button
  kFocus,    // moves the focus to the next control that takes it
  kNothing,  // a letter that only looks like an access key
};

struct AccessKey {
  char letter;  // with Alt
  KeyEffect effect;
  // The button pressed or the control given the focus.
  std::optional<ControlId> control{};
};

inline constexpr AccessKey kMainAccessKeys[] = {
    {'I', KeyEffect::kFocus, ControlId::lstMoto},
    {'T', KeyEffect::kFocus, ControlId::txtHowWho},
    {'A', KeyEffect::kPress, ControlId::cmdAdd},
    {'S', KeyEffect::kPress, ControlId::cmdBuild},
    {'C', KeyEffect::kPress, ControlId::cmdClear},
    {'P', KeyEffect::kPress, ControlId::cmdCopy},
    {'V', KeyEffect::kPress, ControlId::cmdVerInfo},
    // "出力(O)：" shows its letter as plain text only.
    {'O', KeyEffect::kNothing},
};
inline constexpr AccessKey kVerInfoAccessKeys[] = {
    {'O', KeyEffect::kPress, ControlId::cmdOK}};

}  // namespace lotwheel::ui

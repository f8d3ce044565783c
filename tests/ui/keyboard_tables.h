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
    {'I', KeyEffect::kFocus, MainControl::lstMoto},
    {'T', KeyEffect::kFocus, MainControl::txtHowWho},
    {'A', KeyEffect::kPress, MainControl::cmdAdd},
    {'S', KeyEffect::kPress, MainControl::cmdBuild},
    {'C', KeyEffect::kPress, MainControl::cmdClear},
    {'P', KeyEffect::kPress, MainControl::cmdCopy},
    {'V', KeyEffect::kPress, MainControl::cmdVerInfo},
    // "出力(O)：" shows its letter as plain text only.
    {'O', KeyEffect::kNothing},
};
inline constexpr AccessKey kVerInfoAccessKeys[] = {
    {'O', KeyEffect::kPress, VerInfoControl::cmdOK}};

}  // namespace lotwheel::ui

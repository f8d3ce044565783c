// A window's controls made from its shared table: created in tab order, so
// that the dialog manager's Tab, Shift+Tab and access keys follow it, with
// the styles, pictures and default button the table asks for, and placed
// with their fonts at any DPI.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "ui/control_table.h"
#include "ui/win32/owned_handles.h"

namespace lotwheel::win32 {

class ControlSet final {
 public:
  // The control of the table's n-th row gets the id kFirstControlId + n,
  // clear of IDOK and IDCANCEL, which the dialog manager sends on its own.
  static constexpr int kFirstControlId = 100;
  static int CommandId(const ui::ControlTable& table, ui::ControlId id);

  // Creates every control of `table` as a child of `parent`; placed and
  // given fonts by Layout().
  ControlSet(HWND parent, const ui::ControlTable& table);
  ControlSet(const ControlSet&) = delete;
  ControlSet& operator=(const ControlSet&) = delete;

  const ui::ControlTable& table() const { return table_; }
  HWND Handle(ui::ControlId id) const;
  // The control behind a command id or a window handle, if it is one of
  // the set's.
  std::optional<ui::ControlId> FromCommand(int command) const;
  std::optional<ui::ControlId> Find(HWND control) const;
  // The button that Enter and Esc press wherever the focus is, if any.
  std::optional<ui::ControlId> DefaultButton() const;
  // The client area's size in pixels at `dpi`.
  SIZE ClientSize(UINT dpi) const;
  // Places every control at `dpi` and gives it its font at that DPI.
  void Layout(UINT dpi);

 private:
  HWND Create(const ui::ControlInfo& info, int id);
  void ShowArt(HWND picture, const ui::ControlInfo& info);
  RECT PixelRect(const ui::ControlInfo& info, UINT dpi) const;
  void AddTooltip(HWND control, std::u16string_view text);

  HWND parent_;
  const ui::ControlTable& table_;
  std::vector<HWND> handles_;  // by row of the table
  HWND tooltip_ = nullptr;
  // The faces in use, by ui::ControlFont; kept until the next Layout().
  std::array<FontHandle, 3> fonts_;
  // What the pictures show, let go of after the controls are gone.
  std::vector<IconHandle> icons_;
  std::vector<BitmapHandle> bitmaps_;
};

// Makes the one column of a list view as wide as the list's client area,
// which changes when its scroll bar comes and goes.
void FitListColumn(HWND list);

}  // namespace lotwheel::win32

// A window's controls made from its shared table: created in tab order, so
// that the dialog manager's Tab, Shift+Tab and access keys follow it, and
// placed with their fonts at any DPI.
#pragma once

#include <windows.h>

#include <array>
#include <string_view>
#include <vector>

#include "ui/win32/fonts.h"
#include "ui/window_layout.h"

namespace lotwheel::win32 {

class ControlSet final {
 public:
  // The control of the table's n-th row gets the id kFirstControlId + n,
  // clear of IDOK and IDCANCEL, which the dialog manager sends on its own.
  static constexpr int kFirstControlId = 100;

  // Creates every control of `layout` as a child of `parent`; placed and
  // given fonts by Layout().
  ControlSet(HWND parent, const ui::WindowLayout& layout);
  ControlSet(const ControlSet&) = delete;
  ControlSet& operator=(const ControlSet&) = delete;

  // The control of that name; aborts on a name not in the table.
  HWND Handle(std::string_view name) const;
  int Id(std::string_view name) const;
  // The client area's size in pixels at `dpi`.
  SIZE ClientSize(UINT dpi) const;
  // Places every control at `dpi` and gives it its font at that DPI.
  void Layout(UINT dpi);

 private:
  HWND Create(const ui::ControlInfo& info, int id);
  RECT PixelRect(const ui::ControlInfo& info, UINT dpi) const;
  void AddTooltip(HWND control, std::u16string_view text);

  HWND parent_;
  const ui::WindowLayout& layout_;
  std::vector<HWND> handles_;  // by row of the table
  HWND tooltip_ = nullptr;
  // The faces in use, by ui::ControlFont; kept until the next Layout().
  std::array<FontHandle, 3> fonts_;
};

// Makes the one column of a list view as wide as the list's client area,
// which changes when its scroll bar comes and goes.
void FitListColumn(HWND list);

}  // namespace lotwheel::win32

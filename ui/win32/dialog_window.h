// What both Windows windows are made of: a top-level window that the dialog
// manager drives, built from its control table, fitted to its DPI, with COM
// for screen readers, and every press of a control handed on by its id.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "ui/control_table.h"
#include "ui/win32/com_apartment.h"
#include "ui/win32/control_set.h"
#include "ui/win32/owned_handles.h"

namespace lotwheel::win32 {

class DialogWindow {
 public:
  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;

  // Null once the window is destroyed.
  HWND hwnd() const { return hwnd_; }
  HWND Control(ui::ControlId id) const { return controls_->Handle(id); }

 protected:
  // The window around the client area.
  struct Frame {
    const wchar_t* class_name = nullptr;
    DWORD style = 0;
    DWORD ex_style = 0;
    bool icon = false;  // the program's icon in the title bar
  };

  explicit DialogWindow(const ui::ControlTable& table);
  // A derived window destroys its window in its own destructor, while the
  // messages are still its own; what is left here is let go of quietly.
  virtual ~DialogWindow();

  // Makes the window, hidden, with its top-left corner at `place` and its
  // controls laid out at its DPI; aborts if it cannot.
  void Create(const Frame& frame, HWND owner, POINT place);
  void Destroy();
  // Moves the focus the way the dialog manager does, which selects the
  // whole text of a box.
  void MoveFocus(ui::ControlId control);
  std::optional<ui::ControlId> FocusedControl() const;
  const ControlSet& controls() const { return *controls_; }

  // A control was clicked or pressed by key; Enter and Esc press the
  // table's default button.
  virtual void OnPress(ui::ControlId control) = 0;
  // The messages the window answers itself, once its controls are made;
  // true when answered, in `result`.
  virtual bool OnMessage(UINT message, WPARAM wparam, LPARAM lparam,
                         LRESULT& result) = 0;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wparam,
                               LPARAM lparam);
  bool Answer(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);
  void OnCommand(int command, int code);
  // Sizes the window and lays out its controls and fonts at `dpi`; at the
  // suggested place when the DPI changed.
  void ApplyDpi(UINT dpi, const RECT* suggested);
  void SetIcons(UINT dpi);
  // The hand over a control that opens a page.
  bool SetPointer(HWND under);

  ComApartment com_;  // first made and last let go of
  const ui::ControlTable& table_;
  Frame frame_;
  HWND hwnd_ = nullptr;
  std::unique_ptr<ControlSet> controls_;
  SIZE outer_size_{};  // the window's fixed size at its DPI
  IconHandle big_icon_;
  IconHandle small_icon_;
};

}  // namespace lotwheel::win32

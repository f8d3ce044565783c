// The main window: the two lists, the entry box and the five buttons.
#pragma once

#include <windows.h>

// After windows.h, which it builds on.
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string_view>

#include "engine/clipboard.h"
#include "engine/draw_session.h"
#include "ui/win32/control_set.h"
#include "ui/win32/dialog_window_proc.h"

class frmLotwheel final {
 public:
  // Shows one message over the window and returns when it is answered.
  using MessageBoxFunction =
      std::function<void(HWND owner, std::u16string_view text)>;

  // Creates the window, hidden; the process ends when it is closed.
  frmLotwheel();
  ~frmLotwheel();
  frmLotwheel(const frmLotwheel&) = delete;
  frmLotwheel& operator=(const frmLotwheel&) = delete;

  // Shows the window with the focus on the first list.
  void Show(int show_command);
  HWND hwnd() const { return hwnd_; }
  // The control of that name in the window's table.
  HWND Control(std::string_view name) const;

  // The clipboard that the copy button fills; the system's by default.
  void UseClipboard(std::unique_ptr<lotwheel::Clipboard> clipboard);
  // How messages are shown; a modal MessageBoxW by default.
  void UseMessageBox(MessageBoxFunction show);

 private:
  friend LRESULT CALLBACK lotwheel::win32::DialogWindowProc<frmLotwheel>(
      HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK EntryBoxProc(HWND hwnd, UINT message, WPARAM wparam,
                                       LPARAM lparam, UINT_PTR id,
                                       DWORD_PTR data);
  // True when the message was answered, in `result`.
  bool OnMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);
  void OnCreate();
  // Sizes the window and lays out its controls and fonts at `dpi`; at the
  // suggested place when the DPI changed.
  void ApplyDpi(UINT dpi, const RECT* suggested);
  void SetIcons(UINT dpi);
  void OnCommand(int id);
  void AnswerRowText(NMLVDISPINFOW& request) const;

  void OnAddClicked();
  void OnClearClicked();
  void OnBuildClicked();
  void OnCopyClicked();

  // Runs one operation. Running out of memory leaves both lists as they
  // were, so it is reported and the program goes on.
  void Run(const std::function<void()>& operation);
  // Shows the one kind of message box this window has; empty shows none.
  void ShowMessage(std::u16string_view text);

  HWND hwnd_ = nullptr;
  lotwheel::DrawSession session_;
  std::unique_ptr<lotwheel::Clipboard> clipboard_;
  MessageBoxFunction show_message_;
  std::unique_ptr<lotwheel::win32::ControlSet> controls_;
  SIZE outer_size_{};  // the window's fixed size at its DPI
  HICON big_icon_ = nullptr;
  HICON small_icon_ = nullptr;
  bool com_;  // COM was set up for the window, and is let go with it

  HWND lstMoto = nullptr;
  HWND lstAto = nullptr;
  HWND txtAdd = nullptr;
  HWND txtHowWho = nullptr;
};

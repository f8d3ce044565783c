// The version window: opened modally over its owner by the version button.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "ui/win32/control_set.h"
#include "ui/win32/dialog_window_proc.h"

// Shows the version window over `owner` and returns when it is closed; the
// owner takes no input meanwhile.
void ShowVerInfo(HWND owner);

class frmVerInfo final {
 public:
  // The window class, by which the open window can be found.
  static constexpr wchar_t kClassName[] = L"frmVerInfo";

  // Builds the window afresh, hidden, owned by `owner`.
  explicit frmVerInfo(HWND owner);
  // Closes the window if it is still open.
  ~frmVerInfo();
  frmVerInfo(const frmVerInfo&) = delete;
  frmVerInfo& operator=(const frmVerInfo&) = delete;

  // Disables the owner, shows the window and runs its messages until it is
  // closed.
  void ShowModal();

 private:
  friend LRESULT CALLBACK lotwheel::win32::DialogWindowProc<frmVerInfo>(HWND,
                                                                        UINT,
                                                                        WPARAM,
                                                                        LPARAM);
  // True when the message was answered, in `result`.
  bool OnMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);
  void OnCreate();
  void LoadPictures();
  // Sizes the window and lays out its controls and fonts at `dpi`, at the
  // suggested place when the DPI changed.
  void ApplyDpi(UINT dpi, const RECT* suggested);
  // Each picture at its own size, in the middle of its place in the table.
  void PlacePictures();
  void PlaceOverOwner();
  void OnCommand(int id, int code, HWND control);
  // The hand over a picture that opens a page.
  bool SetPointer(HWND under);
  // The owner first, so that it gets the focus back, then the window.
  void Close();

  HWND owner_;
  bool com_;  // COM was set up for the window, and is let go with it
  HWND hwnd_ = nullptr;
  std::unique_ptr<lotwheel::win32::ControlSet> controls_;
  // What the pictures show, by row of the table; freed after the window.
  std::vector<HANDLE> images_;
  HCURSOR hand_ = nullptr;
};

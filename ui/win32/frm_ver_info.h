// The version window: opened modally over its owner by the version button.
// It shows what its presenter decides and hands it every press.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "ui/ver_info_presenter.h"
#include "ui/ver_info_view.h"
#include "ui/win32/dialog_window.h"

namespace lotwheel::win32 {

class frmVerInfo final : public DialogWindow, public ui::VerInfoView {
 public:
  // The window class, by which the open window can be found.
  static constexpr wchar_t kClassName[] = L"frmVerInfo";

  // Builds the window afresh, shows it modally over `owner` (disabled
  // meanwhile) and returns once it is closed and destroyed.
  static void ShowModal(HWND owner);

  // Closes the window if it is still open.
  ~frmVerInfo() override;

 private:
  // Builds the window, hidden, owned by `owner`.
  explicit frmVerInfo(HWND owner);
  // Runs the window's messages until it is closed.
  void RunModal();

  // The view the presenter drives.
  void SetText(ui::VerInfoControl control, std::u16string_view text) override;
  void SetDescription(std::u16string_view text) override;
  void SetFocus(ui::VerInfoControl control) override;
  void OpenAddress(const std::string& address) override;
  // The owner first, so that it gets the focus back, then the window.
  void Close() override;

  void OnPress(ui::ControlId control) override;
  bool OnMessage(UINT message, WPARAM wparam, LPARAM lparam,
                 LRESULT& result) override;
  void PlaceOverOwner();

  HWND owner_;
  ui::VerInfoPresenter presenter_;
};

}  // namespace lotwheel::win32

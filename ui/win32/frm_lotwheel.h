// The main window: the two lists, the entry box and the five buttons. It
// shows what its presenter decides and hands it every press.
#pragma once

#include <windows.h>

// After windows.h, which it builds on.
#include <commctrl.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "ui/main_presenter.h"
#include "ui/main_view.h"
#include "ui/win32/dialog_window.h"
#include "ui/win32/win32_clipboard.h"

namespace lotwheel::win32 {

class frmLotwheel final : public DialogWindow, public ui::MainView {
 public:
  // Shows one message over the window and returns when it is answered.
  using MessageBoxFunction =
      std::function<void(HWND owner, std::u16string_view text)>;

  // Creates the window, hidden; the process ends when it is closed.
  frmLotwheel();
  ~frmLotwheel() override;

  // Shows the window; the focus goes where the presenter says.
  void Show(int show_command);
  // How messages are shown; a modal MessageBoxW by default.
  void UseMessageBox(MessageBoxFunction show);

 private:
  // The view the presenter drives.
  std::u16string Text(ui::MainControl box) const override;
  void SetText(ui::MainControl box, std::u16string_view text) override;
  void FinishInput() override;
  void ShowRows(ui::MainControl list, int count, ui::RowChange change) override;
  void ScrollToRow(ui::MainControl list, int row) override;
  std::optional<ui::MainControl> Focus() const override;
  void SetFocus(ui::MainControl control) override;
  void ShowMessage(std::u16string_view text) override;
  void Announce(std::u16string_view text) override;
  void OpenVersionWindow() override;

  void OnPress(ui::ControlId control) override;
  bool OnMessage(UINT message, WPARAM wparam, LPARAM lparam,
                 LRESULT& result) override;
  void AnswerRowText(NMLVDISPINFOW& request) const;

  MessageBoxFunction show_message_;
  // The one the copy button fills; it opens the clipboard as this window.
  Win32Clipboard clipboard_{nullptr};
  ui::MainPresenter presenter_;
};

}  // namespace lotwheel::win32

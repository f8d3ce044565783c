// The main window: the two lists, the entry box and the five buttons.
#include "ui/win32/frm_lotwheel.h"

#include <utility>

#include "ui/texts.h"
#include "ui/win32/composition.h"
#include "ui/win32/entry_rows.h"
#include "ui/win32/frm_ver_info.h"
#include "ui/win32/uia_notifier.h"
#include "ui/win32/wide_text.h"

namespace lotwheel::win32 {
namespace {

void ShowMessageBox(HWND owner, std::u16string_view text) {
  MessageBoxW(owner, ToWide(text).c_str(), ToWide(ui::kMessageTitle).c_str(),
              MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

frmLotwheel::frmLotwheel()
    : DialogWindow(ui::MainWindowTable()),
      show_message_(&ShowMessageBox),
      presenter_(*this, clipboard_) {
  // A fixed border and a close box, no minimize or maximize box.
  Create({.class_name = L"frmLotwheel",
          .style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
          .icon = true},
         nullptr, {CW_USEDEFAULT, CW_USEDEFAULT});
  // The window owns the clipboard while the copy button fills it; its
  // handle is there only now.
  clipboard_ = Win32Clipboard(hwnd());
}

frmLotwheel::~frmLotwheel() { Destroy(); }

void frmLotwheel::Show(int show_command) {
  ShowWindow(hwnd(), show_command);
  UpdateWindow(hwnd());
  presenter_.Start();
}

void frmLotwheel::UseMessageBox(MessageBoxFunction show) {
  show_message_ = std::move(show);
}

std::u16string frmLotwheel::Text(ui::MainControl box) const {
  return WindowText(Control(box));
}

void frmLotwheel::SetText(ui::MainControl box, std::u16string_view text) {
  SetWindowTextW(Control(box), ToWide(text).c_str());
}

void frmLotwheel::FinishInput() {
  // Only the box with the focus can be composing; the others' input method
  // contexts hold nothing to finish.
  for (const ui::MainControl box :
       {ui::MainControl::txtAdd, ui::MainControl::txtHowWho})
    FinishComposition(Control(box));
}

void frmLotwheel::ShowRows(ui::MainControl list, int count,
                           ui::RowChange change) {
  ShowListRows(Control(list), count, change);
}

void frmLotwheel::ScrollToRow(ui::MainControl list, int row) {
  ScrollListToRow(Control(list), row);
}

std::optional<ui::MainControl> frmLotwheel::Focus() const {
  const std::optional<ui::ControlId> id = FocusedControl();
  return id ? id->As<ui::MainControl>() : std::nullopt;
}

void frmLotwheel::SetFocus(ui::MainControl control) { MoveFocus(control); }

void frmLotwheel::ShowMessage(std::u16string_view text) {
  show_message_(hwnd(), text);
}

void frmLotwheel::Announce(std::u16string_view text) {
  // A UI Automation notification: spoken at once, wherever the focus is.
  win32::Announce(hwnd(), text);
}

void frmLotwheel::OpenVersionWindow() { frmVerInfo::ShowModal(hwnd()); }

void frmLotwheel::OnPress(ui::ControlId control) {
  presenter_.Press(*control.As<ui::MainControl>());
}

bool frmLotwheel::OnMessage(UINT message, WPARAM /*wparam*/, LPARAM lparam,
                            LRESULT& /*result*/) {
  switch (message) {
    case WM_NOTIFY:
      if (reinterpret_cast<NMHDR*>(lparam)->code != LVN_GETDISPINFOW)
        return false;
      AnswerRowText(*reinterpret_cast<NMLVDISPINFOW*>(lparam));
      return true;
    case WM_CLOSE:
      // Disabled, the window is waiting for the version window or a message
      // box, and stays: a close request sent from outside (Task Manager's
      // End task, taskkill) is refused as the close box is.
      if (IsWindowEnabled(hwnd())) Destroy();
      return true;
    case WM_DESTROY:
      // Closing the window ends the program.
      PostQuitMessage(0);
      return false;
    default:
      return false;
  }
}

void frmLotwheel::AnswerRowText(NMLVDISPINFOW& request) const {
  LVITEMW& item = request.item;
  const std::optional<ui::ControlId> control =
      controls().Find(request.hdr.hwndFrom);
  const auto list = control ? control->As<ui::MainControl>() : std::nullopt;
  if ((item.mask & LVIF_TEXT) == 0 || !list) return;
  WriteRowText(presenter_.RowText(*list, item.iItem), item.pszText,
               item.cchTextMax);
}

}  // namespace lotwheel::win32

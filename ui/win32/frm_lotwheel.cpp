// The main window: the two lists, the entry box and the five buttons.
#include "ui/win32/frm_lotwheel.h"

#include <commctrl.h>
#include <objbase.h>

#include <cstdlib>
#include <string>
#include <utility>

#include "ui/messages.h"
#include "ui/out_of_memory.h"
#include "ui/row_text.h"
#include "ui/texts.h"
#include "ui/win32/entry_rows.h"
#include "ui/win32/frm_ver_info.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/wide_text.h"
#include "ui/win32/win32_clipboard.h"
#include "ui/window_layout.h"

using lotwheel::win32::RowChange;
using lotwheel::win32::ToWide;

namespace {

constexpr wchar_t kClassName[] = L"frmLotwheel";
// A fixed border and a close box, no minimize or maximize box.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

HICON LoadAppIcon(int width, int height) {
  return static_cast<HICON>(
      LoadImageW(Instance(), lotwheel::win32::kAppIconName, IMAGE_ICON, width,
                 height, LR_DEFAULTCOLOR));
}

void ShowMessageBox(HWND owner, std::u16string_view text) {
  MessageBoxW(owner, ToWide(text).c_str(),
              ToWide(lotwheel::ui::kMessageTitle).c_str(),
              MB_OK | MB_ICONEXCLAMATION);
}

std::wstring WindowText(HWND control) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)), L'\0');
  const int copied =
      GetWindowTextW(control, text.data(), static_cast<int>(text.size()) + 1);
  text.resize(static_cast<size_t>(copied));
  return text;
}

}  // namespace

frmLotwheel::frmLotwheel()
    : show_message_(&ShowMessageBox),
      // Screen readers get the controls' spoken names through COM.
      com_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC =
      ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES;
  InitCommonControlsEx(&controls);
  lotwheel::win32::RegisterDialogClass<frmLotwheel>(
      kClassName, static_cast<HICON>(LoadImageW(
                      Instance(), lotwheel::win32::kAppIconName, IMAGE_ICON, 0,
                      0, LR_DEFAULTSIZE | LR_SHARED)));
  CreateWindowExW(0, kClassName,
                  ToWide(lotwheel::ui::MainWindowLayout().title).c_str(),
                  kStyle, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr,
                  Instance(), this);
  if (hwnd_ == nullptr) std::abort();
  clipboard_ = std::make_unique<lotwheel::win32::Win32Clipboard>(hwnd_);
}

frmLotwheel::~frmLotwheel() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
  if (com_) CoUninitialize();
}

void frmLotwheel::Show(int show_command) {
  ShowWindow(hwnd_, show_command);
  UpdateWindow(hwnd_);
  SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(lstMoto), TRUE);
}

HWND frmLotwheel::Control(std::string_view name) const {
  return controls_->Handle(name);
}

void frmLotwheel::UseClipboard(std::unique_ptr<lotwheel::Clipboard> clipboard) {
  clipboard_ = std::move(clipboard);
}

void frmLotwheel::UseMessageBox(MessageBoxFunction show) {
  show_message_ = std::move(show);
}

bool frmLotwheel::OnMessage(UINT message, WPARAM wparam, LPARAM lparam,
                            LRESULT& result) {
  switch (message) {
    case WM_CREATE:
      OnCreate();
      result = 0;
      return true;
    case WM_GETMINMAXINFO:
      // The layout is fixed: neither a small screen nor anything else may
      // cut the window short.
      if (outer_size_.cx == 0) return false;  // not laid out yet
      reinterpret_cast<MINMAXINFO*>(lparam)->ptMinTrackSize =
          reinterpret_cast<MINMAXINFO*>(lparam)->ptMaxTrackSize = {
              outer_size_.cx, outer_size_.cy};
      return true;
    case WM_DPICHANGED:
      ApplyDpi(LOWORD(wparam), reinterpret_cast<const RECT*>(lparam));
      return true;
    case WM_COMMAND:
      // Only a button's own click counts: the dialog manager sends IDOK and
      // IDCANCEL for Enter and Esc with no control behind them.
      if (HIWORD(wparam) == BN_CLICKED && lparam != 0)
        OnCommand(LOWORD(wparam));
      return true;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lparam);
      if (header->code != LVN_GETDISPINFOW) return false;
      AnswerRowText(*reinterpret_cast<NMLVDISPINFOW*>(lparam));
      return true;
    }
    case WM_CLOSE:
      // Disabled, the window is waiting for the version window or a message
      // box, and stays: a close request sent from outside (Task Manager's
      // End task, taskkill) is refused as the close box is.
      if (IsWindowEnabled(hwnd_)) DestroyWindow(hwnd_);
      return true;
    case WM_DESTROY:
      // Closing the window ends the program.
      PostQuitMessage(0);
      return false;
    case WM_NCDESTROY:
      controls_.reset();
      DestroyIcon(big_icon_);
      DestroyIcon(small_icon_);
      big_icon_ = small_icon_ = nullptr;
      SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      return false;
    default:
      return false;
  }
}

void frmLotwheel::OnCreate() {
  controls_ = std::make_unique<lotwheel::win32::ControlSet>(
      hwnd_, lotwheel::ui::MainWindowLayout());
  lstMoto = Control("lstMoto");
  lstAto = Control("lstAto");
  txtAdd = Control("txtAdd");
  txtHowWho = Control("txtHowWho");
  SetWindowSubclass(txtAdd, &EntryBoxProc, 0, 0);
  ApplyDpi(GetDpiForWindow(hwnd_), nullptr);
}

LRESULT CALLBACK frmLotwheel::EntryBoxProc(HWND hwnd, UINT message,
                                           WPARAM wparam, LPARAM lparam,
                                           UINT_PTR id, DWORD_PTR /*data*/) {
  // Esc in a multi-line edit inside a dialog closes the dialog; here Esc
  // does nothing.
  if ((message == WM_KEYDOWN || message == WM_CHAR) && wparam == VK_ESCAPE)
    return 0;
  if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, &EntryBoxProc, id);
  return DefSubclassProc(hwnd, message, wparam, lparam);
}

void frmLotwheel::ApplyDpi(UINT dpi, const RECT* suggested) {
  const SIZE client = controls_->ClientSize(dpi);
  const DWORD style = static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_STYLE));
  const DWORD ex_style = static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_EXSTYLE));
  RECT frame{0, 0, client.cx, client.cy};
  AdjustWindowRectExForDpi(&frame, style, FALSE, ex_style, dpi);
  outer_size_ = {frame.right - frame.left, frame.bottom - frame.top};
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  POINT place{};
  if (suggested != nullptr)
    place = {suggested->left, suggested->top};
  else
    flags |= SWP_NOMOVE;
  SetWindowPos(hwnd_, nullptr, place.x, place.y, outer_size_.cx, outer_size_.cy,
               flags);
  // The frame may be drawn wider than the system says (a theme, a title
  // that wraps); the client area is what has to be exact.
  RECT got{};
  GetClientRect(hwnd_, &got);
  if (got.right != client.cx || got.bottom != client.cy) {
    outer_size_.cx += client.cx - got.right;
    outer_size_.cy += client.cy - got.bottom;
    SetWindowPos(hwnd_, nullptr, 0, 0, outer_size_.cx, outer_size_.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  }
  controls_->Layout(dpi);
  SetIcons(dpi);
}

void frmLotwheel::SetIcons(UINT dpi) {
  HICON big = LoadAppIcon(GetSystemMetricsForDpi(SM_CXICON, dpi),
                          GetSystemMetricsForDpi(SM_CYICON, dpi));
  HICON small = LoadAppIcon(GetSystemMetricsForDpi(SM_CXSMICON, dpi),
                            GetSystemMetricsForDpi(SM_CYSMICON, dpi));
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
  SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
  if (big_icon_ != nullptr) DestroyIcon(big_icon_);
  if (small_icon_ != nullptr) DestroyIcon(small_icon_);
  big_icon_ = big;
  small_icon_ = small;
}

void frmLotwheel::OnCommand(int id) {
  using Handler = void (frmLotwheel::*)();
  static const std::pair<const char*, Handler> kButtons[] = {
      {"cmdAdd", &frmLotwheel::OnAddClicked},
      {"cmdClear", &frmLotwheel::OnClearClicked},
      {"cmdBuild", &frmLotwheel::OnBuildClicked},
      {"cmdCopy", &frmLotwheel::OnCopyClicked},
  };
  for (const auto& [name, handler] : kButtons) {
    if (controls_->Id(name) == id) {
      (this->*handler)();
      return;
    }
  }
  if (controls_->Id("cmdVerInfo") == id) ShowVerInfo(hwnd_);
}

void frmLotwheel::AnswerRowText(NMLVDISPINFOW& request) const {
  LVITEMW& item = request.item;
  if ((item.mask & LVIF_TEXT) == 0) return;
  const bool source = request.hdr.hwndFrom == lstMoto;
  const int count = source ? session_.SourceCount() : session_.OutputCount();
  std::u16string row;
  if (item.iItem >= 0 && item.iItem < count) {
    const auto position = static_cast<int16_t>(item.iItem);
    try {
      row = lotwheel::ui::RowText(source ? session_.SourceAt(position)
                                         : session_.OutputAt(position));
    } catch (const std::bad_alloc&) {
      // Painted blank this once; the entry itself is untouched.
    }
  }
  lotwheel::win32::WriteRowText(row, item.pszText, item.cchTextMax);
}

void frmLotwheel::OnAddClicked() {
  Run([this] {
    const int first_new = session_.SourceCount();
    const std::wstring text = WindowText(txtAdd);
    const lotwheel::AddOutcome outcome =
        session_.AddLines(lotwheel::win32::U16View(text));
    if (outcome != lotwheel::AddOutcome::Added) {
      ShowMessage(lotwheel::ui::MessageFor(outcome));
      return;
    }
    ShowRows(lstMoto, session_.SourceCount(), RowChange::kAppended, first_new);
  });
}

void frmLotwheel::OnClearClicked() {
  session_.ClearLists();
  SetWindowTextW(txtAdd, L"");
  ShowRows(lstMoto, 0, RowChange::kReplaced);
  ShowRows(lstAto, 0, RowChange::kReplaced);
}

void frmLotwheel::OnBuildClicked() {
  Run([this] {
    const int first_new = session_.OutputCount();
    const std::wstring count = WindowText(txtHowWho);
    const lotwheel::DrawOutcome outcome =
        session_.Draw(lotwheel::win32::U16View(count));
    if (outcome != lotwheel::DrawOutcome::Drawn) {
      ShowMessage(lotwheel::ui::MessageFor(outcome));
      return;
    }
    ShowRows(lstMoto, session_.SourceCount(), RowChange::kReplaced);
    ShowRows(lstAto, session_.OutputCount(), RowChange::kAppended, first_new);
  });
}

void frmLotwheel::OnCopyClicked() {
  Run([this] {
    if (!session_.CopyOutput(*clipboard_))
      ShowMessage(lotwheel::ui::kClipboardFailedMessage);
  });
}

void frmLotwheel::Run(const std::function<void()>& operation) {
  // Shown outside the operation, once whatever failed has been let go of.
  if (lotwheel::ui::RanOutOfMemory(operation))
    ShowMessage(lotwheel::ui::kOutOfMemoryMessage);
}

void frmLotwheel::ShowMessage(std::u16string_view text) {
  if (text.empty()) return;
  HWND focus = GetFocus();
  show_message_(hwnd_, text);
  // Back to the control that had the focus before the box.
  if (focus != nullptr && IsChild(hwnd_, focus))
    SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(focus), TRUE);
}

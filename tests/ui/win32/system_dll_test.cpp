// DLLs that Windows does not always take from System32 are taken from there
// alone: stand-ins for oleacc.dll and UIAutomationCore.dll planted beside
// the program, with Wine told to prefer such a copy to its own as Windows
// does for those names, are never loaded, while the program adds, draws,
// copies, answers a screen reader and opens the version window; beside a
// program that loads them by name alone, they are.
#include <windows.h>

// After windows.h, which they build on.
#include <commctrl.h>
#include <gtest/gtest.h>
#include <oleacc.h>

#include <iterator>
#include <string>
#include <vector>

#include "ui/control_table.h"
#include "ui/win32/control_set.h"
#include "ui/win32/frm_ver_info.h"
#include "ui/win32/wide_text.h"

namespace lotwheel::win32 {
namespace {

constexpr const wchar_t* kPlanted[] = {L"oleacc.dll", L"UIAutomationCore.dll"};
constexpr const wchar_t* kPrograms[] = {L"lotwheel.exe", L"dll_probe.exe"};

// Where Wine keeps a program's own DLL load order. Its environment's
// WINEDLLOVERRIDES can't be changed for a child from inside Wine.
std::wstring OverridesKey(const wchar_t* program) {
  return std::wstring(L"Software\\Wine\\AppDefaults\\") + program +
         L"\\DllOverrides";
}

// A file built beside this test, by its path from here.
std::wstring Built(const wchar_t* relative) {
  std::wstring self(MAX_PATH, L'\0');
  self.resize(GetModuleFileNameW(nullptr, self.data(), MAX_PATH));
  return self.substr(0, self.find_last_of(L'\\') + 1) + relative;
}

// The top-level window of class `class_name` that process `id` shows,
// waited for up to 30 s.
HWND WindowOf(DWORD id, const wchar_t* class_name) {
  for (int tries = 0; tries < 300; ++tries) {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, class_name, nullptr))) {
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      if (owner == id && IsWindowVisible(window)) return window;
    }
    Sleep(100);
  }
  return nullptr;
}

HWND Item(HWND window, const ui::ControlTable& table, ui::ControlId id) {
  return GetDlgItem(window, ControlSet::CommandId(table, id));
}

// A click on a button as the button reports it to its window.
void Click(HWND window, HWND button, bool wait = true) {
  const WPARAM command = MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED);
  const auto control = reinterpret_cast<LPARAM>(button);
  if (wait)
    SendMessageW(window, WM_COMMAND, command, control);
  else  // for one that runs a modal window
    SendNotifyMessageW(window, WM_COMMAND, command, control);
}

// The name a screen reader hears for a control of another process.
std::u16string SpokenName(HWND control) {
  IAccessible* object = nullptr;
  AccessibleObjectFromWindow(control, OBJID_CLIENT, IID_IAccessible,
                             reinterpret_cast<void**>(&object));
  if (object == nullptr) return u"(none)";
  VARIANT self{};
  self.vt = VT_I4;
  BSTR name = nullptr;
  object->get_accName(self, &name);
  std::u16string spoken = name ? ToU16(name) : u"";
  SysFreeString(name);
  object->Release();
  return spoken;
}

class PlantedDllTest : public ::testing::Test {
 protected:
  PlantedDllTest() {
    // A screen reader's objects come from the other process through COM.
    com_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"lotwheel-planted-" +
              std::to_wstring(GetCurrentProcessId()) + L"\\";
    CreateDirectoryW(folder_.c_str(), nullptr);
    for (const wchar_t* name : kPlanted)
      Plant(Built((std::wstring(L"planted\\") + name).c_str()), name);
    // A copy beside the program first, as Windows looks for a DLL that is
    // no KnownDLL; Wine prefers its own unless told.
    for (const wchar_t* program : kPrograms)
      for (const wchar_t* dll : {L"oleacc", L"uiautomationcore"})
        RegSetKeyValueW(HKEY_CURRENT_USER, OverridesKey(program).c_str(), dll,
                        REG_SZ, L"native,builtin", sizeof(L"native,builtin"));
  }
  ~PlantedDllTest() override {
    for (const std::wstring& name : planted_)
      DeleteFileW((folder_ + name).c_str());
    for (const wchar_t* name : kPlanted)
      DeleteFileW((folder_ + name + L".loaded").c_str());
    RemoveDirectoryW(folder_.c_str());
    for (const wchar_t* program : kPrograms) {
      RegDeleteKeyW(HKEY_CURRENT_USER, OverridesKey(program).c_str());
      const std::wstring key = OverridesKey(program);
      RegDeleteKeyW(HKEY_CURRENT_USER, key.substr(0, key.rfind(L'\\')).c_str());
    }
    if (com_) CoUninitialize();
  }

  void Plant(const std::wstring& from, const std::wstring& name) {
    ASSERT_TRUE(CopyFileW(from.c_str(), (folder_ + name).c_str(), FALSE));
    planted_.push_back(name);
  }

  // Starts `program`, planted already, with `arguments`, in the planted
  // folder as its current one.
  PROCESS_INFORMATION Start(const std::wstring& program,
                            const std::wstring& arguments = L"") {
    std::wstring command = L"\"" + folder_ + program + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    EXPECT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE,
                               0, nullptr, folder_.c_str(), &startup,
                               &process));
    return process;
  }

  // The exit code of a process, once it has ended (30 s at most).
  static DWORD Ended(PROCESS_INFORMATION& process) {
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process.hProcess, 30'000) == WAIT_OBJECT_0)
      GetExitCodeProcess(process.hProcess, &code);
    else
      TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
  }

  // The planted DLLs that something has loaded.
  std::vector<std::wstring> Loaded() const {
    std::vector<std::wstring> loaded;
    for (const wchar_t* name : kPlanted)
      if (GetFileAttributesW((folder_ + name + L".loaded").c_str()) !=
          INVALID_FILE_ATTRIBUTES)
        loaded.push_back(name);
    return loaded;
  }

  bool com_;
  std::wstring folder_;
  std::vector<std::wstring> planted_;
};

using Names = std::vector<std::wstring>;

TEST_F(PlantedDllTest, TheProgramNeverLoadsThem) {
  Plant(Built(LOTWHEEL_PROGRAM), L"lotwheel.exe");
  PROCESS_INFORMATION process = Start(L"lotwheel.exe");
  HWND window = WindowOf(process.dwProcessId, L"frmLotwheel");
  ASSERT_NE(window, nullptr);
  using Id = ui::MainControl;
  const ui::ControlTable& table = ui::MainWindowTable();
  const auto item = [&](Id id) { return Item(window, table, id); };
  SetWindowTextW(item(Id::txtAdd), L"A\r\nB\r\nC");
  Click(window, item(Id::cmdAdd));
  Click(window, item(Id::cmdBuild));
  Click(window, item(Id::cmdCopy));
  EXPECT_EQ(SendMessageW(item(Id::lstAto), LVM_GETITEMCOUNT, 0, 0), 3);
  // The annotated names need oleacc.dll in the program.
  EXPECT_EQ(SpokenName(item(Id::cmdAdd)), table.Row(Id::cmdAdd).spoken_name);
  Click(window, item(Id::cmdVerInfo), false);
  HWND version = WindowOf(process.dwProcessId, frmVerInfo::kClassName);
  ASSERT_NE(version, nullptr);
  const ui::ControlTable& version_table = ui::VerInfoWindowTable();
  EXPECT_EQ(
      SpokenName(Item(version, version_table, ui::VerInfoControl::Image2)),
      version_table.Row(ui::VerInfoControl::Image2).spoken_name);
  SendMessageW(version, WM_CLOSE, 0, 0);
  SendNotifyMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(Ended(process), 0u);
  EXPECT_EQ(Loaded(), Names{});
}

TEST_F(PlantedDllTest, AnnouncementsAndScreenReadersNeverLoadThem) {
  Plant(Built(L"planted\\dll_probe.exe"), L"dll_probe.exe");
  PROCESS_INFORMATION process = Start(L"dll_probe.exe");
  EXPECT_EQ(Ended(process), 0u);
  EXPECT_EQ(Loaded(), Names{});
}

// Without which the two tests above would prove nothing.
TEST_F(PlantedDllTest, ALoadByNameAloneTakesThem) {
  Plant(Built(L"planted\\dll_probe.exe"), L"dll_probe.exe");
  PROCESS_INFORMATION process = Start(L"dll_probe.exe", L"by-name");
  EXPECT_EQ(Ended(process), 0u);
  EXPECT_EQ(Loaded(), Names(std::begin(kPlanted), std::end(kPlanted)));
}

}  // namespace
}  // namespace lotwheel::win32

// Announcements for screen readers reach UI Automation with their text and
// window, through functions put in place of the system's; where a function
// is missing or fails, nothing happens.
#include "ui/win32/uia_notifier.h"

#include <gtest/gtest.h>

#include "fake_uia.h"

namespace lotwheel::win32 {
namespace {

class UiaNotifierTest : public ::testing::Test {
 protected:
  UiaNotifierTest()
      : window_(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10,
                                nullptr, nullptr, nullptr, nullptr)) {
    asked_for = nullptr;
    raised.clear();
  }
  ~UiaNotifierTest() override { DestroyWindow(window_); }

  HWND window_;
};

TEST_F(UiaNotifierTest, TheTextGoesOutOnTheWindowsProvider) {
  const UiaFunctions system =
      UseUiaFunctions({&HostProvider, &RaiseNotification});
  Announce(window_, u"3 名を抽選しました。");
  UseUiaFunctions(system);
  EXPECT_EQ(asked_for, window_);
  ASSERT_EQ(raised.size(), 1u);
  EXPECT_EQ(raised[0].provider, &provider);
  EXPECT_EQ(raised[0].kind, 2);        // NotificationKind_ActionCompleted
  EXPECT_EQ(raised[0].processing, 1);  // ..._ImportantMostRecent
  EXPECT_EQ(raised[0].text, L"3 名を抽選しました。");
  EXPECT_EQ(raised[0].activity, L"lotwheel");
  EXPECT_EQ(provider.references, 0u) << "the provider was not released";
}

// The system's own functions too: Wine has no UiaRaiseNotificationEvent,
// nor has Windows before version 1709.
TEST_F(UiaNotifierTest, NothingHappensWithoutAFunctionOrAProvider) {
  const UiaFunctions system = UseUiaFunctions({});
  const UiaFunctions cases[] = {
      {&HostProvider, nullptr},
      {nullptr, &RaiseNotification},
      {&NoHostProvider, &RaiseNotification},
      system,
  };
  for (const UiaFunctions& functions : cases) {
    UseUiaFunctions(functions);
    Announce(window_, u"x");
  }
  UseUiaFunctions(system);
  EXPECT_TRUE(raised.empty());
  EXPECT_EQ(provider.references, 0u);
}

}  // namespace
}  // namespace lotwheel::win32

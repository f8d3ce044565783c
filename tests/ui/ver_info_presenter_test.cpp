// Tests of what the version window does, against a fake window.
#include "ui/ver_info_presenter.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "ui/texts.h"

namespace lotwheel::ui {
namespace {

using Id = VerInfoControl;

class FakeView final : public VerInfoView {
 public:
  void SetText(VerInfoControl control, std::u16string_view text) override {
    texts[control] = text;
  }
  void SetDescription(std::u16string_view text) override { description = text; }
  void SetFocus(VerInfoControl control) override { focus = control; }
  void OpenAddress(const std::string& address) override {
    opened.push_back(address);
  }
  void Close() override { ++closed; }

  std::map<VerInfoControl, std::u16string> texts;
  std::u16string description;
  std::optional<VerInfoControl> focus;
  std::vector<std::string> opened;
  int closed = 0;
};

TEST(VerInfoPresenterTest, OpensOnTheCreditsWithTheVersionLineSaid) {
  FakeView view;
  VerInfoPresenter(view).Start();
  EXPECT_EQ(view.texts[Id::lblVerinfo], VersionLine());
  EXPECT_EQ(view.description, VersionLine());
  EXPECT_EQ(view.focus, Id::Text1);
}

TEST(VerInfoPresenterTest, BannersOpenTheirPagesAndOkCloses) {
  FakeView view;
  VerInfoPresenter p(view);
  for (Id id : {Id::Image2, Id::Image2, Id::Image3, Id::Image1, Id::Label1,
                Id::lblVerinfo})
    p.Press(id);
  EXPECT_EQ(view.opened, (std::vector<std::string>{
                             kGroupHomePage, kGroupHomePage, kAuthorPage}));
  EXPECT_EQ(view.closed, 0);
  p.Press(Id::cmdOK);
  EXPECT_EQ(view.closed, 1);
}

}  // namespace
}  // namespace lotwheel::ui

// The version window's behaviour, written once for every frontend.
#include "ui/ver_info_presenter.h"

#include <string>

#include "ui/texts.h"

namespace lotwheel::ui {

void VerInfoPresenter::Start() {
  const std::u16string line = VersionLine();
  view_.SetText(VerInfoControl::lblVerinfo, line);
  // A screen reader says it as the window opens; as a label it would only
  // be found by reading the window through.
  view_.SetDescription(line);
  view_.SetFocus(
      *VerInfoWindowTable().FocusOrder().front().As<VerInfoControl>());
}

void VerInfoPresenter::Press(VerInfoControl control) {
  const ControlInfo& info = VerInfoWindowTable().Row(control);
  if (info.default_button) return view_.Close();
  if (!info.link.empty()) view_.OpenAddress(info.link);
}

}  // namespace lotwheel::ui

// The version window's behaviour, written once for every frontend.
#include "ui/ver_info_presenter.h"

#include <string>

#include "ui/texts.h"

namespace lotwheel::ui {

void VerInfoPresenter::Start() {
  const std::u16string line = VersionLine();
  view_.SetText(ControlId::lblVerinfo, line);
  // A screen reader says it as the window opens; as a label it would only
  // be found by reading the window through.
  view_.SetDescription(line);
  view_.SetFocus(VerInfoWindowTable().FocusOrder().front());
}

void VerInfoPresenter::Press(ControlId control) {
  const ControlTable& table = VerInfoWindowTable();
  if (!table.Has(control)) return;
  if (table.Row(control).default_button) return view_.Close();
  const std::string& link = table.Row(control).link;
  if (!link.empty()) view_.OpenAddress(link);
}

}  // namespace lotwheel::ui

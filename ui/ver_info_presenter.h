// The version window's behaviour, written once for every frontend.
#pragma once

#include "ui/control_table.h"
#include "ui/ver_info_view.h"

namespace lotwheel::ui {

class VerInfoPresenter final {
 public:
  explicit VerInfoPresenter(VerInfoView& view) : view_(view) {}
  VerInfoPresenter(const VerInfoPresenter&) = delete;
  VerInfoPresenter& operator=(const VerInfoPresenter&) = delete;

  // The window has been built from its table and is about to show: the
  // version line replaces the designed text, and the focus goes to the
  // credits.
  void Start();
  // A control was clicked or pressed: OK closes the window, a banner opens
  // its page and leaves the window open, anything else does nothing.
  void Press(VerInfoControl control);

 private:
  VerInfoView& view_;
};

}  // namespace lotwheel::ui

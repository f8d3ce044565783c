// What the version window's presenter asks of the window that shows it.
#pragma once

#include <string>
#include <string_view>

#include "ui/control_table.h"

namespace lotwheel::ui {

class VerInfoView {
 public:
  virtual ~VerInfoView() = default;

  virtual void SetText(VerInfoControl control, std::u16string_view text) = 0;
  // What a screen reader says of the window as it opens, after its title.
  virtual void SetDescription(std::u16string_view text) = 0;
  virtual void SetFocus(VerInfoControl control) = 0;
  // Opens a web address in the user's browser, without waiting for it and
  // without reporting whether it could.
  virtual void OpenAddress(const std::string& address) = 0;
  // Closes and destroys the window.
  virtual void Close() = 0;
};

}  // namespace lotwheel::ui

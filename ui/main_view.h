// What the main window's presenter asks of the window that shows it: each
// frontend's main window implements this and decides nothing itself.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ui/control_table.h"
#include "ui/row_change.h"

namespace lotwheel::ui {

class MainView {
 public:
  virtual ~MainView() = default;

  // The text of a box; lines are joined with CR LF.
  virtual std::u16string Text(MainControl box) const = 0;
  virtual void SetText(MainControl box, std::u16string_view text) = 0;
  // Ends what an input method is still composing in the window's boxes:
  // the text underlined there becomes the box's text, as when a click
  // takes the focus away.
  virtual void FinishInput() = 0;
  // Brings a list in line with its `count` entries; the window asks the
  // presenter for the rows it paints.
  virtual void ShowRows(MainControl list, int count, RowChange change) = 0;
  // Scrolls a list so that `row` stands at its top, or as near as it can.
  virtual void ScrollToRow(MainControl list, int row) = 0;
  // The control with the focus, if it is one of the window's.
  virtual std::optional<MainControl> Focus() const = 0;
  virtual void SetFocus(MainControl control) = 0;
  // The one kind of message box the program has (title "Error", the
  // exclamation icon, one OK button); returns once it is answered.
  virtual void ShowMessage(std::u16string_view text) = 0;
  // Has a screen reader say `text` at once, without moving the focus and
  // without showing anything.
  virtual void Announce(std::u16string_view text) = 0;
  // Shows the version window modally; returns once it is closed.
  virtual void OpenVersionWindow() = 0;
};

}  // namespace lotwheel::ui

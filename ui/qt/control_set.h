// A window's controls made from its shared table: one widget for each row,
// of the kind, place, texts, font, tab order and keyboard behaviour the row
// gives, so that a new control is a change to the table alone.
#pragma once

#include <QObject>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control_table.h"

namespace lotwheel::qt {

class ControlSet final : public QObject {
  Q_OBJECT

 public:
  // Builds every control of `table` as a child of `window`, each in its
  // frame, and gives the window its name, title and fixed size.
  ControlSet(QWidget* window, const ui::ControlTable& table);

  QWidget* Widget(ui::ControlId id) const;
  // The control as the widget class its kind is made of; a wrong class is a
  // programming error and ends the program with both names.
  template <typename T>
  T* Get(ui::ControlId id) const {
    T* widget = qobject_cast<T*>(Widget(id));
    if (widget == nullptr) WrongClass(id, T::staticMetaObject.className());
    return widget;
  }
  // The text of a box, label, button or frame, with a box's lines joined
  // with CR LF; and setting it. Pictures and lists have none.
  std::u16string Text(ui::ControlId id) const;
  void SetText(ui::ControlId id, std::u16string_view text);
  // The control that `widget` is, if it is one of the window's.
  std::optional<ui::ControlId> IdOf(const QWidget* widget) const;
  // Calls `pressed` whenever a button is pressed or a picture that links to
  // a page is clicked, however the user did it.
  void ForwardPresses(const std::function<void(ui::ControlId)>& pressed);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* Create(const ui::ControlInfo& info);
  void Apply(QWidget* widget, const ui::ControlInfo& info);
  void LinkLabelsAndTabOrder();
  // Enter in a box that hands it to the default button.
  bool PressDefault(QObject* watched, QEvent* event);
  [[noreturn]] void WrongClass(ui::ControlId id, const char* wanted) const;

  QWidget* window_;
  const ui::ControlTable& table_;
  std::vector<QWidget*> widgets_;  // by row of the table
  Q_DISABLE_COPY_MOVE(ControlSet)
};

// The credits and other texts that end each line with CR LF, as a text box
// shows them: one paragraph a line, without an empty one after the last.
QString TextForDisplay(std::u16string_view text);

}  // namespace lotwheel::qt

// Lets Enter press the button that has the focus, as the space bar does.
#include "ui/qt/enter_presses_button.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace lotwheel::qt {

EnterPressesButton::EnterPressesButton(QObject* parent) : QObject(parent) {}

bool EnterPressesButton::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  const bool enter =
      key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
  // Alt+Enter and the like are left to whoever owns them.
  const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
  auto* button = qobject_cast<QAbstractButton*>(watched);
  if (!enter || modifiers != Qt::NoModifier || button == nullptr ||
      !button->isEnabled())
    return false;
  button->click();
  return true;
}

}  // namespace lotwheel::qt

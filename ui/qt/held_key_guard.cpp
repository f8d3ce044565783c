// Makes a held key press a button once.
#include "ui/qt/held_key_guard.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace lotwheel::qt {

HeldKeyGuard::HeldKeyGuard(QObject* parent) : QObject(parent) {}

bool HeldKeyGuard::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease &&
      type != QEvent::ShortcutOverride)
    return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (!key->isAutoRepeat()) return false;
  // A repeated access key: claim it from the shortcut map and drop it, so
  // that it reaches no button at all.
  if (key->modifiers() & Qt::AltModifier) {
    event->accept();
    return true;
  }
  const bool pressing_key =
      key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
      key->key() == Qt::Key_Space || key->key() == Qt::Key_Select;
  if (!pressing_key || qobject_cast<QAbstractButton*>(watched) == nullptr)
    return false;
  event->accept();
  return true;
}

}  // namespace lotwheel::qt

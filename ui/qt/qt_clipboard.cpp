// The engine's clipboard on Qt's system clipboard.
#include "ui/qt/qt_clipboard.h"

#include <QGuiApplication>
#include <QString>

#include "ui/qt/qt_text.h"

QtClipboard::QtClipboard(QClipboard::Mode mode) : mode_(mode) {}

void QtClipboard::Clear() { QGuiApplication::clipboard()->clear(mode_); }

bool QtClipboard::SetText(std::u16string_view text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  const QString wanted = lotwheel::ToQString(text);
  clipboard->setText(wanted, mode_);
  return clipboard->text(mode_) == wanted;
}

// The engine's clipboard on Qt's system clipboard.
#include "ui/qt_clipboard.h"

#include <QGuiApplication>
#include <QString>

QtClipboard::QtClipboard(QClipboard::Mode mode) : mode_(mode) {}

void QtClipboard::Clear() { QGuiApplication::clipboard()->clear(mode_); }

void QtClipboard::SetText(std::u16string_view text) {
  QGuiApplication::clipboard()->setText(
      QString(reinterpret_cast<const QChar*>(text.data()),
              static_cast<qsizetype>(text.size())),
      mode_);
}

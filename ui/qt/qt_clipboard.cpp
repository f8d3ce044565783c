// The engine's clipboard on Qt's system clipboard.
#include "ui/qt/qt_clipboard.h"

#include <QGuiApplication>
#include <QString>

#include "ui/qt/qt_text.h"

namespace lotwheel::qt {

QtClipboard::QtClipboard(QClipboard::Mode mode) : mode_(mode) {}

bool QtClipboard::ReplaceText(std::u16string_view text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear(mode_);
  const QString wanted = ToQString(text);
  clipboard->setText(wanted, mode_);
  return clipboard->text(mode_) == wanted;
}

}  // namespace lotwheel::qt

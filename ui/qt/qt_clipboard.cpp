// The engine's clipboard on Qt's system clipboard.
#include "ui/qt/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QString>

#include "ui/qt/qt_text.h"

namespace lotwheel::qt {

bool QtClipboard::ReplaceText(std::u16string_view text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  const QString wanted = ToQString(text);
  clipboard->setText(wanted);
  return clipboard->text() == wanted;
}

}  // namespace lotwheel::qt

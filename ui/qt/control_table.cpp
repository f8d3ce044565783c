// Builds a window's controls from its shared control table.
#include "ui/qt/control_table.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

#include "ui/qt/fonts.h"
#include "ui/qt/qt_text.h"

namespace lotwheel {
namespace {

QWidget* Find(QWidget* window, const std::string& name) {
  auto* widget = window->findChild<QWidget*>(QString::fromStdString(name));
  if (widget == nullptr) qFatal("no control named %s", name.c_str());
  return widget;
}

void SetCaption(QWidget* widget, const ui::ControlInfo& info) {
  const QString caption = ToQString(info.caption);
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setTextFormat(Qt::PlainText);
    label->setText(caption);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(caption);
  } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
    frame->setTitle(caption);
  } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
    line->setText(caption);
  } else if (auto* area = qobject_cast<QPlainTextEdit*>(widget)) {
    area->setPlainText(TextForDisplay(info.caption));
  }
}

// A label with an access key hands the focus to the next control in tab
// order that takes it.
void SetBuddies(QWidget* window, const ui::WindowLayout& layout) {
  const std::vector<std::string> focus = layout.FocusOrder();
  for (const ui::ControlInfo& info : layout.controls) {
    if (info.kind != ui::ControlKind::kLabel ||
        info.caption.find(u'&') == std::u16string::npos)
      continue;
    for (const std::string& name : focus) {
      if (layout.Control(name).tab_index > info.tab_index) {
        qobject_cast<QLabel*>(Find(window, info.name))
            ->setBuddy(Find(window, name));
        break;
      }
    }
  }
}

}  // namespace

QRect RectFromTwips(const ui::TwipsRect& rect) {
  return QRect(ui::PixelsFromTwips(rect.left), ui::PixelsFromTwips(rect.top),
               ui::PixelsFromTwips(rect.width),
               ui::PixelsFromTwips(rect.height));
}

QFont FontFor(ui::ControlFont font, const QFont& interface_font) {
  switch (font) {
    case ui::ControlFont::kGothicBold9:
      return GothicFont(9, true);
    case ui::ControlFont::kGothicBoldItalic15Point75:
      return GothicFont(15.75, true, true);
    case ui::ControlFont::kInterface:
      break;
  }
  return interface_font;
}

void ApplyLayout(QWidget* window, const ui::WindowLayout& layout) {
  window->setObjectName(QString::fromStdString(layout.name));
  window->setWindowTitle(ToQString(layout.title));
  window->setFixedSize(ui::PixelsFromTwips(layout.client_width),
                       ui::PixelsFromTwips(layout.client_height));
  for (const ui::ControlInfo& info : layout.controls) {
    QWidget* widget = Find(window, info.name);
    const QString parent = info.parent.empty()
                               ? window->objectName()
                               : QString::fromStdString(info.parent);
    if (widget->parentWidget()->objectName() != parent)
      qFatal("%s must stand in %s", info.name.c_str(), qPrintable(parent));
    widget->setGeometry(RectFromTwips(info.rect));
    SetCaption(widget, info);
    widget->setToolTip(ToQString(info.tooltip));
    widget->setAccessibleName(ToQString(info.spoken_name));
    if (info.font != ui::ControlFont::kInterface)
      widget->setFont(FontFor(info.font, window->font()));
    if (info.tab_index < 0) widget->setFocusPolicy(Qt::NoFocus);
  }
  SetBuddies(window, layout);
  const std::vector<std::string> focus = layout.FocusOrder();
  for (size_t i = 0; i + 1 < focus.size(); ++i)
    QWidget::setTabOrder(Find(window, focus[i]), Find(window, focus[i + 1]));
}

QString TextForDisplay(std::u16string_view text) {
  if (text.ends_with(u"\r\n")) text.remove_suffix(2);
  return ToQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace lotwheel

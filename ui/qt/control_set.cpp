// A window's controls made from its shared table.
#include "ui/qt/control_set.h"

#include <QGroupBox>
#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <algorithm>
#include <limits>

#include "ui/qt/art_path.h"
#include "ui/qt/cursor_file.h"
#include "ui/qt/enter_presses_button.h"
#include "ui/qt/fonts.h"
#include "ui/qt/list_focus.h"
#include "ui/qt/picture_label.h"
#include "ui/qt/qt_text.h"

namespace lotwheel::qt {
namespace {

using ui::ControlInfo;
using ui::ControlKind;

// Qt's high-DPI scaling scales each window as one, so the table is laid out
// at 96 dots per inch here.
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

// The 32 x 32 image of the application icon, read as stored rather than
// scaled from whichever image the icon engine prefers.
QPixmap IconImage32() {
  const QString path = ArtPath(ui::Art::kAppIcon);
  QImageReader reader(path);
  for (int i = 0; i < std::max(reader.imageCount(), 1); ++i) {
    if (i > 0 && !reader.jumpToImage(i)) break;
    const QImage image = reader.read();
    if (image.size() == QSize(32, 32)) return QPixmap::fromImage(image);
  }
  return QIcon(path).pixmap(32, 32);
}

QWidget* NewLabel(const ControlInfo& info, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setText(ToQString(info.caption));
  label->setAlignment(
      (info.align == ui::TextAlign::kRight ? Qt::AlignRight : Qt::AlignLeft) |
      Qt::AlignVCenter);
  label->setWordWrap(info.wrap != ui::TextWrap::kNone);
  return label;
}

QWidget* NewList(QWidget* parent) {
  auto* list = new QListView(parent);
  list->setUniformItemSizes(true);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ReadCurrentRowOnFocus(list);
  return list;
}

QWidget* NewLineEdit(const ControlInfo& info, QWidget* parent) {
  auto* box = new QLineEdit(ToQString(info.caption), parent);
  // A pasted text is kept whole: cut at Qt's default 32,767 characters, a
  // count "000…03" would read as 0 and draw everybody.
  box->setMaxLength(std::numeric_limits<int>::max());
  return box;
}

QWidget* NewTextArea(const ControlInfo& info, QWidget* parent) {
  auto* box = new QPlainTextEdit(parent);
  box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  if (info.wrap == ui::TextWrap::kAnywhere)
    box->setWordWrapMode(QTextOption::WrapAnywhere);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setTabChangesFocus(true);
  box->setPlainText(TextForDisplay(info.caption));
  return box;
}

QWidget* NewButton(const ControlInfo& info, QWidget* parent) {
  auto* button = new QPushButton(ToQString(info.caption), parent);
  // Enter presses the focused button, as the space bar does, and no other:
  // only a default button answers Enter elsewhere in its window.
  button->setAutoDefault(false);
  button->setDefault(info.default_button);
  button->installEventFilter(new EnterPressesButton(button));
  return button;
}

QWidget* NewPicture(const ControlInfo& info, QWidget* parent) {
  const QPixmap picture = info.art == ui::Art::kAppIcon
                              ? IconImage32()
                              : QPixmap(ArtPath(info.art));
  if (info.link.empty()) {
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setPixmap(picture);
    return label;
  }
  auto* link = new PictureLabel(parent);
  link->setPixmap(picture);
  link->setCursor(LoadCursorFile(ArtPath(ui::Art::kHandPointer)));
  return link;
}

}  // namespace

ControlSet::ControlSet(QWidget* window, const ui::ControlTable& table)
    : QObject(window), window_(window), table_(table) {
  window->setObjectName(QString::fromLatin1(table.name));
  window->setWindowTitle(ToQString(table.title));
  window->setFixedSize(ui::PixelsFromTwips(table.client_width),
                       ui::PixelsFromTwips(table.client_height));
  // In table order: a frame comes before what stands in it, and a later
  // control lies above an earlier one it reaches into.
  for (const ControlInfo& info : table.controls) {
    QWidget* widget = Create(info);
    widgets_.push_back(widget);
    Apply(widget, info);
  }
  LinkLabelsAndTabOrder();
}

QWidget* ControlSet::Create(const ControlInfo& info) {
  QWidget* parent = info.parent ? Widget(*info.parent) : window_;
  switch (info.kind) {
    case ControlKind::kLabel:
      return NewLabel(info, parent);
    case ControlKind::kList:
      return NewList(parent);
    case ControlKind::kFrame:
      return new QGroupBox(ToQString(info.caption), parent);
    case ControlKind::kLineEdit:
      return NewLineEdit(info, parent);
    case ControlKind::kTextArea: {
      QWidget* box = NewTextArea(info, parent);
      if (info.enter == ui::EnterKey::kPressDefault)
        box->installEventFilter(this);
      return box;
    }
    case ControlKind::kButton:
      return NewButton(info, parent);
    case ControlKind::kPicture:
      return NewPicture(info, parent);
  }
  qFatal("%s has no kind", info.name);
}

void ControlSet::Apply(QWidget* widget, const ControlInfo& info) {
  widget->setObjectName(QString::fromLatin1(info.name));
  widget->setGeometry(RectFromTwips(info.rect));
  widget->setToolTip(ToQString(info.tooltip));
  widget->setAccessibleName(ToQString(info.spoken_name));
  // A box says what its tooltip says when a screen reader lands on it; a
  // link is named by its tooltip already.
  if (info.kind != ControlKind::kPicture)
    widget->setAccessibleDescription(ToQString(info.tooltip));
  if (info.font != ui::ControlFont::kInterface)
    widget->setFont(FontFor(info.font, window_->font()));
  if (!ui::TakesFocus(info.kind)) widget->setFocusPolicy(Qt::NoFocus);
}

void ControlSet::LinkLabelsAndTabOrder() {
  // A label's access key hands the focus to the next control in tab order.
  for (const ControlInfo& info : table_.controls) {
    if (info.kind != ControlKind::kLabel || !ui::HasAccessKey(info.caption))
      continue;
    if (const auto buddy = table_.BuddyOf(info.id))
      Get<QLabel>(info.id)->setBuddy(Widget(*buddy));
  }
  const std::vector<ui::ControlId> focus = table_.FocusOrder();
  for (size_t i = 0; i + 1 < focus.size(); ++i)
    QWidget::setTabOrder(Widget(focus[i]), Widget(focus[i + 1]));
}

QWidget* ControlSet::Widget(ui::ControlId id) const {
  for (size_t row = 0; row < widgets_.size(); ++row) {
    if (table_.controls[row].id == id) return widgets_[row];
  }
  qFatal("control %d is not in %s", id.index(), table_.name);
}

void ControlSet::WrongClass(ui::ControlId id, const char* wanted) const {
  qFatal("%s is a %s, not a %s", table_.Row(id).name,
         Widget(id)->metaObject()->className(), wanted);
}

std::u16string ControlSet::Text(ui::ControlId id) const {
  QString text;
  switch (table_.Row(id).kind) {
    case ControlKind::kLabel:
      text = Get<QLabel>(id)->text();
      break;
    case ControlKind::kFrame:
      text = Get<QGroupBox>(id)->title();
      break;
    case ControlKind::kLineEdit:
      text = Get<QLineEdit>(id)->text();
      break;
    case ControlKind::kButton:
      text = Get<QPushButton>(id)->text();
      break;
    case ControlKind::kTextArea:
      // The raw text, because toPlainText() would turn non-breaking spaces
      // into plain ones; entries must reach the list unchanged. In it, a
      // paragraph separator ends each line, and Shift+Enter leaves a line
      // separator, which is a line to the user too.
      text = Get<QPlainTextEdit>(id)->document()->toRawText();
      text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
      text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
      break;
    case ControlKind::kList:
    case ControlKind::kPicture:
      qFatal("%s has no text", table_.Row(id).name);
  }
  return std::u16string(ViewOf(text));
}

void ControlSet::SetText(ui::ControlId id, std::u16string_view text) {
  const QString shown = ToQString(text);
  switch (table_.Row(id).kind) {
    case ControlKind::kLabel:
      return Get<QLabel>(id)->setText(shown);
    case ControlKind::kFrame:
      return Get<QGroupBox>(id)->setTitle(shown);
    case ControlKind::kLineEdit:
      return Get<QLineEdit>(id)->setText(shown);
    case ControlKind::kButton:
      return Get<QPushButton>(id)->setText(shown);
    case ControlKind::kTextArea:
      return Get<QPlainTextEdit>(id)->setPlainText(
          QString(shown).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    case ControlKind::kList:
    case ControlKind::kPicture:
      qFatal("%s has no text", table_.Row(id).name);
  }
}

std::optional<ui::ControlId> ControlSet::IdOf(const QWidget* widget) const {
  for (size_t row = 0; row < widgets_.size(); ++row) {
    if (widgets_[row] == widget) return table_.controls[row].id;
  }
  return std::nullopt;
}

void ControlSet::ForwardPresses(
    const std::function<void(ui::ControlId)>& pressed) {
  for (size_t row = 0; row < widgets_.size(); ++row) {
    const ui::ControlId id = table_.controls[row].id;
    if (auto* button = qobject_cast<QPushButton*>(widgets_[row]))
      connect(button, &QPushButton::clicked, this,
              [pressed, id] { pressed(id); });
    if (auto* link = qobject_cast<PictureLabel*>(widgets_[row]))
      connect(link, &PictureLabel::clicked, this,
              [pressed, id] { pressed(id); });
  }
}

bool ControlSet::eventFilter(QObject* watched, QEvent* event) {
  return PressDefault(watched, event) || QObject::eventFilter(watched, event);
}

bool ControlSet::PressDefault(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
  // Ctrl+Enter is how a new line gets typed into such a box.
  if (key->modifiers() & Qt::ControlModifier) {
    qobject_cast<QPlainTextEdit*>(watched)->insertPlainText(
        QStringLiteral("\n"));
    return true;
  }
  for (const ui::ControlInfo& info : table_.controls) {
    if (info.default_button) Get<QPushButton>(info.id)->click();
  }
  return true;
}

QString TextForDisplay(std::u16string_view text) {
  if (text.ends_with(u"\r\n")) text.remove_suffix(2);
  return ToQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace lotwheel::qt

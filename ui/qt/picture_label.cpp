// A picture control: shows a bitmap at its natural size and reports clicks.
#include "ui/qt/picture_label.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

namespace lotwheel::qt {
namespace {

// A banner: a link, named by its tooltip, whose press action opens the page
// as a click does. It still never takes the focus.
class LinkAccessible final : public QAccessibleWidget {
 public:
  explicit LinkAccessible(PictureLabel* picture)
      : QAccessibleWidget(picture, QAccessible::Link) {}

  QString text(QAccessible::Text t) const override {
    // The name is the tooltip already; as the description too it would be
    // read out twice.
    if (t == QAccessible::Description) return {};
    return QAccessibleWidget::text(t);
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    if (action == pressAction()) static_cast<PictureLabel*>(widget())->Click();
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

// Matched by exact class: while a picture is being destroyed it reads as a
// QLabel, so no interface is made for a half-gone one.
QAccessibleInterface* Factory(const QString& class_name, QObject* object) {
  if (class_name !=
      QLatin1StringView(PictureLabel::staticMetaObject.className()))
    return nullptr;
  return new LinkAccessible(static_cast<PictureLabel*>(object));
}

}  // namespace

PictureLabel::PictureLabel(QWidget* parent) : QLabel(parent) {
  static const bool installed = (QAccessible::installFactory(&Factory), true);
  (void)installed;
  // Pictures are drawn from the top left corner, never stretched, and never
  // take the focus.
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setScaledContents(false);
  setFocusPolicy(Qt::NoFocus);
}

void PictureLabel::Click() { emit clicked(); }

void PictureLabel::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

void PictureLabel::mouseReleaseEvent(QMouseEvent* event) {
  // A press dragged off the picture before release is no click, as with a
  // button.
  const bool click = pressed_ && event->button() == Qt::LeftButton &&
                     rect().contains(event->position().toPoint());
  pressed_ = false;
  event->accept();
  if (click) emit clicked();
}

}  // namespace lotwheel::qt

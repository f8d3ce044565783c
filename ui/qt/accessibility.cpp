// Tells assistive technology what the program's own widgets are.
#include "ui/qt/accessibility.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>

#include "ui/qt/announcer.h"
#include "ui/qt/frm_lotwheel.h"
#include "ui/qt/picture_label.h"

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

// What an announcer is to the screen reader: a notification named by the
// text announced, standing in its window. It has no area on the screen and is
// no child the window lists, so neither review nor Tab ever lands on it.
class NotificationAccessible final : public QAccessibleObject {
 public:
  explicit NotificationAccessible(Announcer* announcer)
      : QAccessibleObject(announcer) {}

  QAccessible::Role role() const override { return QAccessible::Notification; }
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return {};
    return static_cast<Announcer*>(object())->Text();
  }
  QAccessible::State state() const override { return {}; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(object()->parent());
  }
  int childCount() const override { return 0; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
};

bool Is(const QString& class_name, const QMetaObject& meta) {
  return class_name == QLatin1StringView(meta.className());
}

// Classes are matched exactly: while a widget is being destroyed it reads
// as its Qt base class, so no interface is ever made for a half-gone one.
QAccessibleInterface* Factory(const QString& class_name, QObject* object) {
  // A plain QWidget window would be a "filler" to the screen reader.
  if (Is(class_name, frmLotwheel::staticMetaObject))
    return new QAccessibleWidget(static_cast<QWidget*>(object),
                                 QAccessible::Window);
  if (Is(class_name, Announcer::staticMetaObject))
    return new NotificationAccessible(static_cast<Announcer*>(object));
  if (Is(class_name, PictureLabel::staticMetaObject))
    return new LinkAccessible(static_cast<PictureLabel*>(object));
  return nullptr;
}

}  // namespace

void InstallAccessibleInterfaces() {
  static const bool installed = [] {
    QAccessible::installFactory(&Factory);
    return true;
  }();
  (void)installed;
}

}  // namespace lotwheel::qt

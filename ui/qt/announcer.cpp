// Speaks a short text through the screen reader without moving the focus.
#include "ui/qt/announcer.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QWidget>

namespace lotwheel::qt {
namespace {

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

// Matched by exact class: while an announcer is being destroyed it reads as
// a plain QObject, so no interface is made for a half-gone one.
QAccessibleInterface* Factory(const QString& class_name, QObject* object) {
  if (class_name != QLatin1StringView(Announcer::staticMetaObject.className()))
    return nullptr;
  return new NotificationAccessible(static_cast<Announcer*>(object));
}

}  // namespace

Announcer::Announcer(QWidget* window) : QObject(window) {
  setObjectName(QStringLiteral("announcer"));
  static const bool installed = (QAccessible::installFactory(&Factory), true);
  (void)installed;
}

void Announcer::Announce(const QString& text) {
  text_ = text;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  QAccessibleAnnouncementEvent announcement(parent(), text);
  QAccessible::updateAccessibility(&announcement);
#else
  // Older Qt has no announcement: the announcer is a notification whose
  // name is the text, and screen readers read out a notification as soon as
  // it shows, whatever has the focus.
  QAccessibleEvent shown(this, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
#endif
}

}  // namespace lotwheel::qt

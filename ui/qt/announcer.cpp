// Speaks a short text through the screen reader without moving the focus.
#include "ui/qt/announcer.h"

#include <QAccessible>
#include <QWidget>

#include "ui/qt/accessibility.h"

namespace lotwheel::qt {

Announcer::Announcer(QWidget* window) : QObject(window) {
  setObjectName(QStringLiteral("announcer"));
  InstallAccessibleInterfaces();
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

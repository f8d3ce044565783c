// Tests of what a screen reader gets from both windows: roles, spoken names
// and actions.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QSignalSpy>

#include "ui/qt/frm_ver_info.h"
#include "ui/qt/picture_label.h"
#include "window_test_helpers.h"

using namespace Qt::StringLiterals;

namespace {

QAccessibleInterface* Accessible(const QWidget* window, const char* name) {
  return QAccessible::queryAccessibleInterface(
      *name ? Child<QWidget>(window, name) : const_cast<QWidget*>(window));
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

 private slots:
  void RolesNamesAndActions() {
    // Shown but never activated: without a window manager, as on the virtual
    // display, no window becomes active, and nothing here needs the keyboard.
    frmLotwheel main;
    main.show();
    frmVerInfo info;
    // Links are also pressable, yet out of the tab order.
    const std::tuple<const QWidget*, const char*, QAccessible::Role, QString>
        controls[] = {
            {&main, "", QAccessible::Window, main.windowTitle()},
            {&main, "lstMoto", QAccessible::List, u"入力ソース"_s},
            {&main, "lstAto", QAccessible::List, u"出力"_s},
            {&main, "txtHowWho", QAccessible::EditableText, u"当選人数"_s},
            {&main, "cmdAdd", QAccessible::Button, u"追加"_s},
            {&info, "", QAccessible::Dialog, info.windowTitle()},
            {&info, "Image2", QAccessible::Link,
             u"Z.Q HomePageへアクセスします。"_s},
            {&info, "Image3", QAccessible::Link,
             u"Lotus Lane Soft(Soft Harbor)にアクセスします。"_s},
        };
    const QString press = QAccessibleActionInterface::pressAction();
    for (const auto& [window, name, role, spoken] : controls) {
      QAccessibleInterface* iface = Accessible(window, name);
      QCOMPARE(iface->role(), role);
      QCOMPARE(iface->text(QAccessible::Name), spoken);
      if (role != QAccessible::Link) continue;
      QCOMPARE(iface->actionInterface()->actionNames(), QStringList{press});
      QVERIFY(!iface->state().focusable);
      QSignalSpy clicked(Child<lotwheel::qt::PictureLabel>(window, name),
                         &lotwheel::qt::PictureLabel::clicked);
      iface->actionInterface()->doAction(press);
      QCOMPARE(clicked.size(), 1);
    }
    // The version line is said as the window opens.
    QCOMPARE(Accessible(&info, "")->text(QAccessible::Description),
             u"Version:1.03.0005"_s);
  }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"

// Tests of what a screen reader gets from both windows: roles, spoken names
// and actions, and what is announced after each operation, with no
// description left behind to go stale.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QSignalSpy>

#include "ui/announcements.h"
#include "ui/control_table.h"
#include "ui/qt/announcer.h"
#include "ui/qt/frm_ver_info.h"
#include "ui/qt/picture_label.h"
#include "ui/qt/qt_text.h"
#include "ui/texts.h"
#include "window_test_helpers.h"

using namespace Qt::StringLiterals;

namespace {

// "lstMoto: …" for each description or name change, in order, and
// "announcer: …" for each announcement.
QStringList g_changes;

void RecordChange(QAccessibleEvent* event) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  if (event->type() == QAccessible::Announcement) {
    g_changes
        << u"announcer: "_s +
               static_cast<QAccessibleAnnouncementEvent*>(event)->message();
    return;
  }
#endif
  if (event->type() == QAccessible::ObjectShow &&
      qobject_cast<lotwheel::qt::Announcer*>(event->object())) {
    g_changes << u"announcer: "_s +
                     event->accessibleInterface()->text(QAccessible::Name);
    return;
  }
  const bool name = event->type() == QAccessible::NameChanged;
  if (!name && event->type() != QAccessible::DescriptionChanged) return;
  // A message box names its own controls as it comes up.
  const auto* widget = qobject_cast<QWidget*>(event->object());
  if (!widget || widget->window()->objectName() != u"frmLotwheel"_s) return;
  QAccessibleInterface* iface = event->accessibleInterface();
  g_changes << event->object()->objectName() + u": "_s +
                   iface->text(name ? QAccessible::Name
                                    : QAccessible::Description);
}

QAccessibleInterface* Accessible(const QWidget* window, const char* name) {
  return QAccessible::queryAccessibleInterface(
      *name ? window->findChild<QObject*>(QString::fromLatin1(name))
            : const_cast<QWidget*>(window));
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QAccessible::installUpdateHandler(&RecordChange);
    // Starts this session's accessibility bus, which Qt joins once it is
    // there; without a session bus the call just fails.
    QDBusConnection::sessionBus().call(
        QDBusMessage::createMethodCall(u"org.a11y.Bus"_s, u"/org/a11y/bus"_s,
                                       u"org.a11y.Bus"_s, u"GetAddress"_s));
  }

  void RolesNamesActionsAndReportedChanges() {
    // Shown but never activated: without a window manager, as on the virtual
    // display, no window becomes active, and nothing here needs the keyboard.
    frmLotwheel main;
    main.show();
    frmVerInfo info;
    info.show();  // which sets its version line
    const auto click = [&](const char* button) {
      WatchModal([&] { Child<QPushButton>(&main, button)->click(); });
    };
    const auto add = [&](const QString& lines) {
      Child<QPlainTextEdit>(&main, "txtAdd")->setPlainText(lines);
      click("cmdAdd");
    };
    const auto draw = [&](const QString& count) {
      Child<QLineEdit>(&main, "txtHowWho")->setText(count);
      click("cmdBuild");
    };
    using lotwheel::qt::ToQString;
    using lotwheel::ui::ControlId;
    using lotwheel::ui::MainControl;
    using lotwheel::ui::VerInfoControl;
    const auto spoken = [](const lotwheel::ui::ControlTable& table,
                           ControlId id) {
      return ToQString(table.Row(id).spoken_name);
    };
    const auto& main_table = lotwheel::ui::MainWindowTable();
    const auto& info_table = lotwheel::ui::VerInfoWindowTable();
    // Links are also pressable, yet out of the tab order.
    const std::tuple<const QWidget*, const char*, QAccessible::Role, QString>
        controls[] = {
            {&main, "", QAccessible::Window, main.windowTitle()},
            {&main, "lstMoto", QAccessible::List,
             spoken(main_table, MainControl::lstMoto)},
            {&main, "txtHowWho", QAccessible::EditableText,
             spoken(main_table, MainControl::txtHowWho)},
            {&main, "cmdAdd", QAccessible::Button,
             spoken(main_table, MainControl::cmdAdd)},
            {&main, "announcer", QAccessible::Notification, QString()},
            {&info, "", QAccessible::Dialog, info.windowTitle()},
            {&info, "Image3", QAccessible::Link,
             spoken(info_table, VerInfoControl::Image3)},
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
             ToQString(lotwheel::ui::VersionLine()));
    info.hide();

    // What an operation reports: one announcement, but for a refusal, whose
    // box says it. Which words each says is the presenter's, tested there.
    struct Operation {
      const char* what;
      std::function<void()> run;
      QStringList changes;
    };
    const auto said = [](const std::u16string& text) {
      return QStringList{u"announcer: "_s + ToQString(text)};
    };
    const Operation operations[] = {
        {"add", [&] { add(u"青木\n石井"_s); },
         said(lotwheel::ui::AddedText(2, 2))},
        {"refused draw", [&] { draw(u"9"_s); }, {}},
        {"clear", [&] { click("cmdClear"); },
         said(lotwheel::ui::ClearedText())},
    };
    // Qt sends change events only while an accessibility backend runs: on
    // X11 with an accessibility bus. Elsewhere the descriptions are checked
    // and the events skipped.
    const bool events =
        QGuiApplication::platformName() == u"xcb"_s &&
        QTest::qWaitFor([] { return QAccessible::isActive(); }, 5000);
    for (const Operation& op : operations) {
      g_changes.clear();
      op.run();
      const QStringList& expected = op.changes;
      for (const QString& change : expected) {
        const qsizetype colon = change.indexOf(u": "_s);
        const QString control = change.left(colon);
        QCOMPARE(
            Accessible(&main, qPrintable(control))
                ->text(control == u"announcer"_s ? QAccessible::Name
                                                 : QAccessible::Description),
            change.mid(colon + 2));
      }
      if (events) {
        QVERIFY2(g_changes == expected,
                 qPrintable(op.what + u": "_s + g_changes.join(u" | "_s)));
      }
    }
    if (!events) QSKIP("no accessibility bus: change events not checked");
  }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"

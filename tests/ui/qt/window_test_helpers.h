// Helpers of the window tests: finding controls, reading lists and handling
// the modal windows that buttons and keys bring up.
#pragma once

#include <QAbstractItemModel>
#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <utility>

#include "ui/qt/frm_lotwheel.h"
#include "ui/qt/frm_ver_info.h"

using lotwheel::qt::frmLotwheel;
using lotwheel::qt::frmVerInfo;

template <typename T = QWidget>
T* Child(const QWidget* window, const char* name) {
  auto* child = window->findChild<T*>(QString::fromLatin1(name));
  if (child == nullptr) qFatal("no control named %s", name);
  return child;
}

// The entries a list shows, top to bottom, read through its view's model.
inline QStringList Rows(const QWidget* window, const char* list) {
  QStringList rows;
  const QAbstractItemModel* model = Child<QListView>(window, list)->model();
  for (int row = 0; row < model->rowCount(); ++row)
    rows << model->index(row, 0).data().toString();
  return rows;
}

// The title bar offers the close box and neither minimise nor maximise:
// without the customize hint the platform would add both.
inline bool HasCloseBoxOnly(const QWidget* window) {
  const Qt::WindowFlags flags = window->windowFlags();
  return flags.testFlag(Qt::CustomizeWindowHint) &&
         flags.testFlag(Qt::WindowCloseButtonHint) &&
         !flags.testFlag(Qt::WindowMinimizeButtonHint) &&
         !flags.testFlag(Qt::WindowMaximizeButtonHint);
}

// Presses a key, with its modifiers, on the control that has the focus.
inline void Press(QKeyCombination key) {
  QTest::keyClick(QApplication::focusWidget(), key.key(),
                  key.keyboardModifiers());
}

// What the last modal window that came up looked like.
struct Modal {
  int count = 0;  // modal windows fully handled so far
  QString class_name, title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int buttons = 0;
  bool active = false;     // it became active and `inside` ran on it
  bool left_open = false;  // still open after `inside`, closed by force
  QPointer<QWidget> window;
};

// While it lives, records every modal window that comes up, runs `inside` on
// it and closes it if it is still open. It polls rather than firing once: an
// access key clicks its button about 100 ms late. Its timer also runs inside
// the modal window's own loop, so a handler that waits for the window
// returns. Checks go on `seen` afterwards, since a failed check inside the
// timer would only leave the lambda.
class ModalWatch {
 public:
  explicit ModalWatch(std::function<void(QWidget*)> inside = {})
      : inside_(std::move(inside)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Check(); });
    timer_.start(5);
  }
  ~ModalWatch() {
    timer_.stop();
    while (QWidget* left = QApplication::activeModalWidget()) left->close();
  }
  Modal seen;

 private:
  void Check() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || busy_) return;
    busy_ = true;  // `inside` may spin the event loop and bring us back here
    seen.window = modal;
    seen.class_name = QString::fromLatin1(modal->metaObject()->className());
    seen.title = modal->windowTitle();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      seen.text = box->text();
      seen.icon = box->icon();
      seen.buttons = box->buttons().size();
    }
    if (inside_) {
      modal->activateWindow();
      seen.active = QTest::qWaitForWindowActive(modal);
      if (seen.active) inside_(modal);
    }
    seen.left_open = seen.window && seen.window->isVisible();
    if (seen.left_open) seen.window->close();
    ++seen.count;
    busy_ = false;
  }
  std::function<void(QWidget*)> inside_;
  QTimer timer_;
  bool busy_ = false;
};

// Runs an action whose handler opens any modal window at once, and returns
// what came up.
inline Modal WatchModal(const std::function<void()>& action,
                        std::function<void(QWidget*)> inside = {}) {
  ModalWatch watch(std::move(inside));
  action();
  return watch.seen;
}

// The main window of one test, shown and active so that keys reach it.
struct MainWindow {
  MainWindow() {
    w.show();
    w.activateWindow();
    if (!QTest::qWaitForWindowActive(&w)) qFatal("window not active");
  }
  QStringList Rows(const char* list) const { return ::Rows(&w, list); }
  QPlainTextEdit* txtAdd() { return Child<QPlainTextEdit>(&w, "txtAdd"); }
  QLineEdit* txtHowWho() { return Child<QLineEdit>(&w, "txtHowWho"); }
  Modal Click(const char* button) {
    return WatchModal(
        [this, button] { Child<QPushButton>(&w, button)->click(); });
  }
  Modal Add(const QString& lines) {
    txtAdd()->setPlainText(lines);
    return Click("cmdAdd");
  }
  Modal Draw(const QString& count) {
    txtHowWho()->setText(count);
    return Click("cmdBuild");
  }
  static QString Focus() {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
  }
  // The focus, both lists and the two boxes, to compare before and after.
  QStringList State() {
    return {Focus(), Rows("lstMoto").join(','), Rows("lstAto").join(','),
            txtAdd()->toPlainText(), txtHowWho()->text()};
  }
  frmLotwheel w;
};

// Tests of the version window: its version line, layout, pictures, pointer,
// links, keys and every way of closing it.
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <climits>
#include <functional>

#include "ui/cursor_file.h"
#include "ui/frm_lotwheel.h"
#include "ui/frm_ver_info.h"
#include "ui/ver_info_texts.h"
#include "ui/version_line.h"

namespace {

const QString kGroupTip = QStringLiteral(u"Z.Q HomePageへアクセスします。");
const QString kLabelTip =
    QStringLiteral(u"Lotus Lane Soft(Soft Harbor)にアクセスします。");
const QUrl kGroupUrl(QStringLiteral("https://zq.example.org/"));
const QUrl kAuthorUrl(
    QStringLiteral("https://downloads.example.net/authors/lotuslane/"));

// What a visit to the modal window saw.
struct Visit {
  bool opened = false;     // the window came up and the visit ran
  bool left_open = false;  // still open after the visit, closed by force
  bool finished = false;   // the visit is over
  QPointer<QWidget> window;
};

// Runs `inside` on the modal window that `open` brings up, then returns once
// the window is gone; `open` may return before the window opens (an access
// key clicks its button a moment later). The window is looked for by a timer
// that never waits itself, so a window that opens late is still found.
// Checks belong after the call, on the returned Visit: a failed check inside
// the timer would only leave the lambda.
Visit VisitModal(const std::function<void()>& open,
                 const std::function<void(QWidget*)>& inside) {
  Visit visit;
  QTimer poll;
  poll.setInterval(5);
  QObject::connect(&poll, &QTimer::timeout, [&visit, &inside, &poll] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) return;
    poll.stop();
    visit.window = modal;
    modal->activateWindow();
    if (QTest::qWaitForWindowActive(modal)) {
      visit.opened = true;
      inside(modal);
    }
    if (visit.window && visit.window->isVisible()) {
      visit.left_open = true;
      visit.window->close();
    }
    visit.finished = true;
  });
  poll.start();
  open();
  (void)QTest::qWaitFor([&visit] { return visit.finished; });
  poll.stop();
  return visit;
}

Visit VisitVersionWindow(const std::function<void(QWidget*)>& inside) {
  return VisitModal([] { frmVerInfo::ShowModal(nullptr); }, inside);
}

template <typename T>
T* Child(QWidget* window, const char* name) {
  return window->findChild<T*>(QString::fromLatin1(name));
}

// The entries a list shows, top to bottom.
QStringList Rows(QWidget* window, const char* list_name) {
  QStringList rows;
  const QAbstractItemModel* model =
      Child<QListView>(window, list_name)->model();
  for (int row = 0; row < model->rowCount(); ++row) {
    rows << model->index(row, 0).data().toString();
  }
  return rows;
}

// What the main window shows in its lists and boxes.
QStringList MainWindowState(QWidget* main) {
  return Rows(main, "lstMoto") + QStringList{QStringLiteral("|")} +
         Rows(main, "lstAto") + QStringList{QStringLiteral("|")} +
         QStringList{Child<QPlainTextEdit>(main, "txtAdd")->toPlainText(),
                     Child<QLineEdit>(main, "txtHowWho")->text()};
}

// Keeps the addresses that the window asks the desktop to open.
class UrlCatcher final : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> urls;
 public slots:
  void Open(const QUrl& url) { urls.append(url); }
};

}  // namespace

class VerInfoTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() {
    while (QWidget* modal = QApplication::activeModalWidget()) modal->close();
  }

  // --- The version line -----------------------------------------------------
  void VersionLine_data() {
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("expected");
    QTest::newRow("this version") << 1 << 3 << 5 << "Version:1.03.0005";
    QTest::newRow("longer minor and revision")
        << 2 << 10 << 123 << "Version:2.10.0123";
    QTest::newRow("more digits than the minimum")
        << 1 << 100 << 12345 << "Version:1.100.12345";
    QTest::newRow("all zero") << 0 << 0 << 0 << "Version:0.00.0000";
    QTest::newRow("sign before the zeros")
        << -1 << -3 << -5 << "Version:-1.-03.-0005";
    QTest::newRow("largest numbers")
        << INT_MAX << INT_MIN << INT_MAX
        << "Version:2147483647.-2147483648.2147483647";
  }
  void VersionLine() {
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, revision);
    QFETCH(QString, expected);
    QCOMPARE(
        QString::fromStdString(lotwheel::VersionLine(major, minor, revision)),
        expected);
  }

  // --- The window as built ------------------------------------------------
  void WhatItShows() {
    frmVerInfo window;
    QCOMPARE(
        window.windowTitle(),
        QStringLiteral("Z.Q Lotwheel for Tournament Basic Version Infomation"));
    QCOMPARE(window.minimumSize(), QSize(414, 180));
    QCOMPARE(window.maximumSize(), QSize(414, 180));
    // The version comes from the build, never the designed placeholder.
    QCOMPARE(Child<QLabel>(&window, "lblVerinfo")->text(),
             QStringLiteral("Version:1.03.0005"));
    QCOMPARE(Child<QWidget>(&window, "Image2")->toolTip(), kGroupTip);
    QCOMPARE(Child<QWidget>(&window, "Image3")->toolTip(), kLabelTip);
  }

  void ControlGeometry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("expected");
    // The designed twips, divided by 15 and rounded.
    QTest::newRow("Image1") << "Image1" << QRect(7, 7, 32, 32);
    QTest::newRow("Label1") << "Label1" << QRect(42, 12, 365, 22);
    QTest::newRow("lblVerinfo") << "lblVerinfo" << QRect(238, 39, 169, 15);
    QTest::newRow("Text1") << "Text1" << QRect(7, 56, 400, 71);
    QTest::newRow("Image2") << "Image2" << QRect(7, 135, 160, 38);
    QTest::newRow("Image3") << "Image3" << QRect(181, 134, 120, 40);
    QTest::newRow("cmdOK") << "cmdOK" << QRect(315, 143, 92, 22);
  }
  void ControlGeometry() {
    QFETCH(QString, name);
    QFETCH(QRect, expected);
    frmVerInfo window;
    auto* control = window.findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), &window);
    QCOMPARE(control->geometry(), expected);
  }

  void PicturesFillTheirControls_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("icon") << "Image1";
    QTest::newRow("group banner") << "Image2";
    QTest::newRow("label banner") << "Image3";
  }
  void PicturesFillTheirControls() {
    QFETCH(QString, name);
    frmVerInfo window;
    auto* picture = window.findChild<QLabel*>(name);
    QVERIFY(picture);
    const QPixmap pixmap = picture->pixmap();
    QVERIFY(!pixmap.isNull());
    QCOMPARE(pixmap.size(), picture->size());
    QCOMPARE(picture->focusPolicy(), Qt::NoFocus);
  }

  void CreditsText() {
    // Eight lines, each ended by CR LF, with no CR or LF anywhere else.
    const QString credits = QString::fromUtf8(lotwheel::kCreditsText);
    QVERIFY(credits.endsWith(QStringLiteral("\r\n")));
    QStringList lines = credits.split(QStringLiteral("\r\n"));
    lines.removeLast();
    QCOMPARE(lines.size(), 8);
    for (qsizetype i = 0; i < lines.size(); ++i) {
      QVERIFY(!lines[i].contains(QLatin1Char('\r')));
      QVERIFY(!lines[i].contains(QLatin1Char('\n')));
      QCOMPARE(lines[i].isEmpty(), i == 3 || i == 5);
    }
    // The box shows them as eight lines, without a ninth empty one.
    frmVerInfo window;
    auto* box = Child<QPlainTextEdit>(&window, "Text1");
    QCOMPARE(box->document()->blockCount(), 8);
    QCOMPARE(box->toPlainText().split(QLatin1Char('\n')), lines);
    QVERIFY(!box->isReadOnly());
    QCOMPARE(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  }

  void BannersShowTheHand_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("group banner") << "Image2";
    QTest::newRow("label banner") << "Image3";
  }
  void BannersShowTheHand() {
    QFETCH(QString, name);
    frmVerInfo window;
    auto* banner = window.findChild<QWidget*>(name);
    QVERIFY(banner);
    QVERIFY(banner->testAttribute(Qt::WA_SetCursor));
    const QCursor cursor = banner->cursor();
    QCOMPARE(cursor.shape(), Qt::BitmapCursor);
    QCOMPARE(cursor.hotSpot(), QPoint(12, 1));
    QCOMPARE(cursor.pixmap().size(), QSize(32, 32));
    // Elsewhere the pointer stays the arrow.
    QVERIFY(!window.testAttribute(Qt::WA_SetCursor));
    QVERIFY(
        !Child<QWidget>(&window, "Image1")->testAttribute(Qt::WA_SetCursor));
  }

  // --- The cursor file ----------------------------------------------------
  void CursorHotSpot_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QPoint>("hot_spot");
    // Header (reserved, type, count) and one directory entry (width, height,
    // colours, reserved, hot spot x, hot spot y, size, offset).
    const auto file = [](quint16 type, quint8 width, quint16 x, quint16 y) {
      QByteArray data;
      const auto u16 = [&data](quint16 v) {
        data.append(char(v & 0xff)).append(char(v >> 8));
      };
      u16(0), u16(type), u16(1);
      data.append(char(width)).append(char(width)).append('\x10').append('\0');
      u16(x), u16(y);
      data.append(QByteArray(8, '\0'));
      return data;
    };
    QTest::newRow("fingertip") << file(2, 32, 12, 1) << true << QPoint(12, 1);
    QTest::newRow("256 wide")
        << file(2, 0, 200, 255) << true << QPoint(200, 255);
    QTest::newRow("icon, not cursor")
        << file(1, 32, 12, 1) << false << QPoint();
    QTest::newRow("hot spot off the image")
        << file(2, 32, 32, 1) << false << QPoint();
    QTest::newRow("cut short")
        << file(2, 32, 12, 1).left(20) << false << QPoint();
  }
  void CursorHotSpot() {
    QFETCH(QByteArray, data);
    QFETCH(bool, valid);
    QFETCH(QPoint, hot_spot);
    const std::optional<QPoint> read = lotwheel::CursorHotSpot(data);
    QCOMPARE(read.has_value(), valid);
    if (valid) QCOMPARE(*read, hot_spot);
  }

  void UnreadableCursorFileFallsBackToTheHand() {
    const QCursor cursor =
        lotwheel::LoadCursorFile(QStringLiteral(":/no/such/pointer.cur"));
    QCOMPARE(cursor.shape(), Qt::PointingHandCursor);
  }

  // --- Opening, keys and closing -------------------------------------------
  void Closing_data() {
    QTest::addColumn<QString>("how");
    for (const char* how :
         {"OK clicked", "Alt+O", "Enter in Text1", "keypad Enter in Text1",
          "Esc", "close box", "space on OK", "Enter on OK"}) {
      QTest::newRow(how) << QString::fromLatin1(how);
    }
  }
  void Closing() {
    QFETCH(QString, how);
    QString focus_at_start;
    const Visit visit = VisitVersionWindow([&](QWidget* window) {
      auto* ok = Child<QPushButton>(window, "cmdOK");
      auto* text = Child<QPlainTextEdit>(window, "Text1");
      if (QWidget* focus = QApplication::focusWidget()) {
        focus_at_start = focus->objectName();
      }
      if (how == QLatin1String("OK clicked")) {
        QTest::mouseClick(ok, Qt::LeftButton);
      } else if (how == QLatin1String("Alt+O")) {
        // The access key animates the button and clicks it a moment later.
        QTest::keyClick(text, Qt::Key_O, Qt::AltModifier);
        (void)QTest::qWaitFor([window] { return !window->isVisible(); });
      } else if (how == QLatin1String("Enter in Text1")) {
        QTest::keyClick(text, Qt::Key_Return);
      } else if (how == QLatin1String("keypad Enter in Text1")) {
        QTest::keyClick(text, Qt::Key_Enter, Qt::KeypadModifier);
      } else if (how == QLatin1String("Esc")) {
        QTest::keyClick(text, Qt::Key_Escape);
      } else if (how == QLatin1String("close box")) {
        window->close();
      } else if (how == QLatin1String("space on OK")) {
        ok->setFocus();
        QTest::keyClick(ok, Qt::Key_Space);
      } else if (how == QLatin1String("Enter on OK")) {
        ok->setFocus();
        QTest::keyClick(ok, Qt::Key_Return);
      }
    });
    QVERIFY(visit.opened);
    QCOMPARE(focus_at_start, QStringLiteral("Text1"));
    QVERIFY2(!visit.left_open, "the window stayed open");
    // Closed means gone: the next opening builds a new window.
    QTRY_VERIFY(visit.window.isNull());
  }

  void KeysInTheCreditsBox() {
    int blocks_before = 0;
    int blocks_after = 0;
    bool open_after_ctrl_enter = false;
    QStringList focus_path;
    const Visit visit = VisitVersionWindow([&](QWidget* window) {
      auto* text = Child<QPlainTextEdit>(window, "Text1");
      blocks_before = text->document()->blockCount();
      QTest::keyClick(text, Qt::Key_Return, Qt::ControlModifier);
      blocks_after = text->document()->blockCount();
      open_after_ctrl_enter = window->isVisible();
      for (int i = 0; i < 2; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        focus_path << QApplication::focusWidget()->objectName();
      }
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
      focus_path << QApplication::focusWidget()->objectName();
      focus_path << QString::number(text->toPlainText().count(u'\t'));
    });
    QVERIFY(visit.opened);
    QVERIFY(open_after_ctrl_enter);
    QCOMPARE(blocks_after, blocks_before + 1);
    // Tab goes to OK and back and never types a tab character.
    QCOMPARE(focus_path,
             (QStringList{QStringLiteral("cmdOK"), QStringLiteral("Text1"),
                          QStringLiteral("cmdOK"), QStringLiteral("0")}));
  }

  void ReopeningRestoresTheCredits() {
    QString typed;
    const Visit first = VisitVersionWindow([&](QWidget* window) {
      auto* text = Child<QPlainTextEdit>(window, "Text1");
      text->selectAll();
      QTest::keyClicks(text, QStringLiteral("scribbled over"));
      typed = text->toPlainText();
      QTest::keyClick(text, Qt::Key_Escape);
    });
    QString shown_again;
    const Visit second = VisitVersionWindow([&](QWidget* window) {
      shown_again = Child<QPlainTextEdit>(window, "Text1")->toPlainText();
      window->close();
    });
    QVERIFY(first.opened && second.opened);
    QCOMPARE(typed, QStringLiteral("scribbled over"));
    QString credits = QString::fromUtf8(lotwheel::kCreditsText);
    credits.chop(2);
    QCOMPARE(shown_again,
             credits.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  }

  // --- From the main window -----------------------------------------------
  void OpeningFromTheMainWindow_data() {
    QTest::addColumn<bool>("by_key");
    QTest::newRow("button clicked") << false;
    QTest::newRow("Alt+V") << true;
  }
  void OpeningFromTheMainWindow() {
    QFETCH(bool, by_key);
    frmLotwheel main;
    main.show();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    // Something in both lists, the entry box and the count box.
    Child<QPlainTextEdit>(&main, "txtAdd")
        ->setPlainText(QStringLiteral("alpha\nbravo\ncharlie"));
    QTest::mouseClick(Child<QPushButton>(&main, "cmdAdd"), Qt::LeftButton);
    Child<QLineEdit>(&main, "txtHowWho")->setText(QStringLiteral("1"));
    QTest::mouseClick(Child<QPushButton>(&main, "cmdBuild"), Qt::LeftButton);
    const QStringList before = MainWindowState(&main);
    QCOMPARE(Rows(&main, "lstAto").size(), 1);

    QString title;
    QStringList while_open;
    const Visit visit = VisitModal(
        [&main, by_key] {
          auto* button = Child<QPushButton>(&main, "cmdVerInfo");
          if (by_key) {
            QTest::keyClick(&main, Qt::Key_V, Qt::AltModifier);
          } else {
            QTest::mouseClick(button, Qt::LeftButton);
          }
        },
        [&](QWidget* window) {
          title = window->windowTitle();
          // The main window takes no clicks or keys while the version window
          // is up. They go in through its native window, as the user's
          // would; sent straight to a widget they would skip the modal check.
          QWindow* native = main.windowHandle();
          for (const char* name : {"cmdClear", "cmdBuild"}) {
            auto* button = Child<QPushButton>(&main, name);
            QTest::mouseClick(native, Qt::LeftButton, {},
                              button->mapTo(&main, button->rect().center()));
          }
          QTest::keyClick(native, Qt::Key_C, Qt::AltModifier);
          while_open = MainWindowState(&main);
          QTest::mouseClick(Child<QPushButton>(window, "cmdOK"),
                            Qt::LeftButton);
        });
    QVERIFY(visit.opened);
    QVERIFY(!visit.left_open);
    QCOMPARE(
        title,
        QStringLiteral("Z.Q Lotwheel for Tournament Basic Version Infomation"));
    QCOMPARE(while_open, before);
    QCOMPARE(MainWindowState(&main), before);
    QTRY_VERIFY(visit.window.isNull());
    // And it works as before: the same click on the clear button now empties
    // both lists.
    QTRY_VERIFY(main.isActiveWindow());
    auto* clear = Child<QPushButton>(&main, "cmdClear");
    QTest::mouseClick(main.windowHandle(), Qt::LeftButton, {},
                      clear->mapTo(&main, clear->rect().center()));
    QVERIFY(Rows(&main, "lstMoto").isEmpty());
    QVERIFY(Rows(&main, "lstAto").isEmpty());
  }

  // --- The banners as links -----------------------------------------------
  void BannerClicksOpenTheirPages() {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "Open");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "Open");
    QList<bool> open_after_each;
    QList<QUrl> after_other_clicks;
    const Visit visit = VisitVersionWindow([&](QWidget* window) {
      for (const char* name : {"Image2", "Image2", "Image3"}) {
        QTest::mouseClick(Child<QWidget>(window, name), Qt::LeftButton);
        open_after_each << window->isVisible();
      }
      // Neither the other controls nor a press dragged off a banner open
      // anything.
      const qsizetype count = catcher.urls.size();
      for (const char* name : {"Image1", "Label1", "lblVerinfo"}) {
        QTest::mouseClick(Child<QWidget>(window, name), Qt::LeftButton);
      }
      QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(410, 2));
      QTest::mouseClick(Child<QWidget>(window, "Image3"), Qt::RightButton);
      auto* banner = Child<QWidget>(window, "Image2");
      QTest::mousePress(banner, Qt::LeftButton);
      QTest::mouseRelease(banner, Qt::LeftButton, {}, QPoint(-20, -20));
      after_other_clicks = catcher.urls.mid(count);
      open_after_each << window->isVisible();
    });
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QVERIFY(visit.opened);
    QCOMPARE(catcher.urls, (QList<QUrl>{kGroupUrl, kGroupUrl, kAuthorUrl}));
    QCOMPARE(open_after_each, (QList<bool>{true, true, true, true}));
    QVERIFY(after_other_clicks.isEmpty());
    QVERIFY(visit.left_open);  // the clicks closed nothing
  }
};

QTEST_MAIN(VerInfoTest)
#include "ver_info_test.moc"

// Tests of the version window: its version line, layout, pictures, pointer,
// links, keys and every way of closing it.
#include <QDataStream>
#include <QDesktopServices>
#include <QLabel>
#include <QWindow>
#include <climits>
#include <tuple>

#include "ui/control_table.h"
#include "ui/qt/cursor_file.h"
#include "ui/qt/frm_ver_info.h"
#include "ui/qt/qt_text.h"
#include "ui/texts.h"
#include "window_test_helpers.h"

using namespace Qt::StringLiterals;

namespace {

// Opens the version window by itself and runs `inside` on it once it is
// active; whatever is still open afterwards is closed.
Modal Visit(std::function<void(QWidget*)> inside) {
  return WatchModal([] { frmVerInfo::ShowModal(nullptr); }, std::move(inside));
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
  // Controls where the designed twips put them (over 15, rounded), pictures
  // the size of their controls, hand and tooltip on the banners, credits.
  void WhatTheWindowShows() {
    frmVerInfo window;
    window.show();
    QCOMPARE(window.minimumSize(), QSize(414, 180));
    QCOMPARE(window.maximumSize(), QSize(414, 180));
    QVERIFY(HasCloseBoxOnly(&window));
    // No icon in the title bar: the one it has is blank.
    const QImage icon = window.windowIcon().pixmap(16, 16).toImage();
    QVERIFY(!icon.isNull());
    for (int y = 0; y < icon.height(); ++y)
      for (int x = 0; x < icon.width(); ++x)
        QCOMPARE(qAlpha(icon.pixel(x, y)), 0);
    // The version comes from the build, never the designed placeholder.
    QCOMPARE(Child<QLabel>(&window, "lblVerinfo")->text(),
             lotwheel::qt::ToQString(lotwheel::ui::VersionLine()));
    QVERIFY(!window.testAttribute(Qt::WA_SetCursor));
    for (const lotwheel::ui::ControlInfo& info :
         lotwheel::ui::VerInfoWindowTable().controls) {
      const char* name = info.name;
      const QRect rect(QPoint(info.rect.left, info.rect.top) / 15.0,
                       QSize(info.rect.width, info.rect.height) / 15.0);
      const bool picture = info.kind == lotwheel::ui::ControlKind::kPicture;
      const QString tip = lotwheel::qt::ToQString(info.tooltip);
      auto* control = Child(&window, name);
      QCOMPARE(std::tuple(name, control->parentWidget(), control->geometry()),
               std::tuple(name, &window, rect));
      QCOMPARE(std::pair(name, control->toolTip()), std::pair(name, tip));
      if (picture)
        QCOMPARE(std::pair(name, Child<QLabel>(&window, name)->pixmap().size()),
                 std::pair(name, rect.size()));
      // The banners are the links; they alone show the hand.
      const bool hand = !tip.isEmpty();
      QCOMPARE(std::pair(name, control->testAttribute(Qt::WA_SetCursor)),
               std::pair(name, hand));
      const QCursor cursor = control->cursor();
      if (hand)
        QCOMPARE(std::tuple(cursor.shape(), cursor.hotSpot(),
                            cursor.pixmap().size()),
                 std::tuple(Qt::BitmapCursor, QPoint(12, 1), QSize(32, 32)));
    }
    // Eight lines, each ended by CR LF, with no CR or LF anywhere else.
    const QStringList lines =
        lotwheel::qt::ToQString(lotwheel::ui::kCreditsText).split("\r\n"_L1);
    QCOMPARE(lines.size(), 9);
    QCOMPARE(lines.last(), QString());
    QVERIFY(!lines.join(' ').contains('\r') && !lines.join(' ').contains('\n'));
    // The box shows them as eight lines, without a ninth empty one.
    auto* box = Child<QPlainTextEdit>(&window, "Text1");
    QCOMPARE(box->document()->blockCount(), 8);
    QCOMPARE(box->toPlainText(), lines.mid(0, 8).join('\n'));
  }

  void CursorHotSpot_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QPoint>("hot_spot");  // (-1, -1) when unreadable
    // Header (reserved, type, count) and one directory entry (width, height,
    // colours, reserved, hot spot x, hot spot y, size, offset).
    const auto file = [](quint16 type, quint8 width, quint16 x, quint16 y) {
      QByteArray data;
      QDataStream out(&data, QIODevice::WriteOnly);
      out.setByteOrder(QDataStream::LittleEndian);
      out << quint16(0) << type << quint16(1) << width << width << quint8(16)
          << quint8(0) << x << y << quint32(0) << quint32(0);
      return data;
    };
    const QPoint none(-1, -1);
    QTest::newRow("fingertip") << file(2, 32, 12, 1) << QPoint(12, 1);
    QTest::newRow("256 wide") << file(2, 0, 200, 255) << QPoint(200, 255);
    QTest::newRow("icon, not cursor") << file(1, 32, 12, 1) << none;
    QTest::newRow("hot spot off the image") << file(2, 32, 32, 1) << none;
    QTest::newRow("cut short") << file(2, 32, 12, 1).left(20) << none;
  }
  void CursorHotSpot() {
    QFETCH(QByteArray, data);
    QFETCH(QPoint, hot_spot);
    QCOMPARE(lotwheel::qt::CursorHotSpot(data).value_or(QPoint(-1, -1)),
             hot_spot);
    // A file that cannot be read gives the system's hand instead.
    QCOMPARE(lotwheel::qt::LoadCursorFile(u":/no/such/pointer.cur"_s).shape(),
             Qt::PointingHandCursor);
  }

  void Closing_data() {
    QTest::addColumn<QString>("focus");  // where the key goes, if a key
    QTest::addColumn<int>("key");
    const auto row = [](const char* how, const char* focus = "",
                        QKeyCombination key = {}) {
      QTest::newRow(how) << focus << key.toCombined();
    };
    row("OK clicked");
    row("close box");
    row("Alt+O", "Text1", Qt::ALT | Qt::Key_O);
    row("Enter in Text1", "Text1", Qt::Key_Return);
    row("keypad Enter in Text1", "Text1", Qt::KeypadModifier | Qt::Key_Enter);
    row("Esc", "Text1", Qt::Key_Escape);
    row("space on OK", "cmdOK", Qt::Key_Space);
    row("Enter on OK", "cmdOK", Qt::Key_Return);
  }
  // Each after the credits were typed over: the next opening builds a new
  // window, with the credits as they were.
  void Closing() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    const QByteArray how = QTest::currentDataTag();
    QString focus_at_start, typed, shown_again;
    const Modal seen = Visit([&](QWidget* window) {
      focus_at_start = MainWindow::Focus();
      auto* text = Child<QPlainTextEdit>(window, "Text1");
      text->selectAll();
      QTest::keyClicks(text, u"scribbled over"_s);
      typed = text->toPlainText();
      if (how == "OK clicked")
        QTest::mouseClick(Child(window, "cmdOK"), Qt::LeftButton);
      if (how == "close box") window->close();
      if (focus.isEmpty()) return;
      Child(window, qPrintable(focus))->setFocus();
      Press(QKeyCombination::fromCombined(key));
      // An access key animates its button and clicks it a moment later.
      (void)QTest::qWaitFor([window] { return !window->isVisible(); });
    });
    QCOMPARE(focus_at_start + ": " + typed, u"Text1: scribbled over"_s);
    QVERIFY2(!seen.left_open, "the window stayed open");
    QTRY_VERIFY(seen.window.isNull());
    Visit([&](QWidget* window) {
      shown_again = Child<QPlainTextEdit>(window, "Text1")->toPlainText();
    });
    QString credits =
        lotwheel::qt::ToQString(lotwheel::ui::kCreditsText).trimmed();
    QCOMPARE(shown_again, credits.replace("\r\n"_L1, "\n"_L1));
  }

  void KeysInTheCreditsBox() {
    QStringList seen_keys;
    Visit([&](QWidget* window) {
      const QTextDocument* text =
          Child<QPlainTextEdit>(window, "Text1")->document();
      const int blocks = text->blockCount();
      Press(Qt::CTRL | Qt::Key_Return);
      seen_keys << QString::number(text->blockCount() - blocks)
                << (window->isVisible() ? "open" : "closed");
      for (const QKeyCombination key :
           {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Backtab})
        Press(key), seen_keys << MainWindow::Focus();
      seen_keys << QString::number(text->toPlainText().count('\t'));
    });
    // Ctrl+Enter starts a line and closes nothing; Tab goes to OK and back
    // and never types a tab character.
    QCOMPARE(seen_keys,
             QStringList({"1", "open", "cmdOK", "Text1", "cmdOK", "0"}));
  }

  // By a click and by Alt+V. While it is open the main window takes no
  // clicks or keys; afterwards it works as before, its lists unchanged.
  void OpeningFromTheMainWindow() {
    MainWindow main;
    main.Add(u"alpha\nbravo\ncharlie"_s);
    main.Draw(u"1"_s);
    const QStringList before = main.State();
    QCOMPARE(main.Rows("lstAto").size(), 1);
    // Clicks go in through the native window, as the user's would; sent
    // straight to a widget they would skip the modal check.
    const auto click = [&main](const char* name) {
      QWidget* button = Child(&main.w, name);
      QTest::mouseClick(main.w.windowHandle(), Qt::LeftButton, {},
                        button->mapTo(&main.w, button->rect().center()));
    };
    for (const bool by_key : {false, true}) {
      QStringList while_open;  // the title, then the main window's lists
      ModalWatch watch([&](QWidget* window) {
        click("cmdClear"), click("cmdBuild");
        QTest::keyClick(main.w.windowHandle(), Qt::Key_C, Qt::AltModifier);
        while_open = QStringList{window->windowTitle()} + main.State().mid(1);
        QTest::mouseClick(Child(window, "cmdOK"), Qt::LeftButton);
      });
      by_key ? QTest::keyClick(&main.w, Qt::Key_V, Qt::AltModifier)
             : QTest::mouseClick(Child(&main.w, "cmdVerInfo"), Qt::LeftButton);
      QTRY_COMPARE(watch.seen.count, 1);
      QVERIFY(watch.seen.active && !watch.seen.left_open);
      QCOMPARE(while_open, QStringList{lotwheel::qt::ToQString(
                               lotwheel::ui::VerInfoWindowTable().title)} +
                               before.mid(1));
      QCOMPARE(main.State().mid(1), before.mid(1));
      QTRY_VERIFY(watch.seen.window.isNull());
      QTRY_VERIFY(main.w.isActiveWindow());
    }
    click("cmdClear");  // the same click now empties both lists
    QVERIFY(main.Rows("lstMoto").isEmpty() && main.Rows("lstAto").isEmpty());
  }

  void BannerClicksOpenTheirPages() {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(u"https"_s, &catcher, "Open");
    QDesktopServices::setUrlHandler(u"http"_s, &catcher, "Open");
    QList<bool> open_after_each;
    const Modal seen = Visit([&](QWidget* window) {
      for (const char* name : {"Image2", "Image2", "Image3"}) {
        QTest::mouseClick(Child(window, name), Qt::LeftButton);
        open_after_each << window->isVisible();
      }
      // Neither the other controls, a right click nor a press dragged off a
      // banner open anything.
      for (const char* name : {"Image1", "Label1", "lblVerinfo"})
        QTest::mouseClick(Child(window, name), Qt::LeftButton);
      QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(410, 2));
      QTest::mouseClick(Child(window, "Image3"), Qt::RightButton);
      QTest::mousePress(Child(window, "Image2"), Qt::LeftButton);
      QTest::mouseRelease(Child(window, "Image2"), Qt::LeftButton, {},
                          QPoint(-20, -20));
    });
    QDesktopServices::unsetUrlHandler(u"https"_s);
    QDesktopServices::unsetUrlHandler(u"http"_s);
    const QUrl group(QString::fromLatin1(lotwheel::ui::kGroupHomePage));
    const QUrl label(QString::fromLatin1(lotwheel::ui::kAuthorPage));
    QCOMPARE(catcher.urls, QList<QUrl>({group, group, label}));
    QCOMPARE(open_after_each, QList<bool>({true, true, true}));
    QVERIFY(seen.left_open);  // none of the clicks closed the window
  }
};

QTEST_MAIN(VerInfoTest)
#include "ver_info_test.moc"

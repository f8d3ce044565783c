// Tests of what only the Qt main window can get wrong: the text it hands on
// from its entry box, its list views, the real message box and clipboard,
// the keyboard, the layout and very large pastes. What each button does is
// tested once, against a fake window, with the presenter.
#include <QClipboard>
#include <QLabel>
#include <algorithm>
#include <iterator>
#include <map>
#include <utility>

#include "engine/draw_session.h"
#include "tests/ui/keyboard_tables.h"
#include "ui/control_table.h"
#include "window_test_helpers.h"

using namespace Qt::StringLiterals;

namespace {

// One key press held down: the press, `repeats` auto-repeats, the release.
void Hold(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers,
          int repeats) {
  QTest::simulateEvent(target, true, key, modifiers, QString(), false);
  for (int i = 0; i < repeats; ++i)
    QTest::simulateEvent(target, true, key, modifiers, QString(), true);
  QTest::simulateEvent(target, false, key, modifiers, QString(), false);
}

QString Lines(int count, const QString& prefix) {
  QStringList lines;
  for (int i = 0; i < count; ++i) lines << prefix + QString::number(i);
  return lines.join('\n');
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void StartState() {
    MainWindow window;
    QCOMPARE(window.State(), QStringList({"lstMoto", "", "", "", "0"}));
    const QList<QSize> icons = window.w.windowIcon().availableSizes();
    QVERIFY(icons.contains(QSize(16, 16)) && icons.contains(QSize(32, 32)));
    QVERIFY(HasCloseBoxOnly(&window.w));
  }

  // Each click adds every line as the user sees it, and leaves the box as it
  // was: the window hands on the text unchanged, its line breaks as CR LF.
  void AddAppendsEveryLine_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QStringList>("entries");
    const auto row = [](const char* name, const QString& text, bool pasted,
                        int clicks, const QStringList& entries) {
      QTest::newRow(name) << text << pasted << clicks << entries;
    };
    const QString nbsp(QChar(0x00A0)), surrogate(QChar(0xD800));
    row("no-break space", "A" + nbsp, false, 1, {"A" + nbsp});
    row("lone surrogate", surrogate, false, 1, {surrogate});
    row("soft line break", u"A\u2028B"_s, false, 1, {"A", "B"});
    row("pasted CR LF", "A\r\nB\r\n", true, 1, {"A", "B", ""});
    // Neither freezes nor crashes the window.
    const QString many = Lines(lotwheel::kMaxEntries, u"参加者"_s);
    row("32,767 lines pasted", many, true, 1, many.split('\n'));
  }
  void AddAppendsEveryLine() {
    QFETCH(QString, text);
    QFETCH(bool, pasted);
    QFETCH(int, clicks);
    QFETCH(QStringList, entries);
    MainWindow window;
    QApplication::clipboard()->setText(text);
    pasted ? window.txtAdd()->paste() : window.txtAdd()->setPlainText(text);
    const QString shown = window.txtAdd()->toPlainText();
    for (int i = 0; i < clicks; ++i) QCOMPARE(window.Click("cmdAdd").count, 0);
    QCOMPARE(window.Rows("lstMoto"), entries);
    QCOMPARE(window.txtAdd()->toPlainText(), shown);
    // The view itself follows, not only its model.
    auto* list = Child<QListView>(&window.w, "lstMoto");
    QCOMPARE(list->indexAt(QPoint(2, 2)).data().toString(), entries[0]);
  }

  void ClearKeepsTheCountText() {
    MainWindow window;
    window.Add(u"A\nB\nC"_s);
    QCOMPARE(window.Draw(u"2"_s).count, 0);
    auto* output = Child<QListView>(&window.w, "lstAto");
    output->setCurrentIndex(output->model()->index(1, 0));
    window.Click("cmdClear");
    QCOMPARE(window.State(), QStringList({"lstMoto", "", "", "", "2"}));
    // The view lets go of the row it had, rather than only its model.
    QVERIFY(!output->currentIndex().isValid());
  }

  // The real message box, over the window, with the focus back afterwards;
  // a huge paste too many is refused whole.
  void RefusalShowsOneBoxAndChangesNothing_data() {
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("message");
    QTest::newRow("above the count") << "4"
                                     << "" << u"人数が足りません。"_s;
    QTest::newRow("200,000 lines pasted")
        << "0" << Lines(200000, "p")
        << u"入力ソースに追加できるのは32,767件までです。\n"
           u"追加する行を減らしてください。"_s;
  }
  void RefusalShowsOneBoxAndChangesNothing() {
    QFETCH(QString, count);
    QFETCH(QString, pasted);
    QFETCH(QString, message);
    MainWindow window;
    window.Add(u"A\nB\nC"_s);
    QApplication::clipboard()->setText(pasted);
    window.txtAdd()->selectAll();
    if (!pasted.isEmpty()) window.txtAdd()->paste();
    window.txtHowWho()->setText(count);
    const char* button = pasted.isEmpty() ? "cmdBuild" : "cmdAdd";
    Child(&window.w, button)->setFocus();
    const QStringList before = window.State();
    const Modal box = window.Click(button);
    QCOMPARE(box.count, 1);
    QCOMPARE(box.text, message);
    QCOMPARE(box.title, u"Error"_s);
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.buttons, 1);
    QTRY_COMPARE(window.State(), before);  // the focus included
  }

  void CopyPutsTheExportTextOnTheClipboard() {
    MainWindow window;
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->setText(u"old"_s);
    window.Add(u"A\n\nB\nC"_s);
    QCOMPARE(window.Click("cmdCopy").count, 0);  // an empty output
    QCOMPARE(clipboard->text(), QString());
    QCOMPARE(window.Draw(u"3"_s).count, 0);
    const QStringList before = window.State();
    for (int i = 0; i < 2; ++i) {
      window.Click("cmdCopy");
      QCOMPARE(clipboard->text(), window.Rows("lstAto").join("\r\n") + "\r\n");
    }
    QCOMPARE(window.State(), before);
  }

  void TabCyclesThroughTheControlsBothWays() {
    MainWindow window;
    const auto walk = [](QKeyCombination key) {
      QStringList seen{MainWindow::Focus()};
      for (size_t i = 0; i < std::size(lotwheel::ui::kMainTabOrder); ++i)
        Press(key), seen << MainWindow::Focus();
      return seen;
    };
    QStringList order;
    for (lotwheel::ui::ControlId id : lotwheel::ui::kMainTabOrder)
      order << QString::fromLatin1(
          lotwheel::ui::MainWindowTable().Row(id).name);
    QCOMPARE(walk(Qt::Key_Tab), order << "lstMoto");
    std::reverse(order.begin(), order.end());
    QCOMPARE(walk(Qt::SHIFT | Qt::Key_Backtab), order);
  }

  // Access keys; Enter and space press only a focused button; Esc nothing.
  // The state: focus, lists, boxes, clipboard and any modal window.
  void Keys_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("state");
    const auto row = [](QKeyCombination key, const QString& state,
                        const char* focus = "cmdCopy") {
      QTest::addRow("%s in %s", qPrintable(QKeySequence(key).toString()), focus)
          << focus << key.toCombined() << state;
    };
    const QString kept = "|A|A|A\nA|1|old|";  // as each test starts
    // What each button leaves, pressed from the copy button.
    const std::map<lotwheel::ui::ControlId, QString> pressed = {
        {lotwheel::ui::ControlId::cmdAdd, "cmdCopy|A,A,A|A|A\nA|1|old|"},
        {lotwheel::ui::ControlId::cmdBuild, "cmdCopy||A,A|A\nA|1|old|"},
        {lotwheel::ui::ControlId::cmdCopy, "cmdCopy|A|A|A\nA|1|A\r\n|"},
        {lotwheel::ui::ControlId::cmdClear, "cmdCopy||||1|old|"},
        {lotwheel::ui::ControlId::cmdVerInfo,
         "cmdCopy" + kept + "lotwheel::qt::frmVerInfo"},
    };
    for (const lotwheel::ui::AccessKey& access :
         lotwheel::ui::kMainAccessKeys) {
      const QKeyCombination key(Qt::AltModifier, Qt::Key(access.letter));
      if (!access.control)  // a letter shown as plain text only
        row(key, "cmdCopy" + kept);
      else if (access.presses)
        row(key, pressed.at(*access.control));
      else
        row(key,
            lotwheel::ui::MainWindowTable().Row(*access.control).name + kept);
    }
    row(Qt::Key_Return, "txtAdd|A|A|A\nA\n|1|old|", "txtAdd");
    row(Qt::Key_Return, "txtHowWho" + kept, "txtHowWho");
    const QString added = "cmdAdd|A,A,A|A|A\nA|1|old|";
    row(Qt::Key_Return, added, "cmdAdd");
    row(Qt::KeypadModifier | Qt::Key_Enter, added, "cmdAdd");
    row(Qt::Key_Space, added, "cmdAdd");
    row(Qt::Key_Return, "cmdBuild||A,A|A\nA|1|old|", "cmdBuild");
    for (lotwheel::ui::ControlId id : lotwheel::ui::kMainTabOrder) {
      const char* name = lotwheel::ui::MainWindowTable().Row(id).name;
      row(Qt::Key_Escape, name + kept, name);
    }
  }
  void Keys() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, state);
    MainWindow window;
    window.Add(u"A\nA"_s);
    window.Draw(u"1"_s);
    window.txtAdd()->moveCursor(QTextCursor::End);
    Child(&window.w, qPrintable(focus))->setFocus();
    QApplication::clipboard()->setText(u"old"_s);
    ModalWatch watch;
    Press(QKeyCombination::fromCombined(key));
    // A button's access key presses it through a short animation.
    QTRY_COMPARE((window.State()
                  << QApplication::clipboard()->text() << watch.seen.class_name)
                     .join('|'),
                 state);
    QVERIFY(window.w.isVisible());
  }

  void ControlsStandWhereTheirTwipsSay() {
    MainWindow window;
    QCOMPARE(window.w.minimumSize(), QSize(360, 441));
    QCOMPARE(window.w.maximumSize(), QSize(360, 441));
    const lotwheel::ui::ControlTable& table = lotwheel::ui::MainWindowTable();
    for (const lotwheel::ui::ControlInfo& info : table.controls) {
      const char* name = info.name;
      const QRect rect(info.rect.left, info.rect.top, info.rect.width,
                       info.rect.height);
      QWidget* control = Child(&window.w, name);
      // 15 twips to the pixel, rounded; inside fraAdd relative to the frame.
      QCOMPARE(
          std::pair(control->parentWidget()->objectName(), control->geometry()),
          std::pair(
              QString::fromLatin1(info.parent ? table.Row(*info.parent).name
                                              : table.name),
              QRect(rect.topLeft() / 15.0, rect.size() / 15.0)));
      // The caption fits, so no text is cut off. Labels draw edge to edge;
      // buttons and the frame need room for their bevel and border.
      QString caption = control->property("text").toString() +
                        control->property("title").toString();
      const int room = qobject_cast<QLabel*>(control) ? 0 : 8;
      const QFontMetrics metrics = control->fontMetrics();
      const QSize needed(metrics.horizontalAdvance(caption.remove('&')) + room,
                         metrics.height());
      QVERIFY2(control->size().expandedTo(needed) == control->size(), name);
    }
  }

  // One press, held: the first press acts and the repeats do nothing.
  void HeldKeysPressOnce_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("rows");
    QTest::newRow("Enter on draw")
        << "cmdBuild" << int(Qt::Key_Return) << 0 << "lstAto" << 1;
    QTest::newRow("space on draw")
        << "cmdBuild" << int(Qt::Key_Space) << 0 << "lstAto" << 1;
    QTest::newRow("Enter on add")
        << "cmdAdd" << int(Qt::Key_Return) << 0 << "lstMoto" << 6;
    QTest::newRow("Alt+S") << "lstMoto" << int(Qt::Key_S)
                           << int(Qt::AltModifier) << "lstAto" << 1;
    QTest::newRow("Alt+A") << "lstMoto" << int(Qt::Key_A)
                           << int(Qt::AltModifier) << "lstMoto" << 6;
  }
  void HeldKeysPressOnce() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, list);
    QFETCH(int, rows);
    MainWindow window;
    window.Add(u"A\nB\nC"_s);
    window.txtHowWho()->setText(u"1"_s);
    QWidget* target = Child(&window.w, qPrintable(focus));
    target->setFocus();
    ModalWatch watch;  // extra draws would bring up a refusal
    Hold(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers), 5);
    QTRY_COMPARE(window.Rows(qPrintable(list)).size(), rows);
    // An access key clicks after a short animation: once no button is down
    // any more, no repeat may have pressed one again.
    const QList<QPushButton*> buttons = window.w.findChildren<QPushButton*>();
    QTRY_VERIFY(std::none_of(buttons.begin(), buttons.end(),
                             [](QPushButton* b) { return b->isDown(); }));
    QApplication::processEvents();
    QCOMPARE(window.Rows(qPrintable(list)).size(), rows);
  }

  // Kept whole: cut at 32,767 characters it would read as 0, everybody.
  void CountBoxKeepsALongPasteWhole() {
    MainWindow window;
    window.Add(u"A\nB\nC\nD\nE"_s);
    QApplication::clipboard()->setText(QString(40000, '0') + '2');
    window.txtHowWho()->selectAll();
    window.txtHowWho()->paste();
    QCOMPARE(window.Click("cmdBuild").count, 0);
    QCOMPARE(window.Rows("lstAto").size(), 2);
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"

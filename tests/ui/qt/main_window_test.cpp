// Tests of the main window: what each button does to the lists, the message
// box, the keyboard, the layout and very large pastes.
#include <QClipboard>
#include <QLabel>
#include <algorithm>
#include <iterator>
#include <utility>

#include "engine/draw_session.h"
#include "tests/engine/failing_allocator.h"
#include "ui/messages.h"
#include "ui/qt/entry_list_model.h"
#include "ui/qt/qt_text.h"
#include "ui/window_layout.h"
#include "window_test_helpers.h"

using namespace Qt::StringLiterals;

namespace {

const char* const kTabOrder[] = {"lstMoto", "lstAto",    "txtAdd",
                                 "cmdAdd",  "cmdBuild",  "cmdClear",
                                 "cmdCopy", "txtHowWho", "cmdVerInfo"};

// A platform clipboard that never takes the text.
class RefusingClipboard final : public lotwheel::Clipboard {
 public:
  void Clear() override {}
  bool SetText(std::u16string_view) override { return false; }
};

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
  // was: the window hands the engine the text unchanged.
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
    row("twice", u"佐藤\n鈴木"_s, false, 2, {"佐藤", "鈴木", "佐藤", "鈴木"});
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

  void DrawsMoveEachEntryOnceAndAccumulate() {
    MainWindow window;
    QCOMPARE(window.Draw(u"0"_s).count, 0);  // from nothing
    QVERIFY(window.Rows("lstAto").isEmpty());
    QStringList names{"A", "B", "C", "A", "E", "F"}, drawn;
    window.Add(names.join('\n'));
    const std::pair<const char*, int> steps[]{{"2.9", 2}, {"2", 4}, {"0", 6}};
    for (const auto& [count, total] : steps) {
      QCOMPARE(window.Draw(count).count, 0);
      const QStringList output = window.Rows("lstAto");
      QCOMPARE(output.size(), total);
      QCOMPARE(output.mid(0, drawn.size()), drawn);  // the earlier ones stay
      drawn = output;
    }
    QCOMPARE(window.State().mid(1, 1) << window.txtHowWho()->text(),
             QStringList({"", "0"}));
    drawn.sort(), names.sort();
    QCOMPARE(drawn, names);
  }

  // From "A", "B" and "C" in the source list: a draw, or an add of what
  // was pasted.
  void RefusalShowsOneBoxAndChangesNothing_data() {
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("message");
    const auto row = [](const char* name, const QString& count,
                        const QString& pasted, const QString& message) {
      QTest::newRow(name) << count << pasted << message;
    };
    const QString full =
        u"入力ソースに追加できるのは32,767件までです。\n"
        u"追加する行を減らしてください。"_s;
    row("above the count", "4", "", u"人数が足りません。"_s);
    row("no number", u"三"_s, "", u"当選人数には数値を入力してください。"_s);
    // After the whole of a full source list was drawn.
    row("output full", "0", "",
        u"出力が32,767件を超えるため抽出できません。\n"
        u"クリアしてから抽出してください。"_s);
    row("one line too many", "0", Lines(lotwheel::kMaxEntries - 2, "p"), full);
    row("200,000 lines pasted", "0", Lines(200000, "p"), full);
  }
  void RefusalShowsOneBoxAndChangesNothing() {
    QFETCH(QString, count);
    QFETCH(QString, pasted);
    QFETCH(QString, message);
    MainWindow window;
    if (QByteArray(QTest::currentDataTag()) == "output full") {
      window.Add(Lines(lotwheel::kMaxEntries, "n"));
      QCOMPARE(window.Draw(count).count, 0);
    }
    window.Add(u"A\nB\nC"_s);
    QApplication::clipboard()->setText(pasted);
    window.txtAdd()->selectAll();
    if (!pasted.isEmpty()) window.txtAdd()->paste();
    window.txtHowWho()->setText(count);
    const QStringList before = window.State();
    const Modal box = window.Click(pasted.isEmpty() ? "cmdBuild" : "cmdAdd");
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
      for (size_t i = 0; i < std::size(kTabOrder); ++i)
        Press(key), seen << MainWindow::Focus();
      return seen;
    };
    QStringList order(std::begin(kTabOrder), std::end(kTabOrder));
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
    row(Qt::ALT | Qt::Key_T, "txtHowWho" + kept);
    row(Qt::ALT | Qt::Key_I, "lstMoto" + kept);
    // "出力(O)：" shows its letter as plain text only.
    row(Qt::ALT | Qt::Key_O, "cmdCopy" + kept);
    row(Qt::ALT | Qt::Key_A, "cmdCopy|A,A,A|A|A\nA|1|old|");
    row(Qt::ALT | Qt::Key_S, "cmdCopy||A,A|A\nA|1|old|");
    row(Qt::ALT | Qt::Key_P, "cmdCopy|A|A|A\nA|1|A\r\n|");
    row(Qt::ALT | Qt::Key_C, "cmdCopy||||1|old|");
    row(Qt::ALT | Qt::Key_V, "cmdCopy" + kept + "frmVerInfo");
    row(Qt::Key_Return, "txtAdd|A|A|A\nA\n|1|old|", "txtAdd");
    row(Qt::Key_Return, "txtHowWho" + kept, "txtHowWho");
    const QString added = "cmdAdd|A,A,A|A|A\nA|1|old|";
    row(Qt::Key_Return, added, "cmdAdd");
    row(Qt::KeypadModifier | Qt::Key_Enter, added, "cmdAdd");
    row(Qt::Key_Space, added, "cmdAdd");
    row(Qt::Key_Return, "cmdBuild||A,A|A\nA|1|old|", "cmdBuild");
    for (const char* name : kTabOrder) row(Qt::Key_Escape, name + kept, name);
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
    for (const lotwheel::ui::ControlInfo& info :
         lotwheel::ui::MainWindowLayout().controls) {
      const char* name = info.name.c_str();
      const QRect rect(info.rect.left, info.rect.top, info.rect.width,
                       info.rect.height);
      QWidget* control = Child(&window.w, name);
      // 15 twips to the pixel, rounded; inside fraAdd relative to the frame.
      QCOMPARE(
          std::pair(control->parentWidget()->objectName(), control->geometry()),
          std::pair(QString::fromStdString(info.parent.empty() ? "frmLotwheel"
                                                               : info.parent),
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

  void ListRowsShowEachEntryOnOneShortLine() {
    lotwheel::DrawSession session;
    const std::u16string giant(2'000'000, u'x');
    session.AddLines(u"a\rb\r\nc\nd\r\n" + giant);
    EntryListModel model(session, EntryListModel::Which::Source);
    QCOMPARE(model.index(0).data().toString(), u"a␍b"_s);
    QCOMPARE(model.index(1).data().toString(), u"c␊d"_s);
    QCOMPARE(model.index(2).data().toString().size(), 301);
    QVERIFY(!model.index(3).data().isValid());
    QCOMPARE(session.SourceAt(2).size(), giant.size());  // stored whole
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
    QTest::qWait(300);  // an access key clicks after a short animation
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

  // Running out of memory in any operation shows a box and changes
  // nothing; the same button works once memory is back.
  void OutOfMemoryChangesNothing_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("entries");
    QTest::addColumn<QString>("count");
    const QString huge(200'000, 'h');
    QTest::newRow("add") << "cmdAdd" << huge << "0";
    QTest::newRow("draw") << "cmdBuild" << Lines(20'000, "p") << "0";
    QTest::newRow("copy") << "cmdCopy" << huge << "1";
  }
  void OutOfMemoryChangesNothing() {
    QFETCH(QString, button);
    QFETCH(QString, entries);
    QFETCH(QString, count);
    MainWindow window;
    if (button != "cmdAdd") window.Add(entries);
    if (button == "cmdCopy") window.Draw(count);
    window.txtAdd()->setPlainText(entries);
    window.txtHowWho()->setText(count);
    QApplication::clipboard()->setText(u"old"_s);
    const QStringList before = window.State();
    lotwheel::FailAllocationOfAtLeast(256 * 1024);
    const Modal box = window.Click(qPrintable(button));
    lotwheel::FailAllocationOfAtLeast(0);
    QCOMPARE(box.text, lotwheel::ToQString(lotwheel::ui::kOutOfMemoryMessage));
    QTRY_COMPARE(window.State(), before);  // the focus back included
    QCOMPARE(QApplication::clipboard()->text(), u"old"_s);
    QCOMPARE(window.Click(qPrintable(button)).count, 0);
    QVERIFY(window.State() != before ||
            QApplication::clipboard()->text() != u"old"_s);
  }

  void RefusingClipboardIsReported() {
    MainWindow window;
    window.Add(u"A"_s);
    window.Draw(u"0"_s);
    window.w.UseClipboard(std::make_unique<RefusingClipboard>());
    const QStringList before = window.State();
    const Modal box = window.Click("cmdCopy");
    QCOMPARE(box.text,
             lotwheel::ToQString(lotwheel::ui::kClipboardFailedMessage));
    QTRY_COMPARE(window.State(), before);
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"

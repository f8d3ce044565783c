// Tests of what only the Qt main window can get wrong: the text it hands on
// from its entry box, its list views, the real message box and clipboard,
// which button each key presses, the layout and very large pastes. What each
// button does is tested once, against a fake window, with the presenter.
#include <QClipboard>
#include <QLabel>
#include <algorithm>
#include <memory>
#include <utility>

#include "engine/draw_session.h"
#include "tests/ui/keyboard_tables.h"
#include "ui/control_table.h"
#include "ui/messages.h"
#include "ui/qt/qt_text.h"
#include "ui/texts.h"
#include "window_test_helpers.h"

using namespace Qt::StringLiterals;
using lotwheel::ui::ControlId;

namespace {

const char* Name(ControlId id) {
  return lotwheel::ui::MainWindowTable().Row(id).name;
}

// The names of the buttons of `window` pressed from now on, in order.
std::shared_ptr<QStringList> RecordPresses(QWidget* window) {
  auto pressed = std::make_shared<QStringList>();
  for (QPushButton* button : window->findChildren<QPushButton*>())
    QObject::connect(button, &QPushButton::clicked, button,
                     [pressed, button] { *pressed << button->objectName(); });
  return pressed;
}

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
    QTest::addColumn<QStringList>("entries");
    const auto row = [](const char* name, const QString& text, bool pasted,
                        const QStringList& entries) {
      QTest::newRow(name) << text << pasted << entries;
    };
    const QString nbsp(QChar(0x00A0)), surrogate(QChar(0xD800));
    row("no-break space", "A" + nbsp, false, {"A" + nbsp});
    row("lone surrogate", surrogate, false, {surrogate});
    row("soft line break", u"A\u2028B"_s, false, {"A", "B"});
    row("pasted CR LF", "A\r\nB\r\n", true, {"A", "B", ""});
    // Neither freezes nor crashes the window.
    const QString many = Lines(lotwheel::kMaxEntries, u"参加者"_s);
    row("32,767 lines pasted", many, true, many.split('\n'));
  }
  void AddAppendsEveryLine() {
    QFETCH(QString, text);
    QFETCH(bool, pasted);
    QFETCH(QStringList, entries);
    MainWindow window;
    QApplication::clipboard()->setText(text);
    pasted ? window.txtAdd()->paste() : window.txtAdd()->setPlainText(text);
    const QString shown = window.txtAdd()->toPlainText();
    QCOMPARE(window.Click("cmdAdd").count, 0);
    QCOMPARE(window.Rows("lstMoto"), entries);
    QCOMPARE(window.txtAdd()->toPlainText(), shown);
    // The view itself follows, not only its model.
    auto* list = Child<QListView>(&window.w, "lstMoto");
    QCOMPARE(list->indexAt(QPoint(2, 2)).data().toString(), entries[0]);
  }

  // The view lets go of the row it had, rather than only its model.
  void ClearLetsGoOfTheCurrentRow() {
    MainWindow window;
    window.Add(u"A\nB\nC"_s);
    window.Draw(u"2"_s);
    auto* output = Child<QListView>(&window.w, "lstAto");
    output->setCurrentIndex(output->model()->index(1, 0));
    window.Click("cmdClear");
    QVERIFY(window.Rows("lstAto").isEmpty());
    QVERIFY(!output->currentIndex().isValid());
  }

  // The real message box, over the window, with the focus back afterwards.
  void RefusalShowsTheBoxOverTheWindow() {
    MainWindow window;
    window.txtHowWho()->setText(u"1"_s);
    Child(&window.w, "cmdBuild")->setFocus();
    const Modal box = window.Click("cmdBuild");
    QCOMPARE(box.count, 1);
    QCOMPARE(box.text, lotwheel::qt::ToQString(lotwheel::ui::MessageFor(
                           lotwheel::DrawOutcome::NotEnoughEntries)));
    QCOMPARE(box.title, lotwheel::qt::ToQString(lotwheel::ui::kMessageTitle));
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.buttons, 1);
    QTRY_COMPARE(MainWindow::Focus(), u"cmdBuild"_s);
  }

  void CopyPutsTheExportTextOnTheClipboard() {
    MainWindow window;
    QClipboard* clipboard = QApplication::clipboard();
    window.Add(u"A\n\nB\nC"_s);
    window.Draw(u"3"_s);
    window.Click("cmdCopy");
    QCOMPARE(clipboard->text(), window.Rows("lstAto").join("\r\n") + "\r\n");
  }

  void TabCyclesThroughTheControlsBothWays() {
    MainWindow window;
    QStringList order;
    for (ControlId id : lotwheel::ui::MainWindowTable().FocusOrder())
      order << QString::fromLatin1(Name(id));
    const qsizetype stops = order.size();
    const auto walk = [stops](QKeyCombination key) {
      QStringList seen{MainWindow::Focus()};
      for (qsizetype i = 0; i < stops; ++i)
        Press(key), seen << MainWindow::Focus();
      return seen;
    };
    QCOMPARE(walk(Qt::Key_Tab), order << "lstMoto");
    std::reverse(order.begin(), order.end());
    QCOMPARE(walk(Qt::SHIFT | Qt::Key_Backtab), order);
  }

  // Access keys; Enter and space press only a focused button; Esc nothing.
  // What a key leaves: the focus, the buttons it pressed, and the lines of
  // the entry box, which holds one line as each test starts.
  void Keys_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("outcome");
    const auto row = [](QKeyCombination key, const char* focus,
                        const QString& outcome) {
      QTest::addRow("%s in %s", qPrintable(QKeySequence(key).toString()), focus)
          << focus << key.toCombined() << outcome;
    };
    for (const lotwheel::ui::AccessKey& access :
         lotwheel::ui::kMainAccessKeys) {
      const QKeyCombination key(Qt::AltModifier, Qt::Key(access.letter));
      const QString control = access.control ? Name(*access.control) : "";
      switch (access.effect) {
        case lotwheel::ui::KeyEffect::kPress:
          row(key, "cmdCopy", "cmdCopy|" + control + "|1");
          break;
        case lotwheel::ui::KeyEffect::kFocus:
          row(key, "cmdCopy", control + "||1");
          break;
        case lotwheel::ui::KeyEffect::kNothing:
          row(key, "cmdCopy", "cmdCopy||1");
          break;
      }
    }
    row(Qt::Key_Return, "txtAdd", "txtAdd||2");
    row(Qt::Key_Return, "txtHowWho", "txtHowWho||1");
    row(Qt::Key_Return, "cmdAdd", "cmdAdd|cmdAdd|1");
    row(Qt::KeypadModifier | Qt::Key_Enter, "cmdAdd", "cmdAdd|cmdAdd|1");
    row(Qt::Key_Space, "cmdAdd", "cmdAdd|cmdAdd|1");
    for (ControlId id : lotwheel::ui::MainWindowTable().FocusOrder())
      row(Qt::Key_Escape, Name(id), Name(id) + "||1"_L1);
  }
  void Keys() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, outcome);
    MainWindow window;
    window.txtAdd()->setPlainText(u"A"_s);
    window.txtAdd()->moveCursor(QTextCursor::End);
    Child(&window.w, qPrintable(focus))->setFocus();
    const auto pressed = RecordPresses(&window.w);
    ModalWatch watch;  // the version window, if a key opens it
    Press(QKeyCombination::fromCombined(key));
    // A button's access key presses it through a short animation.
    QTRY_COMPARE(MainWindow::Focus() + '|' + pressed->join(',') + '|' +
                     QString::number(window.txtAdd()->blockCount()),
                 outcome);
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
    QTest::addColumn<QString>("button");
    QTest::newRow("Enter on draw")
        << "cmdBuild" << int(Qt::Key_Return) << 0 << "cmdBuild";
    QTest::newRow("space on draw")
        << "cmdBuild" << int(Qt::Key_Space) << 0 << "cmdBuild";
    QTest::newRow("Enter on add")
        << "cmdAdd" << int(Qt::Key_Return) << 0 << "cmdAdd";
    QTest::newRow("Alt+S") << "lstMoto" << int(Qt::Key_S)
                           << int(Qt::AltModifier) << "cmdBuild";
    QTest::newRow("Alt+A") << "lstMoto" << int(Qt::Key_A)
                           << int(Qt::AltModifier) << "cmdAdd";
  }
  void HeldKeysPressOnce() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, button);
    MainWindow window;
    QWidget* target = Child(&window.w, qPrintable(focus));
    target->setFocus();
    const auto pressed = RecordPresses(&window.w);
    Hold(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers), 5);
    QTRY_COMPARE(*pressed, QStringList{button});
    // An access key clicks after a short animation: once no button is down
    // any more, no repeat may have pressed one again.
    const QList<QPushButton*> buttons = window.w.findChildren<QPushButton*>();
    QTRY_VERIFY(std::none_of(buttons.begin(), buttons.end(),
                             [](QPushButton* b) { return b->isDown(); }));
    QApplication::processEvents();
    QCOMPARE(*pressed, QStringList{button});
  }

  // Every control with a text gives back what it was set to, lines and all.
  void EveryTextCanBeSetAndReadBack() {
    MainWindow window;
    for (const lotwheel::ui::ControlInfo& info :
         lotwheel::ui::MainWindowTable().controls) {
      using lotwheel::ui::ControlKind;
      if (info.kind == ControlKind::kList) continue;
      const std::u16string text =
          info.kind == ControlKind::kTextArea ? u"a\r\n\r\nb" : u"新しい";
      const auto id = *info.id.As<lotwheel::ui::MainControl>();
      window.w.SetText(id, text);
      QCOMPARE(lotwheel::qt::ToQString(window.w.Text(id)),
               lotwheel::qt::ToQString(text));
    }
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

// Tests of the main window: what each button does to the lists, the message
// box, the keyboard, the layout and very large pastes.
#include <QAbstractItemModel>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "engine/draw_session.h"
#include "ui/entry_list_model.h"
#include "ui/frm_lotwheel.h"

namespace {

const QString kNotEnough = QStringLiteral("人数が足りません。");
const QString kInvalidCount =
    QStringLiteral("当選人数には数値を入力してください。");
const QString kOutputFull = QStringLiteral(
    "出力が32,"
    "767件を超えるため抽出できません。クリアしてから抽出してください。");
const QString kSourceFull =
    QStringLiteral("入力ソースに追加できるのは32,767件までです。");

template <typename T>
T* Child(QWidget* window, const char* name) {
  auto* child = window->findChild<T*>(QString::fromLatin1(name));
  if (child == nullptr) qFatal("no control named %s", name);
  return child;
}

// What the last modal window that came up looked like.
struct Modal {
  int count = 0;
  QString class_name, text, title;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int button_count = 0;
};

// While it lives, records and closes every modal window that comes up. Its
// timer also runs inside the window's own modal loop, so a button whose
// handler waits for the window returns; checks go on `seen` afterwards, since
// a failed check inside the timer would only leave the lambda.
class ModalWatch {
 public:
  ModalWatch() {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Check(); });
    timer_.start(5);
  }
  ~ModalWatch() {
    while (QWidget* left = QApplication::activeModalWidget()) left->close();
  }
  Modal seen;

 private:
  void Check() {
    QWidget* widget = QApplication::activeModalWidget();
    if (widget == nullptr) return;
    ++seen.count;
    seen.class_name = QString::fromLatin1(widget->metaObject()->className());
    seen.title = widget->windowTitle();
    if (auto* box = qobject_cast<QMessageBox*>(widget)) {
      seen.text = box->text();
      seen.icon = box->icon();
      seen.button_count = box->buttons().size();
    }
    widget->close();
  }
  QTimer timer_;
};

// Runs an action whose handler runs at once, and returns what came up.
template <typename Action>
Modal WatchModal(Action action) {
  ModalWatch watch;
  action();
  return watch.seen;
}

template <typename Action>
bool OpensNoModal(Action action) {
  return WatchModal(action).count == 0;
}

// The entries a list shows, read through its view's model.
QStringList Rows(QListView* list) {
  QStringList rows;
  const QAbstractItemModel* model = list->model();
  for (int row = 0; row < model->rowCount(); ++row)
    rows << model->index(row, 0).data().toString();
  return rows;
}

QStringList Sorted(QStringList list) {
  list.sort();
  return list;
}

// The window of one test, shown and active so that keys reach it.
class Window {
 public:
  Window() {
    window_.show();
    QApplication::setActiveWindow(&window_);
    if (!QTest::qWaitForWindowActive(&window_)) qFatal("window not active");
  }
  frmLotwheel* operator->() { return &window_; }
  frmLotwheel* get() { return &window_; }
  QListView* lstMoto() { return Child<QListView>(get(), "lstMoto"); }
  QListView* lstAto() { return Child<QListView>(get(), "lstAto"); }
  QPlainTextEdit* txtAdd() { return Child<QPlainTextEdit>(get(), "txtAdd"); }
  QLineEdit* txtHowWho() { return Child<QLineEdit>(get(), "txtHowWho"); }
  QPushButton* Button(const char* name) {
    return Child<QPushButton>(get(), name);
  }
  void Add(const QString& lines) {
    txtAdd()->setPlainText(lines);
    Button("cmdAdd")->click();
  }
  // Draws with the given count text and returns the box it opened, if any.
  Modal Draw(const QString& count) {
    txtHowWho()->setText(count);
    return WatchModal([this] { Button("cmdBuild")->click(); });
  }
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target ? target : get(), key, modifiers);
  }
  QString Focus() const {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
  }

 private:
  frmLotwheel window_;
};

QString Lines(int count, const QString& prefix) {
  QStringList lines;
  lines.reserve(count);
  for (int i = 0; i < count; ++i) lines << prefix + QString::number(i);
  return lines.join(QLatin1Char('\n'));
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void StartState() {
    Window window;
    QCOMPARE(window->windowTitle(),
             QStringLiteral("Z.Q Lotwheel for Tournament Basic"));
    QVERIFY(Rows(window.lstMoto()).isEmpty());
    QVERIFY(Rows(window.lstAto()).isEmpty());
    QVERIFY(window.txtAdd()->toPlainText().isEmpty());
    QCOMPARE(window.txtHowWho()->text(), QStringLiteral("0"));
    QCOMPARE(window.Focus(), QStringLiteral("lstMoto"));
    QCOMPARE(window.txtHowWho()->toolTip(),
             QStringLiteral("何名まで当選か決めます。"
                            "0にすると常に最大値が設定されます。"));
    // Drawing at 0 from nothing moves nothing and says nothing.
    QVERIFY(OpensNoModal([&] { window.Button("cmdBuild")->click(); }));
    QVERIFY(Rows(window.lstAto()).isEmpty());
  }

  void AddTwiceAppendsEveryLineTwice() {
    Window window;
    window.Add(QStringLiteral("佐藤\n鈴木"));
    window.Button("cmdAdd")->click();
    QCOMPARE(Rows(window.lstMoto()),
             QStringList({QStringLiteral("佐藤"), QStringLiteral("鈴木"),
                          QStringLiteral("佐藤"), QStringLiteral("鈴木")}));
    QCOMPARE(window.txtAdd()->toPlainText(), QStringLiteral("佐藤\n鈴木"));
    // The view itself follows, not only its model.
    const QModelIndex top = window.lstMoto()->indexAt(QPoint(2, 2));
    QCOMPARE(top.data().toString(), QStringLiteral("佐藤"));
  }

  void EntryTextReachesTheListUnchanged_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("entries");
    const QString nbsp(QChar(0x00A0));
    const QString lone_surrogate(QChar(0xD800));
    QTest::newRow("blanks kept")
        << QStringLiteral("  A  ") << QStringList{QStringLiteral("  A  ")};
    QTest::newRow("no-break space")
        << QStringLiteral("A") + nbsp + "B" << QStringList{"A" + nbsp + "B"};
    QTest::newRow("lone surrogate")
        << lone_surrogate << QStringList{lone_surrogate};
    QTest::newRow("empty line")
        << QStringLiteral("A\n\nB") << QStringList{"A", "", "B"};
    QTest::newRow("break at end")
        << QStringLiteral("A\n") << QStringList{"A", ""};
    QTest::newRow("empty box") << QString() << QStringList();
    QTest::newRow("soft line break")
        << QStringLiteral("A") + QChar(QChar::LineSeparator) + "B"
        << QStringList{"A", "B"};
  }
  void EntryTextReachesTheListUnchanged() {
    QFETCH(QString, typed);
    QFETCH(QStringList, entries);
    Window window;
    window.Add(typed);
    QCOMPARE(Rows(window.lstMoto()), entries);
  }

  void PastedWindowsLineBreaksCutOnce() {
    Window window;
    QApplication::clipboard()->setText(QStringLiteral("A\r\nB\r\n"));
    window.txtAdd()->paste();
    window.Button("cmdAdd")->click();
    QCOMPARE(Rows(window.lstMoto()), QStringList({"A", "B", ""}));
  }

  void ClearKeepsTheCountText() {
    Window window;
    window.Add(QStringLiteral("A\nB\nC"));
    QCOMPARE(window.Draw(QStringLiteral("2")).count, 0);
    window.lstAto()->setCurrentIndex(window.lstAto()->model()->index(1, 0));
    window.Button("cmdClear")->click();
    QVERIFY(Rows(window.lstMoto()).isEmpty());
    QVERIFY(Rows(window.lstAto()).isEmpty());
    QVERIFY(window.txtAdd()->toPlainText().isEmpty());
    QCOMPARE(window.txtHowWho()->text(), QStringLiteral("2"));
    // The view lets go of the row it had, rather than only its model.
    QVERIFY(!window.lstAto()->currentIndex().isValid());
  }

  void DrawAtZeroMovesEveryEntryOnce() {
    Window window;
    const QStringList names{"A", "B", "C", "A", "E"};
    window.Add(names.join(QLatin1Char('\n')));
    QCOMPARE(window.Draw(QStringLiteral("0")).count, 0);
    QVERIFY(Rows(window.lstMoto()).isEmpty());
    QCOMPARE(Sorted(Rows(window.lstAto())), Sorted(names));
    QCOMPARE(window.txtHowWho()->text(), QStringLiteral("0"));
  }

  void DrawAtANumberAccumulates() {
    Window window;
    const QStringList names{"A", "B", "C", "D", "E"};
    window.Add(names.join(QLatin1Char('\n')));
    QCOMPARE(window.Draw(QStringLiteral("2.9")).count, 0);
    const QStringList first = Rows(window.lstAto());
    QCOMPARE(first.size(), 2);
    QCOMPARE(window.Draw(QStringLiteral("2")).count, 0);
    const QStringList output = Rows(window.lstAto());
    const QStringList left = Rows(window.lstMoto());
    QCOMPARE(output.size(), 4);
    QCOMPARE(output.mid(0, 2), first);
    QCOMPARE(Sorted(output + left), names);
    QCOMPARE(window.txtHowWho()->text(), QStringLiteral("2"));
  }

  void RefusedDrawShowsOneBoxAndChangesNothing_data() {
    QTest::addColumn<QString>("entries");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("message");
    const auto row = [](const char* name, const char* entries,
                        const char* count, const QString& message) {
      QTest::newRow(name) << QString::fromUtf8(entries)
                          << QString::fromUtf8(count) << message;
    };
    row("one from nothing", "", "1", kNotEnough);
    row("above the count", "A\nB\nC", "4", kNotEnough);
    row("far above", "A\nB\nC", "100000", kNotEnough);
    row("no number", "A\nB\nC", "三", kInvalidCount);
    row("empty count", "A\nB\nC", "", kInvalidCount);
  }
  void RefusedDrawShowsOneBoxAndChangesNothing() {
    QFETCH(QString, entries);
    QFETCH(QString, count);
    QFETCH(QString, message);
    Window window;
    window.Add(entries);
    const QStringList before = Rows(window.lstMoto());
    const Modal box = window.Draw(count);
    QCOMPARE(box.count, 1);
    QCOMPARE(box.text, message);
    QCOMPARE(box.title, QStringLiteral("Error"));
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.button_count, 1);
    QCOMPARE(Rows(window.lstMoto()), before);
    QVERIFY(Rows(window.lstAto()).isEmpty());
    QCOMPARE(window.txtHowWho()->text(), count);
  }

  void DrawBeyondTheOutputLimitIsRefused() {
    Window window;
    window.Add(Lines(lotwheel::kMaxEntries, QStringLiteral("n")));
    QCOMPARE(window.Draw(QStringLiteral("0")).count, 0);
    window.Add(QStringLiteral("late"));
    const Modal box = window.Draw(QStringLiteral("0"));
    QCOMPARE(box.text, kOutputFull);
    QCOMPARE(Rows(window.lstMoto()), QStringList{"late"});
    QCOMPARE(window.lstAto()->model()->rowCount(), int{lotwheel::kMaxEntries});
  }

  void CopyPutsTheExportTextOnTheClipboard() {
    Window window;
    QClipboard* clipboard = QApplication::clipboard();
    auto* rich = new QMimeData;
    rich->setHtml(QStringLiteral("<b>old</b>"));
    clipboard->setMimeData(rich);
    window.Add(QStringLiteral("A\n\nB\nC"));
    QVERIFY(OpensNoModal([&] { window.Button("cmdCopy")->click(); }));
    QCOMPARE(clipboard->text(), QString());
    QVERIFY(!clipboard->mimeData()->hasHtml());

    QCOMPARE(window.Draw(QStringLiteral("3")).count, 0);
    const QStringList output = Rows(window.lstAto());
    const QStringList left = Rows(window.lstMoto());
    window.Button("cmdCopy")->click();
    QCOMPARE(clipboard->text(), output.join(QStringLiteral("\r\n")) + "\r\n");
    window.Button("cmdCopy")->click();
    QCOMPARE(clipboard->text(), output.join(QStringLiteral("\r\n")) + "\r\n");
    QCOMPARE(Rows(window.lstAto()), output);
    QCOMPARE(Rows(window.lstMoto()), left);
  }

  void TabCyclesThroughTheControlsBothWays() {
    Window window;
    const QStringList order{"lstMoto", "lstAto",    "txtAdd",
                            "cmdAdd",  "cmdBuild",  "cmdClear",
                            "cmdCopy", "txtHowWho", "cmdVerInfo"};
    QStringList forward{window.Focus()};
    for (int i = 0; i < order.size(); ++i) {
      window.Press(Qt::Key_Tab);
      forward << window.Focus();
    }
    QCOMPARE(forward, order + QStringList{"lstMoto"});
    QStringList backward{window.Focus()};
    for (int i = 0; i < order.size(); ++i) {
      window.Press(Qt::Key_Backtab, Qt::ShiftModifier);
      backward << window.Focus();
    }
    QStringList reversed{"lstMoto"};
    for (int i = order.size() - 1; i >= 0; --i) reversed << order[i];
    QCOMPARE(backward, reversed);
  }

  void AccessKeys() {
    Window window;
    window.txtAdd()->setPlainText(QStringLiteral("A\nB"));
    window.Press(Qt::Key_T, Qt::AltModifier);
    QCOMPARE(window.Focus(), QStringLiteral("txtHowWho"));
    window.Press(Qt::Key_I, Qt::AltModifier);
    QCOMPARE(window.Focus(), QStringLiteral("lstMoto"));
    // "出力(O)：" shows its letter as plain text only.
    QVERIFY(OpensNoModal([&] { window.Press(Qt::Key_O, Qt::AltModifier); }));
    QCOMPARE(window.Focus(), QStringLiteral("lstMoto"));

    // A button's access key presses it through a short animation.
    window.Press(Qt::Key_A, Qt::AltModifier);
    QTRY_COMPARE(Rows(window.lstMoto()).size(), 2);
    window.Press(Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(Rows(window.lstAto()).size(), 2);
    QApplication::clipboard()->clear();
    window.Press(Qt::Key_P, Qt::AltModifier);
    QTRY_COMPARE(QApplication::clipboard()->text().size(), 6);
    window.Press(Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(Rows(window.lstAto()).isEmpty());
    QVERIFY(window.txtAdd()->toPlainText().isEmpty());
    ModalWatch watch;
    window.Press(Qt::Key_V, Qt::AltModifier);
    QTRY_COMPARE(watch.seen.count, 1);
    QCOMPARE(watch.seen.class_name, QStringLiteral("frmVerInfo"));
  }

  void EnterAndSpacePressOnlyTheFocusedButton() {
    Window window;
    window.txtAdd()->setFocus();
    QTest::keyClicks(window.txtAdd(), QStringLiteral("A"));
    QVERIFY(OpensNoModal([&] { window.Press(Qt::Key_Return); }));
    QTest::keyClicks(window.txtAdd(), QStringLiteral("B"));
    QCOMPARE(window.txtAdd()->toPlainText(), QStringLiteral("A\nB"));
    QVERIFY(Rows(window.lstMoto()).isEmpty());

    window.Button("cmdAdd")->setFocus();
    window.Press(Qt::Key_Return);
    window.Press(Qt::Key_Enter, Qt::KeypadModifier);
    window.Press(Qt::Key_Space);
    QCOMPARE(Rows(window.lstMoto()).size(), 6);

    window.txtHowWho()->setText(QStringLiteral("1"));
    window.txtHowWho()->setFocus();
    QVERIFY(OpensNoModal([&] { window.Press(Qt::Key_Return); }));
    QVERIFY(Rows(window.lstAto()).isEmpty());
  }

  void EscapePressesNothing() {
    Window window;
    window.Add(QStringLiteral("A\nB"));
    for (const char* name :
         {"lstMoto", "lstAto", "txtAdd", "cmdAdd", "cmdBuild", "cmdClear",
          "cmdCopy", "txtHowWho", "cmdVerInfo"}) {
      Child<QWidget>(window.get(), name)->setFocus();
      QVERIFY2(OpensNoModal([&] { window.Press(Qt::Key_Escape); }), name);
      QCOMPARE(window.Focus(), QString::fromLatin1(name));
    }
    QVERIFY(window->isVisible());
    QCOMPARE(Rows(window.lstMoto()).size(), 2);
    QVERIFY(Rows(window.lstAto()).isEmpty());
    QCOMPARE(window.txtAdd()->toPlainText(), QStringLiteral("A\nB"));
  }

  void ControlsStandWhereTheirTwipsSay_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QList<int>>("twips");
    const QString window = QStringLiteral("frmLotwheel");
    const QString frame = QStringLiteral("fraAdd");
    const struct {
      const char* name;
      const QString& parent;
      QList<int> twips;
    } table[] = {
        {"lblMoto", window, {105, 105, 2535, 225}},
        {"lstMoto", window, {105, 420, 2535, 3660}},
        {"lblAto", window, {2730, 105, 2535, 225}},
        {"lstAto", window, {2730, 420, 2535, 3660}},
        {"fraAdd", window, {105, 4200, 5160, 1065}},
        {"txtAdd", frame, {105, 210, 4110, 750}},
        {"cmdAdd", frame, {4305, 210, 750, 750}},
        {"cmdBuild", window, {2625, 5355, 2640, 330}},
        {"cmdClear", window, {2625, 6195, 2640, 330}},
        {"cmdCopy", window, {2625, 5775, 2640, 330}},
        {"lblTousen", window, {105, 5355, 1170, 225}},
        {"txtHowWho", window, {1260, 5332, 435, 270}},
        {"cmdVerInfo", window, {105, 6195, 2430, 330}},
    };
    for (const auto& row : table)
      QTest::newRow(row.name)
          << QString::fromLatin1(row.name) << row.parent << row.twips;
  }
  void ControlsStandWhereTheirTwipsSay() {
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QList<int>, twips);
    Window window;
    QCOMPARE(window->size(), QSize(360, 441));
    auto* control = window->findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->parentWidget()->objectName(), parent);
    const auto px = [](int t) {
      return static_cast<int>(std::lround(t / 15.0));
    };
    QCOMPARE(control->geometry(),
             QRect(px(twips[0]), px(twips[1]), px(twips[2]), px(twips[3])));
    // The caption fits, so no text is cut off at this size.
    QString caption;
    if (auto* label = qobject_cast<QLabel*>(control)) caption = label->text();
    if (auto* button = qobject_cast<QPushButton*>(control))
      caption = button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(control))
      caption = frame->title();
    caption.remove(QLatin1Char('&'));
    // Labels draw edge to edge; buttons and the frame need room for their
    // bevel and border.
    const int room = qobject_cast<QLabel*>(control) ? 0 : 8;
    const QFontMetrics metrics = control->fontMetrics();
    QVERIFY(metrics.horizontalAdvance(caption) <= control->width() - room);
    QVERIFY(metrics.height() <= control->height());
  }

  void WindowHasItsIconAndCannotBeResized() {
    Window window;
    QCOMPARE(window->minimumSize(), QSize(360, 441));
    QCOMPARE(window->maximumSize(), QSize(360, 441));
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    const QList<QSize> icon_sizes = window->windowIcon().availableSizes();
    QVERIFY(icon_sizes.contains(QSize(16, 16)));
    QVERIFY(icon_sizes.contains(QSize(32, 32)));
  }

  void ListRowsShowLoneBreaksVisibly() {
    lotwheel::DrawSession session;
    session.AddLines(u"a\rb\r\nc\nd");
    EntryListModel model(session, EntryListModel::Which::Source);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.index(0).data().toString(), QStringLiteral("a␍b"));
    QCOMPARE(model.index(1).data().toString(), QStringLiteral("c␊d"));
    QVERIFY(!model.index(2).data().isValid());
  }

  void PasteUpToTheLimitIsAdded() {
    Window window;
    QApplication::clipboard()->setText(
        Lines(lotwheel::kMaxEntries, QStringLiteral("参加者")));
    window.txtAdd()->setFocus();
    window.txtAdd()->paste();
    QVERIFY(OpensNoModal([&] { window.Button("cmdAdd")->click(); }));
    const QAbstractItemModel* rows = window.lstMoto()->model();
    QCOMPARE(rows->rowCount(), int{lotwheel::kMaxEntries});
    QCOMPARE(rows->index(lotwheel::kMaxEntries - 1, 0).data().toString(),
             QStringLiteral("参加者32766"));
    // One more line is one too many, and adds nothing.
    window.txtAdd()->setPlainText(QStringLiteral("X"));
    QCOMPARE(WatchModal([&] { window.Button("cmdAdd")->click(); }).text,
             kSourceFull);
    QCOMPARE(rows->rowCount(), int{lotwheel::kMaxEntries});
  }

  void PasteFarBeyondTheLimitIsRefused() {
    Window window;
    window.Add(QStringLiteral("first"));
    QApplication::clipboard()->setText(Lines(200000, QStringLiteral("p")));
    window.txtAdd()->selectAll();
    window.txtAdd()->paste();
    const Modal box = WatchModal([&] { window.Button("cmdAdd")->click(); });
    QCOMPARE(box.text, kSourceFull);
    QCOMPARE(box.title, QStringLiteral("Error"));
    QCOMPARE(Rows(window.lstMoto()), QStringList{"first"});
    QCOMPARE(window.txtAdd()->blockCount(), 200000);
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"

// The main window: the two lists, the entry box and the five buttons.
#include "ui/qt/frm_lotwheel.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <limits>
#include <vector>

#include "ui/announcements.h"
#include "ui/messages.h"
#include "ui/out_of_memory.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/announcer.h"
#include "ui/qt/control_table.h"
#include "ui/qt/enter_presses_button.h"
#include "ui/qt/entry_list_model.h"
#include "ui/qt/frm_ver_info.h"
#include "ui/qt/held_key_guard.h"
#include "ui/qt/list_focus.h"
#include "ui/qt/qt_clipboard.h"
#include "ui/qt/qt_text.h"
#include "ui/window_layout.h"

namespace {

template <typename T>
T* Named(const char* name, QWidget* parent) {
  auto* widget = new T(parent);
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QPushButton* NewButton(const char* name, QWidget* parent,
                       QObject* enter_filter) {
  auto* button = Named<QPushButton>(name, parent);
  button->setAutoDefault(false);
  button->installEventFilter(enter_filter);
  return button;
}

}  // namespace

frmLotwheel::frmLotwheel(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      clipboard_(std::make_unique<QtClipboard>()) {
  lotwheel::InstallAccessibleInterfaces();
  setWindowIcon(QIcon(
      QStringLiteral(":/lotwheel/art/") +
      QString::fromLatin1(lotwheel::ui::ArtFile(lotwheel::ui::Art::kAppIcon))));
  // The fixed layout is measured for a 9-point interface font: keep the
  // desktop's face but not a larger size, which would cut captions off.
  QFont interface_font = font();
  interface_font.setPointSize(9);
  setFont(interface_font);
  qApp->installEventFilter(new HeldKeyGuard(this));

  source_model_ =
      new EntryListModel(session_, EntryListModel::Which::Source, this);
  output_model_ =
      new EntryListModel(session_, EntryListModel::Which::Output, this);

  announcer_ = new lotwheel::Announcer(this);
  CreateControls();
  lotwheel::ApplyLayout(this, lotwheel::ui::MainWindowLayout());
  // The count label reaches a pixel into the count box; keep the box on top.
  txtHowWho->raise();
  txtHowWho->setAccessibleDescription(txtHowWho->toolTip());
  ConnectButtons();
  ReportLists(true);
  lstMoto->setFocus();
}

frmLotwheel::~frmLotwheel() = default;

void frmLotwheel::UseClipboard(std::unique_ptr<lotwheel::Clipboard> clipboard) {
  clipboard_ = std::move(clipboard);
}

void frmLotwheel::CreateControls() {
  auto* enter_filter = new EnterPressesButton(this);

  lblMoto = Named<QLabel>("lblMoto", this);
  lstMoto = Named<QListView>("lstMoto", this);
  lstMoto->setModel(source_model_);
  lblAto = Named<QLabel>("lblAto", this);
  lstAto = Named<QListView>("lstAto", this);
  lstAto->setModel(output_model_);
  for (QListView* list : {lstMoto, lstAto}) {
    list->setUniformItemSizes(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lotwheel::ReadCurrentRowOnFocus(list);
  }

  fraAdd = Named<QGroupBox>("fraAdd", this);
  txtAdd = Named<QPlainTextEdit>("txtAdd", fraAdd);
  txtAdd->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  // Wrapped at the edge, anywhere in a line: looking for word boundaries
  // takes time that grows with the square of a line's length, so a pasted
  // line of a few hundred thousand characters would freeze the window.
  txtAdd->setWordWrapMode(QTextOption::WrapAnywhere);
  txtAdd->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtAdd->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  txtAdd->setTabChangesFocus(true);
  cmdAdd = NewButton("cmdAdd", fraAdd, enter_filter);

  cmdBuild = NewButton("cmdBuild", this, enter_filter);
  cmdClear = NewButton("cmdClear", this, enter_filter);
  cmdCopy = NewButton("cmdCopy", this, enter_filter);

  lblTousen = Named<QLabel>("lblTousen", this);
  txtHowWho = Named<QLineEdit>("txtHowWho", this);
  // A pasted count is kept whole: cut at Qt's default 32,767 characters,
  // "000…03" would read as 0 and draw everybody.
  txtHowWho->setMaxLength(std::numeric_limits<int>::max());

  cmdVerInfo = NewButton("cmdVerInfo", this, enter_filter);
}

void frmLotwheel::ConnectButtons() {
  connect(cmdAdd, &QPushButton::clicked, this, &frmLotwheel::OnAddClicked);
  connect(cmdClear, &QPushButton::clicked, this, &frmLotwheel::OnClearClicked);
  connect(cmdBuild, &QPushButton::clicked, this, &frmLotwheel::OnBuildClicked);
  connect(cmdCopy, &QPushButton::clicked, this, &frmLotwheel::OnCopyClicked);
  connect(cmdVerInfo, &QPushButton::clicked, this,
          &frmLotwheel::OnVerInfoClicked);
}

void frmLotwheel::OnAddClicked() {
  Run([this] {
    const int first_new = session_.SourceCount();
    const QString text = EntryText();
    const lotwheel::AddOutcome outcome =
        session_.AddLines(lotwheel::ViewOf(text));
    if (outcome != lotwheel::AddOutcome::Added) {
      ShowError(lotwheel::ui::MessageFor(outcome));
      return;
    }
    source_model_->Refresh();
    ScrollToRow(lstMoto, first_new);
    ReportLists(false);
    Announce([&] {
      return lotwheel::ui::AddedReport(session_.SourceCount() - first_new,
                                       session_.SourceCount());
    });
  });
}

void frmLotwheel::OnClearClicked() {
  session_.ClearLists();
  txtAdd->clear();
  source_model_->Refresh();
  output_model_->Refresh();
  ReportLists(true);
  Announce([] { return lotwheel::ui::ClearedReport(); });
}

void frmLotwheel::OnBuildClicked() {
  Run([this] {
    const int first_new = session_.OutputCount();
    const lotwheel::DrawOutcome outcome =
        session_.Draw(lotwheel::ViewOf(txtHowWho->text()));
    if (outcome != lotwheel::DrawOutcome::Drawn) {
      ShowError(lotwheel::ui::MessageFor(outcome));
      return;
    }
    source_model_->Refresh();
    output_model_->Refresh();
    ScrollToRow(lstAto, first_new);
    ReportLists(true, first_new);
    Announce([&] {
      std::vector<std::u16string_view> drawn;
      for (int i = first_new; i < session_.OutputCount(); ++i)
        drawn.push_back(session_.OutputAt(static_cast<int16_t>(i)));
      return lotwheel::ui::DrawnReport(drawn, session_.SourceCount());
    });
  });
}

void frmLotwheel::OnCopyClicked() {
  Run([this] {
    if (!session_.CopyOutput(*clipboard_)) {
      ShowError(lotwheel::ui::kClipboardFailedMessage);
      return;
    }
    Announce(
        [this] { return lotwheel::ui::CopiedReport(session_.OutputCount()); });
  });
}

void frmLotwheel::OnVerInfoClicked() { frmVerInfo::ShowModal(this); }

void frmLotwheel::Run(const std::function<void()>& operation) {
  // Shown outside the operation, once whatever failed has been let go of.
  if (lotwheel::ui::RanOutOfMemory(operation))
    ShowError(lotwheel::ui::kOutOfMemoryMessage);
}

QString frmLotwheel::EntryText() const {
  // The raw text, because toPlainText() would turn non-breaking spaces into
  // plain ones; entries must reach the list unchanged. In it, a paragraph
  // separator ends each line, and Shift+Enter leaves a line separator,
  // which is a line to the user too.
  QString text = txtAdd->document()->toRawText();
  const bool breaks = text.contains(QChar::ParagraphSeparator) ||
                      text.contains(QChar::LineSeparator);
  if (breaks) {
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
  }
  return text;
}

void frmLotwheel::ShowError(std::u16string_view text) {
  if (text.empty()) return;
  QMessageBox box(QMessageBox::Warning,
                  lotwheel::ToQString(lotwheel::ui::kMessageTitle),
                  lotwheel::ToQString(text), QMessageBox::Ok, this);
  box.exec();
  // Back to the control that had the focus before the box; not every window
  // manager reactivates the window by itself.
  activateWindow();
}

void frmLotwheel::ScrollToRow(QListView* list, int row) {
  // New entries come at the end; show the first of them rather than
  // jumping back to the top of a long list.
  if (row > 0 && row < list->model()->rowCount())
    list->scrollTo(list->model()->index(row, 0),
                   QAbstractItemView::PositionAtTop);
}

void frmLotwheel::ReportLists(bool output_changed, int first_drawn) {
  using lotwheel::ToQString;
  namespace ui = lotwheel::ui;
  // Called once the lists have changed: should memory run out here, the
  // operation has still been done and must not be reported as undone.
  try {
    const std::u16string source = ui::CountText(session_.SourceCount());
    lstMoto->setAccessibleDescription(ToQString(source));
    if (output_changed) {
      const int count = session_.OutputCount();
      const std::u16string output =
          first_drawn >= 0 && first_drawn < count
              ? ui::DrawnText(
                    count, session_.OutputAt(static_cast<int16_t>(first_drawn)))
              : ui::CountText(count);
      lstAto->setAccessibleDescription(ToQString(output));
    }
  } catch (const std::bad_alloc&) {
  }
}

void frmLotwheel::Announce(const std::function<std::u16string()>& text) {
  // As above: the operation is done whether or not it can be told.
  try {
    announcer_->Announce(lotwheel::ToQString(text()));
  } catch (const std::bad_alloc&) {
  }
}

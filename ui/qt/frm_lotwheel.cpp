// The main window: the two lists, the entry box and the five buttons.
#include "ui/qt/frm_lotwheel.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QInputMethod>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTextDocument>

#include "ui/qt/accessibility.h"
#include "ui/qt/announcer.h"
#include "ui/qt/art_path.h"
#include "ui/qt/control_set.h"
#include "ui/qt/entry_list_model.h"
#include "ui/qt/frm_ver_info.h"
#include "ui/qt/held_key_guard.h"
#include "ui/qt/qt_clipboard.h"
#include "ui/qt/qt_text.h"
#include "ui/texts.h"

namespace lotwheel::qt {

using ui::ControlId;

frmLotwheel::frmLotwheel(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      presenter_(*this, std::make_unique<QtClipboard>()) {
  InstallAccessibleInterfaces();
  setWindowIcon(QIcon(ArtPath(ui::Art::kAppIcon)));
  // The fixed layout is measured for a 9-point interface font: keep the
  // desktop's face but not a larger size, which would cut captions off.
  QFont interface_font = font();
  interface_font.setPointSize(9);
  setFont(interface_font);
  qApp->installEventFilter(new HeldKeyGuard(this));

  announcer_ = new Announcer(this);
  controls_ = new ControlSet(this, ui::MainWindowTable());
  for (ControlId list : {ControlId::lstMoto, ControlId::lstAto})
    controls_->Get<QListView>(list)->setModel(
        new EntryListModel(presenter_, list, this));
  controls_->ForwardPresses([this](ControlId id) { presenter_.Press(id); });
  presenter_.Start();
}

frmLotwheel::~frmLotwheel() = default;

std::u16string frmLotwheel::Text(ControlId box) const {
  if (box == ControlId::txtAdd) return EntryText();
  const QString text = controls_->Get<QLineEdit>(box)->text();
  return std::u16string(ViewOf(text));
}

void frmLotwheel::SetText(ControlId box, std::u16string_view text) {
  if (box == ControlId::txtAdd)
    controls_->Get<QPlainTextEdit>(box)->setPlainText(ToQString(text));
  else
    controls_->Get<QLineEdit>(box)->setText(ToQString(text));
}

void frmLotwheel::FinishInput() {
  // Qt finishes a composition by itself only when the focus moves, as on a
  // click; a button's access key leaves it open. The input method settles
  // it before this returns, as on a click: it commits the text to the box,
  // or drops it where its own settings say so.
  QGuiApplication::inputMethod()->commit();
}

void frmLotwheel::ShowRows(ControlId list, int /*count*/,
                           ui::RowChange /*change*/) {
  // The model reads the rows and their count from the presenter; a reset
  // also lets go of a selection that would point at another entry now.
  auto* view = controls_->Get<QListView>(list);
  static_cast<EntryListModel*>(view->model())->Refresh();
}

void frmLotwheel::ScrollToRow(ControlId list, int row) {
  auto* view = controls_->Get<QListView>(list);
  view->scrollTo(view->model()->index(row, 0),
                 QAbstractItemView::PositionAtTop);
}

std::optional<ControlId> frmLotwheel::Focus() const {
  return controls_->IdOf(QApplication::focusWidget());
}

void frmLotwheel::SetFocus(ControlId control) {
  controls_->Widget(control)->setFocus();
}

void frmLotwheel::ShowMessage(std::u16string_view text) {
  QMessageBox box(QMessageBox::Warning, ToQString(ui::kMessageTitle),
                  ToQString(text), QMessageBox::Ok, this);
  box.exec();
  // Not every window manager makes the window active again by itself.
  activateWindow();
}

void frmLotwheel::Announce(std::u16string_view text) {
  announcer_->Announce(ToQString(text));
}

void frmLotwheel::OpenVersionWindow() { frmVerInfo::ShowModal(this); }

std::u16string frmLotwheel::EntryText() const {
  // The raw text, because toPlainText() would turn non-breaking spaces into
  // plain ones; entries must reach the list unchanged. In it, a paragraph
  // separator ends each line, and Shift+Enter leaves a line separator,
  // which is a line to the user too.
  QString text = controls_->Get<QPlainTextEdit>(ControlId::txtAdd)
                     ->document()
                     ->toRawText();
  const bool breaks = text.contains(QChar::ParagraphSeparator) ||
                      text.contains(QChar::LineSeparator);
  if (breaks) {
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
  }
  return std::u16string(ViewOf(text));
}

}  // namespace lotwheel::qt

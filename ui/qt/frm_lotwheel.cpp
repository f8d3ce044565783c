// The main window: the two lists, the entry box and the five buttons.
#include "ui/qt/frm_lotwheel.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QInputMethod>
#include <QListView>
#include <QMessageBox>
#include <QShowEvent>

#include "ui/qt/announcer.h"
#include "ui/qt/art_path.h"
#include "ui/qt/control_set.h"
#include "ui/qt/entry_list_model.h"
#include "ui/qt/frm_ver_info.h"
#include "ui/qt/held_key_guard.h"
#include "ui/qt/qt_text.h"
#include "ui/texts.h"

namespace lotwheel::qt {

using ui::MainControl;

namespace {

// A plain QWidget window would be a "filler" to a screen reader. Matched by
// exact class: a window being destroyed reads as a plain QWidget.
QAccessibleInterface* WindowFactory(const QString& class_name,
                                    QObject* object) {
  if (class_name !=
      QLatin1StringView(frmLotwheel::staticMetaObject.className()))
    return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object),
                               QAccessible::Window);
}

}  // namespace

frmLotwheel::frmLotwheel(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      presenter_(*this, clipboard_) {
  static const bool installed =
      (QAccessible::installFactory(&WindowFactory), true);
  (void)installed;
  setWindowIcon(QIcon(ArtPath(ui::Art::kAppIcon)));
  // The fixed layout is measured for a 9-point interface font: keep the
  // desktop's face but not a larger size, which would cut captions off.
  QFont interface_font = font();
  interface_font.setPointSize(9);
  setFont(interface_font);
  qApp->installEventFilter(new HeldKeyGuard(this));

  announcer_ = new Announcer(this);
  controls_ = new ControlSet(this, ui::MainWindowTable());
  for (MainControl list : {MainControl::lstMoto, MainControl::lstAto})
    controls_->Get<QListView>(list)->setModel(
        new EntryListModel(presenter_, list, this));
  controls_->ForwardPresses(
      [this](ui::ControlId id) { presenter_.Press(*id.As<MainControl>()); });
}

frmLotwheel::~frmLotwheel() = default;

void frmLotwheel::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Not again when the window comes back from being minimised.
  if (!event->spontaneous()) presenter_.Start();
}

std::u16string frmLotwheel::Text(MainControl box) const {
  return controls_->Text(box);
}

void frmLotwheel::SetText(MainControl box, std::u16string_view text) {
  controls_->SetText(box, text);
}

void frmLotwheel::FinishInput() {
  // Qt finishes a composition by itself only when the focus moves, as on a
  // click; a button's access key leaves it open. The input method settles
  // it before this returns, as on a click: it commits the text to the box,
  // or drops it where its own settings say so.
  QGuiApplication::inputMethod()->commit();
}

void frmLotwheel::ShowRows(MainControl list, int /*count*/,
                           ui::RowChange /*change*/) {
  // The model reads the rows and their count from the presenter; a reset
  // also lets go of a selection that would point at another entry now.
  auto* view = controls_->Get<QListView>(list);
  static_cast<EntryListModel*>(view->model())->Refresh();
}

void frmLotwheel::ScrollToRow(MainControl list, int row) {
  auto* view = controls_->Get<QListView>(list);
  view->scrollTo(view->model()->index(row, 0),
                 QAbstractItemView::PositionAtTop);
}

std::optional<MainControl> frmLotwheel::Focus() const {
  const auto id = controls_->IdOf(QApplication::focusWidget());
  return id ? id->As<MainControl>() : std::nullopt;
}

void frmLotwheel::SetFocus(MainControl control) {
  controls_->Widget(control)->setFocus();
}

void frmLotwheel::ShowMessage(std::u16string_view text) {
  QMessageBox box(QMessageBox::Warning, ToQString(ui::kMessageTitle),
                  ToQString(text), QMessageBox::Ok, this);
  // Newer screen readers say of an alert its name and its description, not
  // the text of its label: the message goes into the description too.
  box.setAccessibleDescription(box.text());
  box.exec();
  // Not every window manager makes the window active again by itself.
  activateWindow();
}

void frmLotwheel::Announce(std::u16string_view text) {
  announcer_->Announce(ToQString(text));
}

void frmLotwheel::OpenVersionWindow() { frmVerInfo::ShowModal(this); }

}  // namespace lotwheel::qt

// The version window: version line, credits and the two link banners.
#include "ui/qt/frm_ver_info.h"

#include <QIcon>
#include <QPixmap>
#include <QPointer>
#include <QShowEvent>
#include <QUrl>

#include "ui/qt/control_set.h"
#include "ui/qt/open_address.h"
#include "ui/qt/qt_text.h"

namespace lotwheel::qt {

void frmVerInfo::ShowModal(QWidget* parent) {
  // Both held through guards: should the parent go away while the window is
  // open, it takes the window with it and nothing is deleted or touched
  // after that.
  const QPointer<QWidget> owner = parent;
  QPointer<frmVerInfo> window = new frmVerInfo(parent);
  window->exec();
  delete window.data();
  // The focus goes back to the window that opened this one; not every
  // window manager hands it back by itself.
  if (owner) owner->window()->activateWindow();
}

frmVerInfo::frmVerInfo(QWidget* parent) : QDialog(parent), presenter_(*this) {
  // A fixed dialog frame with the close box alone: no minimise, maximise or
  // help box.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setModal(true);
  // No icon in the title bar. A window always has one on X11 and inherits
  // the application's, so it gets a blank one that shows nothing.
  QPixmap blank(16, 16);
  blank.fill(Qt::transparent);
  setWindowIcon(QIcon(blank));

  controls_ = new ControlSet(this, ui::VerInfoWindowTable());
  controls_->ForwardPresses([this](ui::ControlId id) {
    presenter_.Press(*id.As<ui::VerInfoControl>());
  });
}

void frmVerInfo::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) presenter_.Start();
}

void frmVerInfo::SetText(ui::VerInfoControl control, std::u16string_view text) {
  controls_->SetText(control, text);
}

void frmVerInfo::SetDescription(std::u16string_view text) {
  setAccessibleDescription(ToQString(text));
}

void frmVerInfo::SetFocus(ui::VerInfoControl control) {
  controls_->Widget(control)->setFocus();
}

void frmVerInfo::OpenAddress(const std::string& address) {
  qt::OpenAddress(QUrl(QString::fromStdString(address)));
}

void frmVerInfo::Close() { accept(); }

void frmVerInfo::reject() { presenter_.Press(ui::VerInfoControl::cmdOK); }

}  // namespace lotwheel::qt

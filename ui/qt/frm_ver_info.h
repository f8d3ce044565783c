// The version window: version line, credits and the two link banners, shown
// as the presenter decides.
#pragma once

#include <QDialog>

#include "ui/ver_info_presenter.h"
#include "ui/ver_info_view.h"

namespace lotwheel::qt {

class ControlSet;

class frmVerInfo final : public QDialog, public ui::VerInfoView {
  Q_OBJECT

 public:
  // Builds the window afresh, shows it modally and returns once it is closed
  // and destroyed.
  static void ShowModal(QWidget* parent);

  explicit frmVerInfo(QWidget* parent = nullptr);

  void SetText(ui::VerInfoControl control, std::u16string_view text) override;
  void SetDescription(std::u16string_view text) override;
  void SetFocus(ui::VerInfoControl control) override;
  void OpenAddress(const std::string& address) override;
  void Close() override;

 protected:
  // The version line and the focus as the presenter says, once it shows.
  void showEvent(QShowEvent* event) override;
  // Esc and the close box press OK, the window's cancel button.
  void reject() override;

 private:
  ui::VerInfoPresenter presenter_;
  ControlSet* controls_ = nullptr;

  Q_DISABLE_COPY_MOVE(frmVerInfo)
};

}  // namespace lotwheel::qt

// The main window: the two lists, the entry box and the five buttons, shown
// as the presenter decides.
#pragma once

#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "ui/main_presenter.h"
#include "ui/main_view.h"
#include "ui/qt/qt_clipboard.h"

namespace lotwheel::qt {

class Announcer;
class ControlSet;

class frmLotwheel final : public QWidget, public ui::MainView {
  Q_OBJECT

 public:
  explicit frmLotwheel(QWidget* parent = nullptr);
  ~frmLotwheel() override;

  std::u16string Text(ui::MainControl box) const override;
  void SetText(ui::MainControl box, std::u16string_view text) override;
  void FinishInput() override;
  void ShowRows(ui::MainControl list, int count, ui::RowChange change) override;
  void ScrollToRow(ui::MainControl list, int row) override;
  std::optional<ui::MainControl> Focus() const override;
  void SetFocus(ui::MainControl control) override;
  void ShowMessage(std::u16string_view text) override;
  void Announce(std::u16string_view text) override;
  void OpenVersionWindow() override;

 protected:
  // The focus goes where the presenter says once the window shows.
  void showEvent(QShowEvent* event) override;

 private:
  QtClipboard clipboard_;  // the one the copy button fills
  ui::MainPresenter presenter_;
  ControlSet* controls_ = nullptr;
  Announcer* announcer_ = nullptr;

  Q_DISABLE_COPY_MOVE(frmLotwheel)
};

}  // namespace lotwheel::qt

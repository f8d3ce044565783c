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

namespace lotwheel::qt {

class Announcer;
class ControlSet;

class frmLotwheel final : public QWidget, public ui::MainView {
  Q_OBJECT

 public:
  explicit frmLotwheel(QWidget* parent = nullptr);
  ~frmLotwheel() override;

  // What the window does; tests give it another clipboard.
  ui::MainPresenter& presenter() { return presenter_; }

  std::u16string Text(ui::ControlId box) const override;
  void SetText(ui::ControlId box, std::u16string_view text) override;
  void FinishInput() override;
  void ShowRows(ui::ControlId list, int count, ui::RowChange change) override;
  void ScrollToRow(ui::ControlId list, int row) override;
  std::optional<ui::ControlId> Focus() const override;
  void SetFocus(ui::ControlId control) override;
  void ShowMessage(std::u16string_view text) override;
  void Announce(std::u16string_view text) override;
  void OpenVersionWindow() override;

 private:
  // The lines of txtAdd as the user sees them, joined with CR LF.
  std::u16string EntryText() const;

  ui::MainPresenter presenter_;
  ControlSet* controls_ = nullptr;
  Announcer* announcer_ = nullptr;

  Q_DISABLE_COPY_MOVE(frmLotwheel)
};

}  // namespace lotwheel::qt

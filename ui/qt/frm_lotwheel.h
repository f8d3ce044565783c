// The main window: the two lists, the entry box and the five buttons.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <string_view>

#include "engine/clipboard.h"
#include "engine/draw_session.h"

class EntryListModel;
namespace lotwheel {
class Announcer;
}
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QPushButton;

class frmLotwheel final : public QWidget {
  Q_OBJECT

 public:
  explicit frmLotwheel(QWidget* parent = nullptr);
  ~frmLotwheel() override;

  // The clipboard that the copy button fills; the system's by default.
  void UseClipboard(std::unique_ptr<lotwheel::Clipboard> clipboard);

 private:
  void CreateControls();
  void ConnectButtons();

  void OnAddClicked();
  void OnClearClicked();
  void OnBuildClicked();
  void OnCopyClicked();
  void OnVerInfoClicked();

  // Runs one operation. Running out of memory leaves both lists as they
  // were, so it is reported and the program goes on.
  void Run(const std::function<void()>& operation);
  // The lines of txtAdd as the user sees them, joined with CR LF.
  QString EntryText() const;
  // Shows the one kind of message box this window has; empty shows none.
  void ShowError(std::u16string_view text);
  static void ScrollToRow(QListView* list, int row);
  // Each list's accessible description becomes its row count, and the
  // output's also the first name of the draw that began at `first_drawn`
  // (-1: no draw).
  void ReportLists(bool output_changed, int first_drawn = -1);
  // Has the screen reader say what an operation did, wherever the focus is.
  void Announce(const std::function<std::u16string()>& text);

  lotwheel::DrawSession session_;
  std::unique_ptr<lotwheel::Clipboard> clipboard_;
  EntryListModel* source_model_ = nullptr;
  EntryListModel* output_model_ = nullptr;
  lotwheel::Announcer* announcer_ = nullptr;

  QLabel* lblMoto = nullptr;
  QListView* lstMoto = nullptr;
  QLabel* lblAto = nullptr;
  QListView* lstAto = nullptr;
  QGroupBox* fraAdd = nullptr;
  QPlainTextEdit* txtAdd = nullptr;
  QPushButton* cmdAdd = nullptr;
  QPushButton* cmdBuild = nullptr;
  QPushButton* cmdClear = nullptr;
  QPushButton* cmdCopy = nullptr;
  QLabel* lblTousen = nullptr;
  QLineEdit* txtHowWho = nullptr;
  QPushButton* cmdVerInfo = nullptr;

  Q_DISABLE_COPY_MOVE(frmLotwheel)
};

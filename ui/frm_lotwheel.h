// The main window: the two lists, the entry box and the five buttons.
#pragma once

#include <QWidget>

#include "engine/draw_session.h"

class EntryListModel;
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

 private:
  void CreateControls();
  void PlaceControls();
  void OrderTabs();
  void ConnectButtons();

  void OnAddClicked();
  void OnClearClicked();
  void OnBuildClicked();
  void OnCopyClicked();
  void OnVerInfoClicked();

  // The lines of txtAdd as the user sees them, joined with CR LF.
  QString EntryText() const;
  // Shows the one kind of message box this window has.
  void ShowError(const QString& text);
  static void ScrollToRow(QListView* list, int row);

  lotwheel::DrawSession session_;
  EntryListModel* source_model_ = nullptr;
  EntryListModel* output_model_ = nullptr;

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

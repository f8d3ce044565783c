// The version window: version line, credits and the two link banners.
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace lotwheel {
class PictureLabel;
}

class frmVerInfo final : public QDialog {
  Q_OBJECT

 public:
  // Builds the window afresh, shows it modally and returns once it is closed
  // and destroyed.
  static void ShowModal(QWidget* parent);

  explicit frmVerInfo(QWidget* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void FillControls();
  void ConnectControls();

  QLabel* Image1;
  QLabel* Label1;
  QLabel* lblVerinfo;
  QPlainTextEdit* Text1;
  lotwheel::PictureLabel* Image2;
  lotwheel::PictureLabel* Image3;
  QPushButton* cmdOK;

  Q_DISABLE_COPY_MOVE(frmVerInfo)
};

// The version window: version line, credits and the two link banners.
#pragma once

#include <QDialog>

class frmVerInfo final : public QDialog {
  Q_OBJECT

 public:
  // Builds the window afresh, shows it modally and returns once it is closed.
  static void ShowModal(QWidget* parent);

  explicit frmVerInfo(QWidget* parent = nullptr);

 private:
  Q_DISABLE_COPY_MOVE(frmVerInfo)
};

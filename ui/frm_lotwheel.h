// The main window: the two lists, the entry box and the five buttons.
#pragma once

#include <QWidget>

#include "engine/draw_session.h"

class frmLotwheel final : public QWidget {
  Q_OBJECT

 public:
  explicit frmLotwheel(QWidget* parent = nullptr);

 private:
  lotwheel::DrawSession session_;
  Q_DISABLE_COPY_MOVE(frmLotwheel)
};

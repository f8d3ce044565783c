#include "ui/frm_lotwheel.h"

frmLotwheel::frmLotwheel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("frmLotwheel"));
}

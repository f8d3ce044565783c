#include "ui/frm_ver_info.h"

void frmVerInfo::ShowModal(QWidget* parent) {
  frmVerInfo window(parent);
  window.exec();
}

frmVerInfo::frmVerInfo(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmVerInfo"));
}

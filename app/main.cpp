// Start-up: the main window and the event loop, nothing else.
#include <QApplication>

#include "ui/frm_lotwheel.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  frmLotwheel window;
  window.show();
  return app.exec();
}

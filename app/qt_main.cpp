// Start-up: the main window and the event loop, nothing else.
#include <QApplication>
#include <QIcon>

#include "lotwheel_version.h"
#include "ui/qt/frm_lotwheel.h"
#include "ui/texts.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // Lets the desktop match the running window with its launcher and icon.
  QApplication::setDesktopFileName(QString::fromLatin1(lotwheel::kAppId));
  QApplication::setWindowIcon(QIcon(
      QStringLiteral(":/lotwheel/art/") +
      QString::fromLatin1(lotwheel::ui::ArtFile(lotwheel::ui::Art::kAppIcon))));
  frmLotwheel window;
  window.show();
  return app.exec();
}

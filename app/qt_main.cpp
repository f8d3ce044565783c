// Start-up: the main window and the event loop, nothing else.
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "lotwheel_version.h"
#include "ui/qt/desktop_session.h"
#include "ui/qt/frm_lotwheel.h"

int main(int /*argc*/, char* argv[]) {
  // Without a desktop session this says so and ends the process. The
  // program has no command line: its arguments are not looked at.
  const std::unique_ptr<QApplication> app =
      lotwheel::qt::OpenDesktopSession(argv[0]);
  // Qt's own texts, such as the text boxes' context menu, in Japanese like
  // the rest of the program, whatever the desktop's language. Without the
  // translation installed they stay in English.
  QTranslator qt_texts;
  if (qt_texts.load(QStringLiteral("qtbase_ja"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qt_texts);
  // The window class that the desktop entry's StartupWMClass names, however
  // the executable is called.
  QApplication::setApplicationName(QStringLiteral("lotwheel"));
  // Lets the desktop match the running window with its launcher and icon.
  QApplication::setDesktopFileName(QString::fromLatin1(lotwheel::kAppId));
  lotwheel::qt::frmLotwheel window;
  window.show();
  return QApplication::exec();
}

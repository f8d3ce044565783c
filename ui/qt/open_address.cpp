// Hands a web address to the user's browser.
#include "ui/qt/open_address.h"

#include <QDesktopServices>

namespace lotwheel::qt {

void OpenAddress(const QUrl& address) {
  (void)QDesktopServices::openUrl(address);
}

}  // namespace lotwheel::qt

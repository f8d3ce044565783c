// Hands a web address to the user's browser.
#pragma once

#include <QUrl>

namespace lotwheel::qt {

// Asks the desktop to open the address and returns at once. Neither waits for
// the browser nor looks at the outcome: with no browser there is nothing the
// user could do about it, so nothing is reported.
void OpenAddress(const QUrl& address);

}  // namespace lotwheel::qt

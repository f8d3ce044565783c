// Tells assistive technology what the program's own widgets are: the main
// window is a top-level frame, the banners are links that can be pressed and
// an announcer is a notification.
#pragma once

namespace lotwheel::qt {

// Installs the interfaces for those widgets; each window calls it before it
// builds its controls. Calling it again does nothing.
void InstallAccessibleInterfaces();

}  // namespace lotwheel::qt

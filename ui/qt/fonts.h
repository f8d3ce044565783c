// The Japanese gothic face that two controls ask for, with its stand-ins.
#pragma once

#include <QFont>

namespace lotwheel::qt {

// "ＭＳ Ｐゴシック" at the given size, falling back to faces that look alike
// where it is missing.
QFont GothicFont(qreal point_size, bool bold, bool italic = false);

}  // namespace lotwheel::qt

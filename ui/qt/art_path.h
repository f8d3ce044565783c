// Where the shared artwork lies among the program's Qt resources.
#pragma once

#include <QString>

#include "ui/art.h"

namespace lotwheel::qt {

inline QString ArtPath(ui::Art art) {
  return QStringLiteral(":/lotwheel/art/") +
         QString::fromLatin1(ui::ArtFile(art));
}

}  // namespace lotwheel::qt

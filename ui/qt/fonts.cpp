#include "ui/qt/fonts.h"

#include <QStringList>

#include "ui/control_table.h"
#include "ui/qt/qt_text.h"

namespace lotwheel::qt {

QFont GothicFont(qreal point_size, bool bold, bool italic) {
  QFont font;
  font.setFamilies({ToQString(ui::kGothicFace), QStringLiteral("MS PGothic"),
                    QStringLiteral("IPAPGothic"), QStringLiteral("VL PGothic"),
                    QStringLiteral("Noto Sans CJK JP")});
  font.setPointSizeF(point_size);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

}  // namespace lotwheel::qt

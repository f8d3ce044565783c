#include "ui/qt/fonts.h"

#include <QStringList>

namespace lotwheel::qt {

QFont GothicFont(qreal point_size, bool bold, bool italic) {
  QFont font;
  font.setFamilies({QStringLiteral(u"ＭＳ Ｐゴシック"),
                    QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"),
                    QStringLiteral("VL PGothic"),
                    QStringLiteral("Noto Sans CJK JP")});
  font.setPointSizeF(point_size);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

}  // namespace lotwheel::qt

// Tells assistive technology what the program's own widgets are.
#include "ui/qt/accessibility.h"

#include <QAccessibleWidget>

#include "ui/qt/frm_lotwheel.h"
#include "ui/qt/picture_label.h"

namespace lotwheel::qt {
namespace {

// A banner: a link, named by its tooltip, whose press action opens the page
// as a click does. It still never takes the focus.
class LinkAccessible final : public QAccessibleWidget {
 public:
  explicit LinkAccessible(PictureLabel* picture)
      : QAccessibleWidget(picture, QAccessible::Link) {}

  QString text(QAccessible::Text t) const override {
    // The name is the tooltip already; as the description too it would be
    // read out twice.
    if (t == QAccessible::Description) return {};
    return QAccessibleWidget::text(t);
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    if (action == pressAction()) static_cast<PictureLabel*>(widget())->Click();
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

bool Is(const QString& class_name, const QMetaObject& meta) {
  return class_name == QLatin1StringView(meta.className());
}

// Classes are matched exactly: while a widget is being destroyed it reads
// as its Qt base class, so no interface is ever made for a half-gone one.
QAccessibleInterface* Factory(const QString& class_name, QObject* object) {
  // A plain QWidget window would be a "filler" to the screen reader.
  if (Is(class_name, frmLotwheel::staticMetaObject))
    return new QAccessibleWidget(static_cast<QWidget*>(object),
                                 QAccessible::Window);
  if (Is(class_name, PictureLabel::staticMetaObject))
    return new LinkAccessible(static_cast<PictureLabel*>(object));
  return nullptr;
}

}  // namespace

void InstallAccessibleInterfaces() {
  static const bool installed = [] {
    QAccessible::installFactory(&Factory);
    return true;
  }();
  (void)installed;
}

}  // namespace lotwheel::qt

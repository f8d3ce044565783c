// Makes a list read its current row to a screen reader when it takes the
// focus.
#include "ui/qt/list_focus.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QEvent>
#include <QTimer>

namespace lotwheel::qt {
namespace {

void ReportCurrentRow(QAbstractItemView* view) {
  if (!view->hasFocus() || view->model() == nullptr ||
      view->model()->rowCount(view->rootIndex()) == 0)
    return;
  QModelIndex current = view->currentIndex();
  if (!current.isValid()) {
    current = view->model()->index(0, 0, view->rootIndex());
    view->selectionModel()->setCurrentIndex(current,
                                            QItemSelectionModel::NoUpdate);
  }
  if (!QAccessible::isActive()) return;
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(view);
  QAccessibleTableInterface* table = list ? list->tableInterface() : nullptr;
  if (table == nullptr) return;
  QAccessibleInterface* row = table->cellAt(current.row(), 0);
  if (row == nullptr) return;
  QAccessibleEvent focus(view, QAccessible::Focus);
  focus.setChild(list->indexOfChild(row));
  QAccessible::updateAccessibility(&focus);
}

// Qt reports the focus on the list's first row before the list itself
// takes the focus, so a screen reader settles on the list and never reads
// the row. The row's report is therefore sent again once the list's own
// focus event has been handled.
class RowFocusReporter final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // The filter is the view's child, so the timer goes with the view.
    if (event->type() == QEvent::FocusIn) {
      auto* view = static_cast<QAbstractItemView*>(watched);
      QTimer::singleShot(0, this, [view] { ReportCurrentRow(view); });
    }
    return false;
  }
};

}  // namespace

void ReadCurrentRowOnFocus(QAbstractItemView* view) {
  view->installEventFilter(new RowFocusReporter(view));
}

}  // namespace lotwheel::qt

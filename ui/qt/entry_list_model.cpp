// One of the main window's lists, as a read-only model for a list view.
#include "ui/qt/entry_list_model.h"

#include "ui/qt/qt_text.h"

namespace lotwheel::qt {

EntryListModel::EntryListModel(const ui::MainPresenter& presenter,
                               ui::MainControl list, QObject* parent)
    : QAbstractListModel(parent), presenter_(presenter), list_(list) {}

int EntryListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : presenter_.RowCount(list_);
}

QVariant EntryListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || role != Qt::DisplayRole) return QVariant();
  // A view may still ask for a row that an operation has just removed, in
  // the moment before Refresh() reaches it.
  if (index.row() >= rowCount()) return QVariant();
  return ToQString(presenter_.RowText(list_, index.row()));
}

void EntryListModel::Refresh() {
  beginResetModel();
  endResetModel();
}

}  // namespace lotwheel::qt

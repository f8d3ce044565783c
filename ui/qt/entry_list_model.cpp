// One of the draw session's two lists, as a read-only model for a list view.
#include "ui/qt/entry_list_model.h"

#include "ui/qt/qt_text.h"
#include "ui/row_text.h"

EntryListModel::EntryListModel(const lotwheel::DrawSession& session,
                               Which which, QObject* parent)
    : QAbstractListModel(parent), session_(session), which_(which) {}

int EntryListModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return which_ == Which::Source ? session_.SourceCount()
                                 : session_.OutputCount();
}

QVariant EntryListModel::data(const QModelIndex& index, int role) const {
  // A view may still ask for a row that an operation has just removed, in
  // the moment before Refresh() reaches it.
  if (!index.isValid() || index.row() >= rowCount() || role != Qt::DisplayRole)
    return QVariant();
  const auto row = static_cast<int16_t>(index.row());
  return lotwheel::ToQString(
      lotwheel::ui::RowText(which_ == Which::Source ? session_.SourceAt(row)
                                                    : session_.OutputAt(row)));
}

void EntryListModel::Refresh() {
  beginResetModel();
  endResetModel();
}

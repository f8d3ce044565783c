// One of the draw session's two lists, as a read-only model for a list view.
#include "ui/entry_list_model.h"

#include <QString>

namespace {

// An entry may hold a CR or an LF standing alone; a row is one line high, so
// those show as their visible control pictures instead of breaking the row.
QString RowText(const std::u16string& entry) {
  QString text(reinterpret_cast<const QChar*>(entry.data()),
               static_cast<qsizetype>(entry.size()));
  text.replace(QChar(u'\r'), QChar(u'\u240D'));
  text.replace(QChar(u'\n'), QChar(u'\u240A'));
  return text;
}

}  // namespace

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
  return RowText(which_ == Which::Source ? session_.SourceAt(row)
                                         : session_.OutputAt(row));
}

void EntryListModel::Refresh() {
  beginResetModel();
  endResetModel();
}

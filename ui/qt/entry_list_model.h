// One of the draw session's two lists, as a read-only model for a list view.
#pragma once

#include <QAbstractListModel>

#include "engine/draw_session.h"

class EntryListModel final : public QAbstractListModel {
  Q_OBJECT

 public:
  enum class Which { Source, Output };

  EntryListModel(const lotwheel::DrawSession& session, Which which,
                 QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index,
                int role = Qt::DisplayRole) const override;

  // Brings every view in line with the list after an operation changed it.
  void Refresh();

 private:
  const lotwheel::DrawSession& session_;
  Which which_;
  Q_DISABLE_COPY_MOVE(EntryListModel)
};

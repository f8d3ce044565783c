// One of the main window's lists, as a read-only model for a list view: it
// holds no rows of its own and asks the presenter for each one it shows.
#pragma once

#include <QAbstractListModel>

#include "ui/main_presenter.h"

namespace lotwheel::qt {

class EntryListModel final : public QAbstractListModel {
  Q_OBJECT

 public:
  EntryListModel(const ui::MainPresenter& presenter, ui::MainControl list,
                 QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index,
                int role = Qt::DisplayRole) const override;

  // Brings every view in line with the list after an operation changed it.
  void Refresh();

 private:
  const ui::MainPresenter& presenter_;
  ui::MainControl list_;
  Q_DISABLE_COPY_MOVE(EntryListModel)
};

}  // namespace lotwheel::qt

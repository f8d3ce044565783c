// Makes a held key press a button once: the keyboard's auto-repeat would
// otherwise draw or add again for every repeat.
#pragma once

#include <QObject>

namespace lotwheel::qt {

// Installed on the application by the main window, for as long as that
// window lives. It drops the repeats of Enter and the space bar on a button
// and of Alt with an access key anywhere; the first press goes through.
class HeldKeyGuard final : public QObject {
  Q_OBJECT

 public:
  explicit HeldKeyGuard(QObject* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Q_DISABLE_COPY_MOVE(HeldKeyGuard)
};

}  // namespace lotwheel::qt

// Lets Enter press the button that has the focus, as the space bar does.
#pragma once

#include <QObject>

namespace lotwheel::qt {

// Installed on a button of a plain window, where Qt's buttons only answer
// Enter as (auto-)default buttons of a dialog. The window keeps no default
// button, so Enter anywhere else presses nothing.
class EnterPressesButton final : public QObject {
  Q_OBJECT

 public:
  explicit EnterPressesButton(QObject* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Q_DISABLE_COPY_MOVE(EnterPressesButton)
};

}  // namespace lotwheel::qt

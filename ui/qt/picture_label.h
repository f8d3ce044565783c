// A picture control: shows a bitmap at its natural size and reports clicks.
#pragma once

#include <QLabel>

class QMouseEvent;

namespace lotwheel::qt {

class PictureLabel final : public QLabel {
  Q_OBJECT

 public:
  explicit PictureLabel(QWidget* parent = nullptr);

  // Does what a click does; assistive technology presses the picture so.
  void Click();

 signals:
  // A left click: the button went down and came up again over the picture.
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
  Q_DISABLE_COPY_MOVE(PictureLabel)
};

}  // namespace lotwheel::qt

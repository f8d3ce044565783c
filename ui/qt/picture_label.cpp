// A picture control: shows a bitmap at its natural size and reports clicks.
#include "ui/qt/picture_label.h"

#include <QMouseEvent>

namespace lotwheel::qt {

PictureLabel::PictureLabel(QWidget* parent) : QLabel(parent) {
  // Pictures are drawn from the top left corner, never stretched, and never
  // take the focus.
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setScaledContents(false);
  setFocusPolicy(Qt::NoFocus);
}

void PictureLabel::Click() { emit clicked(); }

void PictureLabel::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

void PictureLabel::mouseReleaseEvent(QMouseEvent* event) {
  // A press dragged off the picture before release is no click, as with a
  // button.
  const bool click = pressed_ && event->button() == Qt::LeftButton &&
                     rect().contains(event->position().toPoint());
  pressed_ = false;
  event->accept();
  if (click) emit clicked();
}

}  // namespace lotwheel::qt

// Speaks a short text through the screen reader without moving the focus.
#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace lotwheel::qt {

// Belongs to one window. Each Announce() is read out at once by a running
// screen reader, wherever the focus is in the window, and changes nothing on
// the screen: the announcer has no pixels and never takes the focus.
class Announcer final : public QObject {
  Q_OBJECT

 public:
  explicit Announcer(QWidget* window);

  void Announce(const QString& text);

  // The last text announced, which the screen reader reads back.
  const QString& Text() const { return text_; }

 private:
  QString text_;
  Q_DISABLE_COPY_MOVE(Announcer)
};

}  // namespace lotwheel::qt

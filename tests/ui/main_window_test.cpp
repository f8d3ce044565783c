// Placeholder, filled in with the window.
#include <QTest>

class Main_windowTest : public QObject {
  Q_OBJECT
 private slots:
  void Builds() {}
};

QTEST_MAIN(Main_windowTest)
#include "main_window_test.moc"

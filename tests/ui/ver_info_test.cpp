// Placeholder, filled in with the window.
#include <QTest>

class Ver_infoTest : public QObject {
  Q_OBJECT
 private slots:
  void Builds() {}
};

QTEST_MAIN(Ver_infoTest)
#include "ver_info_test.moc"

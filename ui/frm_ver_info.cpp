// The version window: version line, credits and the two link banners.
#include "ui/frm_ver_info.h"

#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QUrl>
#include <algorithm>

#include "lotwheel_version.h"
#include "ui/cursor_file.h"
#include "ui/fonts.h"
#include "ui/open_address.h"
#include "ui/picture_label.h"
#include "ui/twips.h"
#include "ui/ver_info_texts.h"
#include "ui/version_line.h"

namespace {

// The 32 x 32 image of the application icon, read as stored rather than
// scaled from whichever image the icon engine prefers.
QPixmap IconImage32() {
  const QString path = QStringLiteral(":/lotwheel/art/lotwheel.ico");
  QImageReader reader(path);
  for (int i = 0; i < std::max(reader.imageCount(), 1); ++i) {
    if (i > 0 && !reader.jumpToImage(i)) break;
    const QImage image = reader.read();
    if (image.size() == QSize(32, 32)) return QPixmap::fromImage(image);
  }
  return QIcon(path).pixmap(32, 32);
}

// The CR LF pairs end the credit lines; in the box each line is a paragraph
// of its own, and the break after the last line closes it rather than
// opening an empty ninth one.
QString CreditsForDisplay() {
  QString text = QString::fromUtf8(lotwheel::kCreditsText);
  if (text.endsWith(QStringLiteral("\r\n"))) text.chop(2);
  return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

void frmVerInfo::ShowModal(QWidget* parent) {
  // Both held through guards: should the parent go away while the window is
  // open, it takes the window with it and nothing is deleted or touched
  // after that.
  const QPointer<QWidget> owner = parent;
  QPointer<frmVerInfo> window = new frmVerInfo(parent);
  window->exec();
  delete window.data();
  // The focus goes back to the window that opened this one; not every
  // window manager hands it back by itself.
  if (owner) owner->window()->activateWindow();
}

frmVerInfo::frmVerInfo(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmVerInfo"));
  setWindowTitle(
      QStringLiteral("Z.Q Lotwheel for Tournament Basic Version Infomation"));
  // A fixed dialog frame with the close box alone: no minimise, maximise or
  // help box.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(lotwheel::PixelsFromTwips(6210),
               lotwheel::PixelsFromTwips(2700));
  setModal(true);
  // No icon in the title bar. A window always has one on X11 and inherits
  // the application's, so it gets a blank one that shows nothing.
  QPixmap blank(16, 16);
  blank.fill(Qt::transparent);
  setWindowIcon(QIcon(blank));

  BuildControls();
  PlaceControls();
  FillControls();
  ConnectControls();
  Text1->setFocus();
}

void frmVerInfo::BuildControls() {
  Image1 = new QLabel(this);
  Label1 = new QLabel(this);
  lblVerinfo = new QLabel(this);
  Text1 = new QPlainTextEdit(this);
  Image2 = new lotwheel::PictureLabel(this);
  Image3 = new lotwheel::PictureLabel(this);
  cmdOK = new QPushButton(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Label1->setObjectName(QStringLiteral("Label1"));
  lblVerinfo->setObjectName(QStringLiteral("lblVerinfo"));
  Text1->setObjectName(QStringLiteral("Text1"));
  Image2->setObjectName(QStringLiteral("Image2"));
  Image3->setObjectName(QStringLiteral("Image3"));
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
}

void frmVerInfo::PlaceControls() {
  Image1->setGeometry(lotwheel::RectFromTwips(105, 105, 480, 480));
  Label1->setGeometry(lotwheel::RectFromTwips(630, 180, 5475, 330));
  lblVerinfo->setGeometry(lotwheel::RectFromTwips(3570, 580, 2535, 225));
  Text1->setGeometry(lotwheel::RectFromTwips(105, 840, 6000, 1065));
  Image2->setGeometry(lotwheel::RectFromTwips(105, 2025, 2400, 570));
  Image3->setGeometry(lotwheel::RectFromTwips(2715, 2010, 1800, 600));
  cmdOK->setGeometry(lotwheel::RectFromTwips(4725, 2145, 1380, 330));
  // Only the credits box and the button take the focus, in this order.
  setTabOrder(Text1, cmdOK);
}

void frmVerInfo::FillControls() {
  Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Image1->setPixmap(IconImage32());
  Image1->setAccessibleName(QStringLiteral(u"アイコン"));

  Label1->setTextFormat(Qt::PlainText);
  Label1->setFont(GothicFont(15.75, true, true));
  Label1->setText(QString::fromUtf8(lotwheel::kProductName));

  lblVerinfo->setTextFormat(Qt::PlainText);
  lblVerinfo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  lblVerinfo->setText(QString::fromStdString(
      lotwheel::VersionLine(lotwheel::kVersionMajor, lotwheel::kVersionMinor,
                            lotwheel::kVersionRevision)));

  Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Text1->setTabChangesFocus(true);
  Text1->setPlainText(CreditsForDisplay());
  Text1->setAccessibleName(QStringLiteral(u"クレジット"));
  Text1->installEventFilter(this);

  const QCursor hand =
      lotwheel::LoadCursorFile(QStringLiteral(":/lotwheel/art/hand.cur"));
  const QString group_tip = QStringLiteral(u"Z.Q HomePageへアクセスします。");
  const QString label_tip = QString::fromUtf8(lotwheel::kLabelName) +
                            QStringLiteral("(") +
                            QString::fromUtf8(lotwheel::kAuthorSiteName) +
                            QStringLiteral(u")にアクセスします。");
  Image2->setPixmap(QPixmap(QStringLiteral(":/lotwheel/art/banner_group.bmp")));
  Image2->setCursor(hand);
  Image2->setToolTip(group_tip);
  Image2->setAccessibleName(group_tip);
  Image3->setPixmap(QPixmap(QStringLiteral(":/lotwheel/art/banner_label.bmp")));
  Image3->setCursor(hand);
  Image3->setToolTip(label_tip);
  Image3->setAccessibleName(label_tip);

  cmdOK->setText(QStringLiteral("OK(&O)"));
  cmdOK->setDefault(true);
}

void frmVerInfo::ConnectControls() {
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(Image2, &lotwheel::PictureLabel::clicked, this, [] {
    lotwheel::OpenAddress(QUrl(QString::fromUtf8(lotwheel::kGroupHomePage)));
  });
  connect(Image3, &lotwheel::PictureLabel::clicked, this, [] {
    lotwheel::OpenAddress(QUrl(QString::fromUtf8(lotwheel::kAuthorPage)));
  });
}

bool frmVerInfo::eventFilter(QObject* watched, QEvent* event) {
  // Enter in the credits box presses OK, as it does everywhere else in the
  // window; Ctrl+Enter is how a new line gets typed there.
  if (watched == Text1 && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      if (key->modifiers() & Qt::ControlModifier) {
        Text1->insertPlainText(QStringLiteral("\n"));
      } else {
        cmdOK->click();
      }
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

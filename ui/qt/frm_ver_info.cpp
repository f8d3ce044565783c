// The version window: version line, credits and the two link banners.
#include "ui/qt/frm_ver_info.h"

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

#include "ui/qt/accessibility.h"
#include "ui/qt/control_table.h"
#include "ui/qt/cursor_file.h"
#include "ui/qt/open_address.h"
#include "ui/qt/picture_label.h"
#include "ui/texts.h"
#include "ui/window_layout.h"

namespace {

QString ArtPath(lotwheel::ui::Art art) {
  return QStringLiteral(":/lotwheel/art/") +
         QString::fromLatin1(lotwheel::ui::ArtFile(art));
}

// The 32 x 32 image of the application icon, read as stored rather than
// scaled from whichever image the icon engine prefers.
QPixmap IconImage32() {
  const QString path = ArtPath(lotwheel::ui::Art::kAppIcon);
  QImageReader reader(path);
  for (int i = 0; i < std::max(reader.imageCount(), 1); ++i) {
    if (i > 0 && !reader.jumpToImage(i)) break;
    const QImage image = reader.read();
    if (image.size() == QSize(32, 32)) return QPixmap::fromImage(image);
  }
  return QIcon(path).pixmap(32, 32);
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
  lotwheel::InstallAccessibleInterfaces();
  // A fixed dialog frame with the close box alone: no minimise, maximise or
  // help box.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setModal(true);
  // No icon in the title bar. A window always has one on X11 and inherits
  // the application's, so it gets a blank one that shows nothing.
  QPixmap blank(16, 16);
  blank.fill(Qt::transparent);
  setWindowIcon(QIcon(blank));

  BuildControls();
  lotwheel::ApplyLayout(this, lotwheel::ui::VerInfoWindowLayout());
  FillControls();
  ConnectControls();
  // Read out with the window's title as it opens; a screen reader would
  // otherwise pass over the short line.
  setAccessibleDescription(lblVerinfo->text());
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

void frmVerInfo::FillControls() {
  Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Image1->setPixmap(IconImage32());
  lblVerinfo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Text1->setTabChangesFocus(true);
  Text1->installEventFilter(this);

  const QCursor hand =
      lotwheel::LoadCursorFile(ArtPath(lotwheel::ui::Art::kHandPointer));
  const lotwheel::ui::WindowLayout& layout =
      lotwheel::ui::VerInfoWindowLayout();
  for (lotwheel::PictureLabel* banner : {Image2, Image3}) {
    const auto& info = layout.Control(banner->objectName().toStdString());
    banner->setPixmap(QPixmap(ArtPath(info.art)));
    banner->setCursor(hand);
  }
  cmdOK->setDefault(true);
}

void frmVerInfo::ConnectControls() {
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
  const lotwheel::ui::WindowLayout& layout =
      lotwheel::ui::VerInfoWindowLayout();
  for (lotwheel::PictureLabel* banner : {Image2, Image3}) {
    const QUrl address(QString::fromStdString(
        layout.Control(banner->objectName().toStdString()).link));
    connect(banner, &lotwheel::PictureLabel::clicked, this,
            [address] { lotwheel::OpenAddress(address); });
  }
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

// The main window: the two lists, the entry box and the five buttons.
#include "ui/frm_lotwheel.h"

#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <initializer_list>
#include <string_view>

#include "ui/enter_presses_button.h"
#include "ui/entry_list_model.h"
#include "ui/fonts.h"
#include "ui/frm_ver_info.h"
#include "ui/qt_clipboard.h"
#include "ui/twips.h"

namespace {

// QString is UTF-16 already, so the engine reads it in place; a lone
// surrogate passes through untouched.
std::u16string_view View(const QString& text) {
  return {reinterpret_cast<const char16_t*>(text.utf16()),
          static_cast<size_t>(text.size())};
}

// The caption as a screen reader should say it: without the "&".
QString Spoken(const QString& caption) {
  QString text = caption;
  return text.remove(QLatin1Char('&'));
}

QPushButton* NewButton(const QString& name, const QString& caption,
                       QWidget* parent, QObject* enter_filter) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAccessibleName(Spoken(caption));
  button->setAutoDefault(false);
  button->installEventFilter(enter_filter);
  return button;
}

QLabel* NewLabel(const QString& name, const QString& caption, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  label->setAccessibleName(Spoken(caption));
  label->setTextFormat(Qt::PlainText);
  return label;
}

}  // namespace

frmLotwheel::frmLotwheel(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("frmLotwheel"));
  setWindowTitle(QStringLiteral("Z.Q Lotwheel for Tournament Basic"));
  setWindowIcon(QIcon(QStringLiteral(":/lotwheel/art/lotwheel.ico")));
  setFixedSize(lotwheel::PixelsFromTwips(5400),
               lotwheel::PixelsFromTwips(6615));
  // The fixed layout is measured for a 9-point interface font: keep the
  // desktop's face but not a larger size, which would cut captions off.
  QFont interface_font = font();
  interface_font.setPointSize(9);
  setFont(interface_font);

  source_model_ =
      new EntryListModel(session_, EntryListModel::Which::Source, this);
  output_model_ =
      new EntryListModel(session_, EntryListModel::Which::Output, this);

  CreateControls();
  PlaceControls();
  OrderTabs();
  ConnectButtons();
  lstMoto->setFocus();
}

void frmLotwheel::CreateControls() {
  auto* enter_filter = new EnterPressesButton(this);

  lblMoto = NewLabel(QStringLiteral("lblMoto"),
                     QStringLiteral("入力ソース(&I)："), this);
  lstMoto = new QListView(this);
  lstMoto->setObjectName(QStringLiteral("lstMoto"));
  lstMoto->setModel(source_model_);
  lblMoto->setBuddy(lstMoto);

  // "(O)" is plain text here: this caption has no access key.
  lblAto =
      NewLabel(QStringLiteral("lblAto"), QStringLiteral("出力(O)："), this);
  lstAto = new QListView(this);
  lstAto->setObjectName(QStringLiteral("lstAto"));
  lstAto->setModel(output_model_);
  lstAto->setFont(GothicFont(9, true));

  for (QListView* list : {lstMoto, lstAto}) {
    list->setUniformItemSizes(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  }
  lstMoto->setAccessibleName(lblMoto->accessibleName());
  lstAto->setAccessibleName(lblAto->accessibleName());

  fraAdd = new QGroupBox(QStringLiteral("入力ソースへ追加"), this);
  fraAdd->setObjectName(QStringLiteral("fraAdd"));
  fraAdd->setAccessibleName(fraAdd->title());
  txtAdd = new QPlainTextEdit(fraAdd);
  txtAdd->setObjectName(QStringLiteral("txtAdd"));
  txtAdd->setAccessibleName(fraAdd->title());
  txtAdd->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  txtAdd->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  txtAdd->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtAdd->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  txtAdd->setTabChangesFocus(true);
  cmdAdd = NewButton(QStringLiteral("cmdAdd"), QStringLiteral("追加(&A)"),
                     fraAdd, enter_filter);

  cmdBuild =
      NewButton(QStringLiteral("cmdBuild"),
                QStringLiteral("ランダム抽出開始(&S)"), this, enter_filter);
  cmdClear = NewButton(QStringLiteral("cmdClear"), QStringLiteral("クリア(&C)"),
                       this, enter_filter);
  cmdCopy = NewButton(QStringLiteral("cmdCopy"),
                      QStringLiteral("クリップボードへコピー(&P)"), this,
                      enter_filter);

  lblTousen = NewLabel(QStringLiteral("lblTousen"),
                       QStringLiteral("当選人数(&T)："), this);
  txtHowWho = new QLineEdit(QStringLiteral("0"), this);
  txtHowWho->setObjectName(QStringLiteral("txtHowWho"));
  txtHowWho->setAccessibleName(lblTousen->accessibleName());
  txtHowWho->setToolTip(QStringLiteral(
      "何名まで当選か決めます。0にすると常に最大値が設定されます。"));
  txtHowWho->setAccessibleDescription(txtHowWho->toolTip());
  lblTousen->setBuddy(txtHowWho);

  cmdVerInfo =
      NewButton(QStringLiteral("cmdVerInfo"),
                QStringLiteral("バージョン情報(&V)..."), this, enter_filter);
}

void frmLotwheel::PlaceControls() {
  lblMoto->setGeometry(lotwheel::RectFromTwips(105, 105, 2535, 225));
  lstMoto->setGeometry(lotwheel::RectFromTwips(105, 420, 2535, 3660));
  lblAto->setGeometry(lotwheel::RectFromTwips(2730, 105, 2535, 225));
  lstAto->setGeometry(lotwheel::RectFromTwips(2730, 420, 2535, 3660));
  fraAdd->setGeometry(lotwheel::RectFromTwips(105, 4200, 5160, 1065));
  txtAdd->setGeometry(
      lotwheel::RectFromTwips(105, 210, 4110, 750));  // within fraAdd
  cmdAdd->setGeometry(
      lotwheel::RectFromTwips(4305, 210, 750, 750));  // within fraAdd
  cmdBuild->setGeometry(lotwheel::RectFromTwips(2625, 5355, 2640, 330));
  cmdClear->setGeometry(lotwheel::RectFromTwips(2625, 6195, 2640, 330));
  cmdCopy->setGeometry(lotwheel::RectFromTwips(2625, 5775, 2640, 330));
  lblTousen->setGeometry(lotwheel::RectFromTwips(105, 5355, 1170, 225));
  txtHowWho->setGeometry(lotwheel::RectFromTwips(1260, 5332, 435, 270));
  cmdVerInfo->setGeometry(lotwheel::RectFromTwips(105, 6195, 2430, 330));
  // The count label reaches a pixel into the count box; keep the box on top.
  txtHowWho->raise();
}

void frmLotwheel::OrderTabs() {
  QWidget* const chain[] = {lstMoto,  lstAto,  txtAdd,    cmdAdd,    cmdBuild,
                            cmdClear, cmdCopy, txtHowWho, cmdVerInfo};
  for (size_t i = 0; i + 1 < std::size(chain); ++i)
    setTabOrder(chain[i], chain[i + 1]);
}

void frmLotwheel::ConnectButtons() {
  connect(cmdAdd, &QPushButton::clicked, this, &frmLotwheel::OnAddClicked);
  connect(cmdClear, &QPushButton::clicked, this, &frmLotwheel::OnClearClicked);
  connect(cmdBuild, &QPushButton::clicked, this, &frmLotwheel::OnBuildClicked);
  connect(cmdCopy, &QPushButton::clicked, this, &frmLotwheel::OnCopyClicked);
  connect(cmdVerInfo, &QPushButton::clicked, this,
          &frmLotwheel::OnVerInfoClicked);
}

void frmLotwheel::OnAddClicked() {
  const int first_new = session_.SourceCount();
  if (session_.AddLines(View(EntryText())) ==
      lotwheel::AddOutcome::SourceFull) {
    ShowError(QStringLiteral("入力ソースに追加できるのは32,767件までです。"));
    return;
  }
  source_model_->Refresh();
  ScrollToRow(lstMoto, first_new);
}

void frmLotwheel::OnClearClicked() {
  session_.ClearLists();
  txtAdd->clear();
  source_model_->Refresh();
  output_model_->Refresh();
}

void frmLotwheel::OnBuildClicked() {
  const int first_new = session_.OutputCount();
  switch (session_.Draw(View(txtHowWho->text()))) {
    case lotwheel::DrawOutcome::Drawn:
      source_model_->Refresh();
      output_model_->Refresh();
      ScrollToRow(lstAto, first_new);
      break;
    case lotwheel::DrawOutcome::NotEnoughEntries:
      ShowError(QStringLiteral("人数が足りません。"));
      break;
    case lotwheel::DrawOutcome::InvalidCount:
      ShowError(QStringLiteral("当選人数には数値を入力してください。"));
      break;
    case lotwheel::DrawOutcome::OutputFull:
      ShowError(
          QStringLiteral("出力が32,767件を超えるため抽出できません。"
                         "クリアしてから抽出してください。"));
      break;
  }
}

void frmLotwheel::OnCopyClicked() {
  QtClipboard clipboard;
  session_.CopyOutput(clipboard);
}

void frmLotwheel::OnVerInfoClicked() { frmVerInfo::ShowModal(this); }

QString frmLotwheel::EntryText() const {
  // Blocks are read one by one because toPlainText() would turn non-breaking
  // spaces into plain ones; entries must reach the list unchanged.
  const QTextDocument* document = txtAdd->document();
  QString text;
  text.reserve(document->characterCount() * 2);
  for (QTextBlock block = document->begin(); block.isValid();
       block = block.next()) {
    if (block != document->begin()) text += u"\r\n";
    text += block.text();
  }
  // Shift+Enter starts a new line inside a block; it is a line to the user.
  text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
  return text;
}

void frmLotwheel::ShowError(const QString& text) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Error"), text,
                  QMessageBox::Ok, this);
  box.exec();
  // Back to the control that had the focus before the box; not every window
  // manager reactivates the window by itself.
  activateWindow();
}

void frmLotwheel::ScrollToRow(QListView* list, int row) {
  // New entries come at the end; show the first of them rather than
  // jumping back to the top of a long list.
  if (row > 0 && row < list->model()->rowCount())
    list->scrollTo(list->model()->index(row, 0),
                   QAbstractItemView::PositionAtTop);
}

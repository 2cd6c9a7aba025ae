#include "app/FontForm.h"

#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "app/ColorGrid.h"
#include "app/ColorNames.h"
#include "app/SpinEdit.h"
#include "html/viewer/Viewer.h"
#include "platform/qt/QtWindow.h"
#include "platform/qt/QtWindowing.h"

const char* const TFontForm::SamplePage =
    "<center><h1>Heading</h1></center><ul>Some normal text.<li><a href=NoWhere>HotSpot "
    "Item</a><li><b>Bold Text</b><li><i>Italicized Text</i><li><code>Code Text</code></ul> <hr>";

namespace {

// Faces the system resolves by name although no installed family carries it.
const char* const MappedFaces[] = {"Times New Roman", "Courier New", "Arial", "MS Sans Serif",
                                   "System"};

QLabel* Label(QWidget* parent, const QString& text, QWidget* buddy, int x, int y) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(buddy);
  label->move(x, y);
  label->adjustSize();
  return label;
}

}  // namespace

TFontForm::TFontForm(TQtWindowing& windowing, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
  setWindowTitle(QStringLiteral("Edit Default Font and Colors"));
  setFixedSize(307, 339);

  FPreviewHost = new TQtViewerHost(windowing, this);
  FPreviewHost->setGeometry(15, 16, 193, 177);
  FFontViewer = std::make_unique<TriruRedu>(windowing, FPreviewHost->Window());
  FFontViewer->SetViewImages(false);
  FFontViewer->SetBorderStyle(htSingle);
  FFontViewer->SetHistoryMaxCount(0);
  FFontViewer->SetNoSelect(false);
  FFontViewer->SetScrollBars(ssVertical);

  auto grid = [this](int y, int selection) {
    auto* colors = new TColorGrid(this);
    colors->setGeometry(225, y, 72, 72);
    colors->Model().ClickEnablesColor = true;
    colors->ForgetForeground();
    colors->SetForegroundEnabled(false);
    colors->SetBackgroundEnabled(false);
    colors->SetSelection(selection);
    colors->setFocusPolicy(Qt::StrongFocus);
    return colors;
  };
  FontColorGrid = grid(23, 3);
  HotSpotColorGrid = grid(114, 0);
  FontSizeEdit = new TSpinEdit(this);
  FontSizeEdit->setGeometry(228, 214, 65, 26);
  FontSizeEdit->MinValue = 6;
  FontSizeEdit->MaxValue = 24;
  FontSizeEdit->SetValue(12);

  auto list = [this](int x, bool sorted) {
    auto* box = new QListWidget(this);
    box->setGeometry(x, 217, 87, 115);
    box->setSortingEnabled(sorted);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // the narrow list cuts names
    QFont font = box->font();
    font.setPixelSize(11);
    box->setFont(font);
    return box;
  };
  FontListBox = list(11, true);
  BackListBox = list(122, false);

  ResetButton = new QPushButton(QStringLiteral("&Reset"), this);
  ResetButton->setGeometry(234, 246, 54, 25);
  OKButton = new QPushButton(QStringLiteral("O&K"), this);
  OKButton->setGeometry(234, 274, 54, 25);
  OKButton->setDefault(true);
  Cancel = new QPushButton(QStringLiteral("Cancel"), this);
  Cancel->setGeometry(234, 301, 54, 25);

  Label(this, QStringLiteral("&Font Color"), FontColorGrid, 225, 7);
  Label(this, QStringLiteral("&Link Color"), HotSpotColorGrid, 225, 99);
  Label(this, QStringLiteral("Font &Size"), FontSizeEdit, 225, 194);
  Label(this, QStringLiteral("Font &Name"), FontListBox, 11, 200);
  Label(this, QStringLiteral("&Background"), BackListBox, 122, 200);

  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(Cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(ResetButton, &QPushButton::clicked, this, [this] { ResetButtonClick(); });
  FontColorGrid->OnChange = [this] { SetTextColor(FontColorGrid->ForegroundColor()); };
  HotSpotColorGrid->OnChange = [this] { SetLinkColor(HotSpotColorGrid->ForegroundColor()); };
  connect(FontListBox, &QListWidget::currentRowChanged, this,
          [this] { ListBoxClicks(FontListBox); });
  connect(BackListBox, &QListWidget::currentRowChanged, this,
          [this] { ListBoxClicks(BackListBox); });
  FontSizeEdit->OnChange = [this] { ListBoxClicks(FontSizeEdit); };
  FormCreate();
}

TFontForm::~TFontForm() { FFontViewer.reset(); }

void TFontForm::FormCreate() {
  FWriting = true;
  QStringList faces = QFontDatabase::families();
  for (const char* face : MappedFaces)
    if (!faces.contains(QLatin1String(face))) faces << QLatin1String(face);
  FontListBox->addItems(faces);
  for (const std::string& name : FixedColorNames())
    BackListBox->addItem(QString::fromStdString(name));
  FWriting = false;
  FFontViewer->OpenHtmlBuffer(SamplePage);
}

void TFontForm::FormShow() {
  FResetMemory = {FaceName(), TextColor(), LinkColor(), BackColor(), TextSize()};
}

void TFontForm::ResetButtonClick() {
  const TMemory memory = FResetMemory;
  SetFaceName(memory.FaceName);
  SetTextSize(memory.TextSize);
  SetTextColor(memory.TextColor);
  SetLinkColor(memory.LinkColor);
  SetBackColor(memory.BackColor);
}

void TFontForm::ListBoxClicks(QObject* sender) {
  if (FWriting) return;
  if (sender == FontListBox) {
    if (QListWidgetItem* item = FontListBox->currentItem()) SetFaceName(item->text().toStdString());
  } else if (sender == BackListBox) {
    SetBackColor(BackColor());
  } else if (sender == FontSizeEdit) {
    // The box is the user's while they type: the preview follows its value, and its text
    // (empty, or on the way to a number) is left as it is.
    ShowTextSize(FontSizeEdit->Value());
  }
}

std::string TFontForm::FaceName() const {
  QListWidgetItem* item = FontListBox->currentItem();
  return item && item->isSelected() ? item->text().toStdString() : "System";
}

void TFontForm::SetFaceName(const std::string& face) {
  FWriting = true;
  QList<QListWidgetItem*> found =
      FontListBox->findItems(QString::fromStdString(face), Qt::MatchExactly);
  if (found.isEmpty()) found = FontListBox->findItems(QStringLiteral("System"), Qt::MatchExactly);
  if (!found.isEmpty()) {
    FontListBox->setCurrentItem(found.first());
    FontListBox->scrollToItem(found.first());
  }
  FWriting = false;
  FFontViewer->SetDefFontName(face);
}

void TFontForm::SetTextColor(TColor color) {
  FTextColor = color;
  FFontViewer->SetDefFontColor(color);
  // The grid shows no choice of its own, and keeps none: after Reset, a click on the colour
  // chosen before is a choice again.
  FontColorGrid->SetForegroundEnabled(false);
  FontColorGrid->ForgetForeground();
}

void TFontForm::SetLinkColor(TColor color) {
  FLinkColor = color;
  FFontViewer->SetDefHotSpotColor(color);
  HotSpotColorGrid->SetForegroundEnabled(false);
  HotSpotColorGrid->ForgetForeground();
}

void TFontForm::SetTextSize(int size) {
  ShowTextSize(size);
  FWriting = true;
  if (FontSizeEdit->Value() != FTextSize || FontSizeEdit->text().isEmpty())
    FontSizeEdit->SetValue(FTextSize);
  FWriting = false;
}

void TFontForm::ShowTextSize(int size) {
  FTextSize = ClampSpinValue(size, FontSizeEdit->MinValue, FontSizeEdit->MaxValue);
  FFontViewer->SetDefFontSize(FTextSize);
}

TColor TFontForm::BackColor() const {
  QListWidgetItem* item = BackListBox->currentItem();
  if (!item || !item->isSelected()) return clBtnFace;
  return NameToColor(item->text().toStdString()).value_or(clBtnFace);
}

void TFontForm::SetBackColor(TColor color) {
  const QString name = QString::fromStdString(ColorToName(color)).left(80);
  FWriting = true;
  QList<QListWidgetItem*> found = BackListBox->findItems(name, Qt::MatchExactly);
  if (found.isEmpty()) {
    BackListBox->addItem(name);
    found = {BackListBox->item(BackListBox->count() - 1)};
  }
  BackListBox->setCurrentItem(found.first());
  BackListBox->scrollToItem(found.first());
  FWriting = false;
  FFontViewer->SetDefBackground(color);
}

#include "platform/qt/QtFormControls.h"

#include "platform/qt/QtGraphics.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <algorithm>

namespace {

QString QtString(const std::u32string& text) {
  return QString::fromUcs4(text.data(), qsizetype(text.size()));
}

std::u32string Ucs4(const QString& text) { return text.toStdU32String(); }

}  // namespace

// --- Events.

TQtControlEvents::TQtControlEvents(TQtWindowing& windowing, TFormControl& control,
                                   QWidget* focusWidget)
    : QObject(focusWidget), FWindowing(windowing), FControl(control) {
  focusWidget->installEventFilter(this);
}

bool TQtControlEvents::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::FocusIn:
      if (FControl.OnFocusIn) FWindowing.Guarded(FControl.OnFocusIn);
      break;
    case QEvent::FocusOut:
      if (FControl.OnFocusOut) FWindowing.Guarded(FControl.OnFocusOut);
      break;
    case QEvent::KeyPress: {
      if (!FControl.OnKeyPress) break;
      const auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        FWindowing.Guarded([&] { FControl.OnKeyPress(13); });
        break;
      }
      for (char32_t ch : key->text().toStdU32String())
        FWindowing.Guarded([&] { FControl.OnKeyPress(ch); });
      break;
    }
    default: break;
  }
  return false;
}

// --- What every control shares.

template <class TBase>
TQtFormControl<TBase>::TQtFormControl(TQtWindowing& windowing, QWidget* outer,
                                      QWidget* focusWidget)
    : FWindowing(windowing), FOuter(outer), FFocusWidget(focusWidget ? focusWidget : outer) {
  FFocusWidget->setFocusPolicy(Qt::StrongFocus);
  FEvents = new TQtControlEvents(windowing, *this, FFocusWidget);
}

template <class TBase>
TQtFormControl<TBase>::~TQtFormControl() {
  // The filter refers to this control, so it goes first.
  delete FEvents.data();
  delete FOuter.data();
}

template <class TBase>
TRect TQtFormControl<TBase>::Bounds() const {
  if (!FOuter) return {};
  const QRect r = FOuter->geometry();
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

template <class TBase>
void TQtFormControl<TBase>::SetBounds(const TRect& bounds) {
  if (FOuter)
    FOuter->setGeometry(bounds.Left, bounds.Top, std::max(bounds.Width(), 0),
                        std::max(bounds.Height(), 0));
}

template <class TBase>
bool TQtFormControl<TBase>::Visible() const {
  return FOuter && !FOuter->isHidden();
}

template <class TBase>
void TQtFormControl<TBase>::SetVisible(bool visible) {
  if (FOuter && FOuter->isHidden() == visible) FOuter->setVisible(visible);
}

template <class TBase>
void TQtFormControl<TBase>::SetFocus() {
  if (FFocusWidget) FFocusWidget->setFocus(Qt::OtherFocusReason);
}

template <class TBase>
bool TQtFormControl<TBase>::HasFocus() const {
  return FFocusWidget && FFocusWidget->hasFocus();
}

template <class TBase>
void TQtFormControl<TBase>::SetClientSize(int width, int height) {
  if (!FOuter) return;
  // The frame is what the widget's contents rectangle leaves of its outer size.
  const QRect inner = FOuter->contentsRect();
  const int frameX = FOuter->width() - inner.width();
  const int frameY = FOuter->height() - inner.height();
  FOuter->resize(std::max(width, 0) + std::max(frameX, 0), std::max(height, 0) + std::max(frameY, 0));
}

template class TQtFormControl<TEditControl>;
template class TQtFormControl<TButtonControl>;
template class TQtFormControl<TCheckControl>;
template class TQtFormControl<TListControl>;
template class TQtFormControl<TMemoControl>;

// --- Edit.

TQtEdit::TQtEdit(TQtWindowing& windowing, QWidget* parent, bool password)
    : TQtFormControl(windowing, new QLineEdit(parent)) {
  if (!password) return;
  Edit()->setEchoMode(QLineEdit::Password);
}

QLineEdit* TQtEdit::Edit() const { return static_cast<QLineEdit*>(FOuter.data()); }

std::u32string TQtEdit::Text() const { return Edit() ? Ucs4(Edit()->text()) : std::u32string(); }

void TQtEdit::SetText(const std::u32string& text) {
  if (Edit()) Edit()->setText(QtString(text));
}

void TQtEdit::SetMaxLength(int length) {
  if (Edit()) Edit()->setMaxLength(length > 0 ? std::min(length, 32767) : 32767);
}

// --- Button and check box.

TQtButton::TQtButton(TQtWindowing& windowing, QWidget* parent)
    : TQtFormControl(windowing, new QPushButton(parent)) {
  QObject::connect(Button(), &QPushButton::clicked, FOuter, [this] {
    if (OnClick) FWindowing.Guarded(OnClick);
  });
}

QPushButton* TQtButton::Button() const { return static_cast<QPushButton*>(FOuter.data()); }

std::u32string TQtButton::Caption() const {
  return Button() ? Ucs4(Button()->text()) : std::u32string();
}

void TQtButton::SetCaption(const std::u32string& caption) {
  // "&" would mark a mnemonic letter and vanish from the caption.
  if (Button()) Button()->setText(QtString(caption).replace("&", "&&"));
}

TQtCheckBox::TQtCheckBox(TQtWindowing& windowing, QWidget* parent)
    : TQtFormControl(windowing, new QCheckBox(parent)) {
  QObject::connect(Box(), &QCheckBox::clicked, FOuter, [this] {
    if (OnClick) FWindowing.Guarded(OnClick);
  });
}

QCheckBox* TQtCheckBox::Box() const { return static_cast<QCheckBox*>(FOuter.data()); }

bool TQtCheckBox::Checked() const { return Box() && Box()->isChecked(); }

void TQtCheckBox::SetChecked(bool checked) {
  if (Box()) Box()->setChecked(checked);
}

// --- Radio button in its backing panel.

TQtRadioButton::TQtRadioButton(TQtWindowing& windowing, QWidget* parent)
    : TQtRadioButton(windowing, new QWidget(parent), 0) {}

TQtRadioButton::TQtRadioButton(TQtWindowing& windowing, QWidget* panel, int)
    : TQtFormControl(windowing, panel, new QRadioButton(panel)) {
  panel->setAutoFillBackground(true);
  // Every button has a panel of its own, so Qt's grouping by parent would group nothing;
  // the form keeps the groups.
  Button()->setAutoExclusive(false);
  QObject::connect(Button(), &QRadioButton::clicked, FOuter, [this] {
    // A click on a checked radio button leaves it checked.
    if (Button()) Button()->setChecked(true);
    if (OnClick) FWindowing.Guarded(OnClick);
  });
}

QRadioButton* TQtRadioButton::Button() const {
  return static_cast<QRadioButton*>(FFocusWidget.data());
}

bool TQtRadioButton::Checked() const { return Button() && Button()->isChecked(); }

void TQtRadioButton::SetChecked(bool checked) {
  if (Button()) Button()->setChecked(checked);
}

void TQtRadioButton::SetPanelColor(TColor color) {
  if (!FOuter || color == FPanelColor) return;
  FPanelColor = color;
  const TColor rgb = FWindowing.Graphics().SystemColors().Resolve(color);
  QPalette palette = FOuter->palette();
  palette.setColor(QPalette::Window, QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb)));
  FOuter->setPalette(palette);
}

void TQtRadioButton::SetBounds(const TRect& bounds) {
  TQtFormControl::SetBounds(bounds);
  if (Button()) Button()->setGeometry(0, 0, std::max(bounds.Width(), 0), std::max(bounds.Height(), 0));
}

// --- List box and drop-down list.

TQtListBox::TQtListBox(TQtWindowing& windowing, QWidget* parent, bool multiSelect)
    : TQtFormControl(windowing, new QListWidget(parent)) {
  List()->setSelectionMode(multiSelect ? QAbstractItemView::ExtendedSelection
                                       : QAbstractItemView::SingleSelection);
  List()->setUniformItemSizes(true);
}

QListWidget* TQtListBox::List() const { return static_cast<QListWidget*>(FOuter.data()); }

void TQtListBox::SetItems(const std::vector<std::u32string>& items) {
  if (!List()) return;
  List()->clear();
  for (const std::u32string& item : items) List()->addItem(QtString(item));
}

int TQtListBox::Count() const { return List() ? List()->count() : 0; }

std::u32string TQtListBox::Item(int index) const {
  const QListWidgetItem* item = List() ? List()->item(index) : nullptr;
  return item ? Ucs4(item->text()) : std::u32string();
}

int TQtListBox::ItemIndex() const { return List() ? List()->currentRow() : -1; }

void TQtListBox::SetItemIndex(int index) {
  if (!List()) return;
  if (List()->selectionMode() == QAbstractItemView::SingleSelection)
    List()->setCurrentRow(index);
  else
    List()->setCurrentRow(index, QItemSelectionModel::NoUpdate);
}

bool TQtListBox::Selected(int index) const {
  const QListWidgetItem* item = List() ? List()->item(index) : nullptr;
  return item && item->isSelected();
}

void TQtListBox::SetSelected(int index, bool selected) {
  if (QListWidgetItem* item = List() ? List()->item(index) : nullptr) item->setSelected(selected);
}

void TQtListBox::ScrollToTop() {
  if (List()) List()->scrollToTop();
}

TQtComboBox::TQtComboBox(TQtWindowing& windowing, QWidget* parent)
    : TQtFormControl(windowing, new QComboBox(parent)) {
  Combo()->setEditable(false);
}

QComboBox* TQtComboBox::Combo() const { return static_cast<QComboBox*>(FOuter.data()); }

void TQtComboBox::SetItems(const std::vector<std::u32string>& items) {
  if (!Combo()) return;
  Combo()->clear();
  for (const std::u32string& item : items) Combo()->addItem(QtString(item));
  Combo()->setCurrentIndex(-1);
}

int TQtComboBox::Count() const { return Combo() ? Combo()->count() : 0; }

std::u32string TQtComboBox::Item(int index) const {
  return Combo() && index >= 0 && index < Combo()->count() ? Ucs4(Combo()->itemText(index))
                                                           : std::u32string();
}

int TQtComboBox::ItemIndex() const { return Combo() ? Combo()->currentIndex() : -1; }

void TQtComboBox::SetItemIndex(int index) {
  if (Combo()) Combo()->setCurrentIndex(index >= 0 && index < Combo()->count() ? index : -1);
}

bool TQtComboBox::Selected(int index) const { return index >= 0 && index == ItemIndex(); }

void TQtComboBox::SetSelected(int index, bool selected) {
  if (selected)
    SetItemIndex(index);
  else if (index == ItemIndex())
    SetItemIndex(-1);
}

// --- Multi-line edit.

TQtMemo::TQtMemo(TQtWindowing& windowing, QWidget* parent, bool wordWrap)
    : TQtFormControl(windowing, new QPlainTextEdit(parent)) {
  Memo()->setLineWrapMode(wordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  Memo()->setHorizontalScrollBarPolicy(wordWrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
  Memo()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo()->setTabChangesFocus(true);
}

QPlainTextEdit* TQtMemo::Memo() const { return static_cast<QPlainTextEdit*>(FOuter.data()); }

std::vector<std::u32string> TQtMemo::Lines() const {
  std::vector<std::u32string> lines;
  if (!Memo()) return lines;
  const QString text = Memo()->toPlainText();
  if (text.isEmpty()) return lines;
  for (const QString& line : text.split(QChar('\n'))) lines.push_back(Ucs4(line));
  return lines;
}

void TQtMemo::SetLines(const std::vector<std::u32string>& lines) {
  if (!Memo()) return;
  QStringList list;
  for (const std::u32string& line : lines) list.append(QtString(line));
  Memo()->setPlainText(list.join(QChar('\n')));
  QTextCursor cursor = Memo()->textCursor();
  cursor.movePosition(QTextCursor::Start);
  Memo()->setTextCursor(cursor);
}

// --- The factory.

int TQtFormStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* answer) const {
  if (hint == SH_LineEdit_PasswordCharacter) return '*';
  return QProxyStyle::styleHint(hint, option, widget, answer);
}

int TQtFormStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                              const QWidget* widget) const {
  switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight: return 13;
    case PM_CheckBoxLabelSpacing:
    case PM_RadioButtonLabelSpacing: return 0;
    default: return QProxyStyle::pixelMetric(metric, option, widget);
  }
}

TQtFormControls::TQtFormControls(TQtWindowing& windowing, QWidget* parent)
    : FWindowing(windowing), FParent(parent), FStyle(std::make_unique<TQtFormStyle>()) {}

// The controls must go first (see FormControls.h), so no widget is left with the style.
TQtFormControls::~TQtFormControls() = default;

template <class TControlKind>
std::unique_ptr<TControlKind> TQtFormControls::Prepared(std::unique_ptr<TControlKind> control) const {
  if (QWidget* outer = control->Outer()) {
    // The font passes on to the widget's children by itself; the style matters only where
    // the password character and the indicators are drawn.
    outer->setFont(TQtGraphics::QtFontFor(Font()));
    if (qobject_cast<QLineEdit*>(outer) || qobject_cast<QCheckBox*>(outer)) outer->setStyle(FStyle.get());
    if (auto* radio = outer->findChild<QRadioButton*>()) radio->setStyle(FStyle.get());
    outer->hide();
    outer->setGeometry(0, 0, 0, 0);
  }
  return control;
}

std::unique_ptr<TEditControl> TQtFormControls::CreateEdit(bool password) {
  return Prepared(std::make_unique<TQtEdit>(FWindowing, FParent.data(), password));
}

std::unique_ptr<TButtonControl> TQtFormControls::CreateButton() {
  return Prepared(std::make_unique<TQtButton>(FWindowing, FParent.data()));
}

std::unique_ptr<TCheckControl> TQtFormControls::CreateCheckBox() {
  return Prepared(std::make_unique<TQtCheckBox>(FWindowing, FParent.data()));
}

std::unique_ptr<TCheckControl> TQtFormControls::CreateRadioButton() {
  return Prepared(std::make_unique<TQtRadioButton>(FWindowing, FParent.data()));
}

std::unique_ptr<TListControl> TQtFormControls::CreateListBox(bool multiSelect) {
  return Prepared(std::make_unique<TQtListBox>(FWindowing, FParent.data(), multiSelect));
}

std::unique_ptr<TListControl> TQtFormControls::CreateComboBox() {
  return Prepared(std::make_unique<TQtComboBox>(FWindowing, FParent.data()));
}

std::unique_ptr<TMemoControl> TQtFormControls::CreateMemo(bool wordWrap) {
  return Prepared(std::make_unique<TQtMemo>(FWindowing, FParent.data(), wordWrap));
}

int TQtFormControls::ComboHeight() const {
  // Measured once per font: making a drop-down list to ask it is not cheap.
  const auto key = std::make_pair(Font().Name, Font().Size);
  if (auto found = FComboHeights.find(key); found != FComboHeights.end()) return found->second;
  QComboBox probe;
  probe.setStyle(FStyle.get());
  probe.setFont(TQtGraphics::QtFontFor(Font()));
  return FComboHeights[key] = probe.sizeHint().height();
}

TFontDesc TQtFormControls::ScreenFont() const {
  const QFont screen = QGuiApplication::font();
  TFontDesc font;
  font.Name = screen.family().toStdString();
  // A font sized in pixels reports no point size.
  font.Size = screen.pointSize() > 0 ? screen.pointSize() : 9;
  return font;
}

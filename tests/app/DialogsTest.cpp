// The font and colours dialog and the small controls it is made of, as widgets.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>

#include "FakeShell.h"
#include "app/ColorGrid.h"
#include "app/ColorNames.h"
#include "app/FontForm.h"
#include "app/MainWindow.h"
#include "app/SpinEdit.h"
#include "html/viewer/Viewer.h"
#include "platform/qt/QtGraphics.h"
#include "platform/qt/QtWindowing.h"

namespace {

void Type(QWidget& widget, int key, const QString& text = QString(),
          Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(&widget, &press);
}

void Mouse(QWidget& widget, QEvent::Type type, Qt::MouseButton button, QPoint at) {
  QMouseEvent event(type, QPointF(at), widget.mapToGlobal(QPointF(at)), button,
                    type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
  QApplication::sendEvent(&widget, &event);
}

struct TDialogs : testing::Test {
  TQtGraphics Graphics;
  TQtWindowing Windowing{Graphics};
};

}  // namespace

TEST_F(TDialogs, FontFormWritesReadsAndResets) {
  TFontForm form(Windowing, nullptr);
  EXPECT_EQ(form.size(), QSize(307, 339));
  EXPECT_EQ(form.FontViewer().DocTitle(), U"");
  EXPECT_GT(form.FontViewer().DocumentHeight(), 0);  // the sample page is shown

  form.SetFaceName("Times New Roman");
  form.SetTextColor(clNavy);
  form.SetTextSize(14);
  form.SetLinkColor(clRed);
  form.SetBackColor(clWhite);
  form.FormShow();
  EXPECT_EQ(form.FaceName(), "Times New Roman");
  EXPECT_EQ(form.FontViewer().DefFontSize(), 14);
  EXPECT_EQ(form.FontSizeEdit->Value(), 14);
  EXPECT_EQ(form.BackListBox->currentItem()->text(), "White");
  EXPECT_EQ(form.BackColor(), clWhite);

  // A face that is not installed selects "System"; the preview still asks for it.
  form.SetFaceName("No Such Face");
  EXPECT_EQ(form.FaceName(), "System");
  EXPECT_EQ(form.FontViewer().DefFontName(), "No Such Face");

  // The controls write straight through to the preview.
  form.FontColorGrid->Model().Press(true, 9);
  EXPECT_EQ(form.TextColor(), clRed);
  EXPECT_EQ(form.FontViewer().DefFontColor(), clRed);
  EXPECT_FALSE(form.FontColorGrid->Model().ForegroundEnabled);  // the marker goes off again
  form.HotSpotColorGrid->Model().Press(true, 10);
  EXPECT_EQ(form.FontViewer().DefHotSpotColor(), clLime);
  form.BackListBox->setCurrentRow(11);
  EXPECT_EQ(form.FontViewer().DefBackground(), clYellow);
  const int before = form.FontViewer().DocumentHeight();
  form.FontSizeEdit->SetValue(24);
  EXPECT_EQ(form.TextSize(), 24);
  EXPECT_GT(form.FontViewer().DocumentHeight(), before);  // the sample grows

  form.ResetButtonClick();
  EXPECT_EQ(form.FaceName(), "Times New Roman");
  EXPECT_EQ(form.TextColor(), clNavy);
  EXPECT_EQ(form.LinkColor(), clRed);
  EXPECT_EQ(form.TextSize(), 14);
  EXPECT_EQ(form.BackColor(), clWhite);
  EXPECT_EQ(form.FontViewer().DefFontSize(), 14);
  EXPECT_EQ(form.FontViewer().DefBackground(), clWhite);

  // A system colour handed in is added by name at the end and selected.
  const int count = form.BackListBox->count();
  form.SetBackColor(clBtnFace);
  EXPECT_EQ(form.BackListBox->count(), count + 1);
  EXPECT_EQ(form.BackListBox->item(count)->text(), "Button face (system)");
  EXPECT_EQ(form.BackColor(), clBtnFace);
  EXPECT_EQ(ColorToName(Rgb(1, 2, 3)), "$00030201");
  EXPECT_EQ(NameToColor("$00030201"), Rgb(1, 2, 3));
}

TEST_F(TDialogs, BackgroundListShowsNamesPeopleRead) {
  TFontForm form(Windowing, nullptr);
  ASSERT_EQ(form.BackListBox->count(), 17);
  EXPECT_EQ(form.BackListBox->item(0)->text(), "Black");
  EXPECT_EQ(form.BackListBox->item(10)->text(), "Lime");
  // The same colours stand behind the names, both ways.
  form.BackListBox->setCurrentRow(10);
  EXPECT_EQ(form.BackColor(), clLime);
  EXPECT_EQ(form.FontViewer().DefBackground(), clLime);
  form.SetBackColor(clWindowText);
  EXPECT_EQ(form.BackListBox->currentItem()->text(), "Window text (system)");
  EXPECT_EQ(form.BackColor(), clWindowText);
  EXPECT_EQ(NameToColor("Button face (system)"), clBtnFace);
  EXPECT_EQ(NameToColor("clBtnFace"), std::nullopt);
}

TEST_F(TDialogs, FontSizeIsClampedWhenReadAndAnEmptyBoxIsLeftAlone) {
  TFontForm form(Windowing, nullptr);
  form.show();
  form.activateWindow();
  form.SetTextSize(12);
  TSpinEdit& box = *form.FontSizeEdit;
  box.setFocus();
  QApplication::processEvents();
  ASSERT_TRUE(box.hasFocus());
  // Clearing the box and typing 18 gives 18, not 618.
  Type(box, Qt::Key_A, QString(), Qt::ControlModifier);
  Type(box, Qt::Key_Backspace);
  EXPECT_EQ(box.text(), "");
  EXPECT_EQ(form.TextSize(), 6);  // an empty box reads as the least size
  Type(box, Qt::Key_1, "1");
  Type(box, Qt::Key_8, "8");
  EXPECT_EQ(box.text(), "18");
  EXPECT_EQ(form.TextSize(), 18);
  EXPECT_EQ(form.FontViewer().DefFontSize(), 18);
  // Out of range while typing: the box keeps what was typed, every reader gets 6 .. 24.
  box.setText("99");
  EXPECT_EQ(box.Value(), 24);
  EXPECT_EQ(form.TextSize(), 24);
  EXPECT_EQ(form.FontViewer().DefFontSize(), 24);
  EXPECT_EQ(box.text(), "99");
  box.setText("-5");
  EXPECT_EQ(form.TextSize(), 6);
  // Leaving the box puts the number in range.
  form.OKButton->setFocus();
  EXPECT_EQ(box.text(), "6");
  // A size handed in beyond the range is cut to it too.
  form.SetTextSize(40);
  EXPECT_EQ(form.TextSize(), 24);
  EXPECT_EQ(box.text(), "24");
}

TEST_F(TDialogs, AfterResetTheColourChosenBeforeCanBeChosenAgain) {
  TFontForm form(Windowing, nullptr);
  form.SetTextColor(clBlack);
  form.SetLinkColor(clBlue);
  form.FormShow();
  form.FontColorGrid->Model().Press(true, 9);  // red
  form.HotSpotColorGrid->Model().Press(true, 10);  // lime
  ASSERT_EQ(form.TextColor(), clRed);
  form.ResetButtonClick();
  EXPECT_EQ(form.TextColor(), clBlack);
  EXPECT_EQ(form.LinkColor(), clBlue);
  form.FontColorGrid->Model().Press(true, 9);
  form.HotSpotColorGrid->Model().Press(true, 10);
  EXPECT_EQ(form.TextColor(), clRed);
  EXPECT_EQ(form.FontViewer().DefFontColor(), clRed);
  EXPECT_EQ(form.LinkColor(), clLime);
}

TEST_F(TDialogs, MainWindowTakesTheValuesOnlyAfterOk) {
  TFakeShell shell;
  QTemporaryDir folder;
  TTamblinF window(Windowing, shell, folder.path());
  TriruRedu& viewer = window.Viewer();
  viewer.SetDefFontSize(12);
  viewer.SetDefBackground(clWhite);

  TFontForm form(Windowing, &window);
  form.SetFaceName(viewer.DefFontName());
  form.SetTextColor(viewer.DefFontColor());
  form.SetTextSize(viewer.DefFontSize());
  form.SetLinkColor(viewer.DefHotSpotColor());
  form.SetBackColor(viewer.DefBackground());
  form.FormShow();
  // The default face is one the system maps; it is kept, not turned into "System".
  EXPECT_EQ(form.FaceName(), viewer.DefFontName());
  form.SetTextSize(20);
  form.SetBackColor(clAqua);
  // Cancel: the window reads nothing.
  EXPECT_EQ(viewer.DefFontSize(), 12);
  window.ApplyFontForm(form);  // what OK leads to
  EXPECT_EQ(viewer.DefFontSize(), 20);
  EXPECT_EQ(viewer.DefBackground(), clAqua);
  EXPECT_EQ(viewer.DefFontName(), "Times New Roman");
}

TEST_F(TDialogs, SpinEditRefusesLettersAndClamps) {
  TSpinEdit edit;
  edit.show();
  edit.MinValue = 6;
  edit.MaxValue = 24;
  edit.SetValue(30);
  EXPECT_EQ(edit.text(), "24");
  edit.setText("1");
  Type(edit, Qt::Key_End);
  Type(edit, Qt::Key_A, "a");
  EXPECT_EQ(edit.text(), "1");
  Type(edit, Qt::Key_2, "2");
  EXPECT_EQ(edit.text(), "12");
  Type(edit, Qt::Key_Up);
  EXPECT_EQ(edit.Value(), 13);
  Type(edit, Qt::Key_Down);
  Type(edit, Qt::Key_Down);
  EXPECT_EQ(edit.Value(), 11);
  edit.setText("");
  EXPECT_EQ(edit.Value(), 6);
  edit.setReadOnly(true);
  edit.UpClick();  // beeps
  EXPECT_EQ(edit.text(), "");

  // The button pair: up takes the top half, down overlaps it by a pixel.
  TSpinButton* button = edit.Button();
  button->resize(15, 21);
  EXPECT_EQ(button->UpButton()->geometry(), QRect(0, 0, 15, 10));
  EXPECT_EQ(button->DownButton()->geometry(), QRect(0, 9, 15, 12));
  button->resize(8, 21);
  EXPECT_EQ(button->width(), 15);
}

TEST_F(TDialogs, SpinEditHeightAndButtonFollowTheLook) {
  TSpinEdit edit;
  edit.show();
  edit.resize(80, 4);
  const int least = edit.height();
  EXPECT_GT(least, QFontMetrics(edit.font()).height() + 4);  // raised to hold its text
  QFont big = edit.font();
  big.setPixelSize(40);
  edit.setFont(big);
  EXPECT_GT(edit.height(), 40);  // a larger font raises it again

  edit.resize(80, 60);
  // The 3D look keeps the button off the frame at the right and bottom.
  const QRect sunk = edit.Button()->geometry();
  EXPECT_EQ(sunk.width(), 15);
  EXPECT_LT(sunk.right(), edit.width() - 2);
  EXPECT_LT(sunk.bottom(), edit.height() - 2);
  // The flat look puts it flush against the right edge, below the top border line.
  edit.SetLook3D(false);
  EXPECT_EQ(edit.Button()->geometry(), QRect(65, 1, 15, 57));
}

TEST_F(TDialogs, ColorGridMouseAndKeys) {
  TColorGrid grid;
  grid.show();  // sizes take effect on a shown widget
  grid.resize(102, 101);
  EXPECT_EQ(grid.size(), QSize(100, 100));  // trimmed to whole cells
  int changes = 0;
  grid.OnChange = [&] { ++changes; };
  grid.SetBackgroundEnabled(false);
  grid.Model().ClickEnablesColor = true;
  // A right click on a disabled background enables it and moves it there.
  Mouse(grid, QEvent::MouseButtonPress, Qt::RightButton, {60, 35});
  Mouse(grid, QEvent::MouseButtonRelease, Qt::RightButton, {60, 35});
  EXPECT_TRUE(grid.Model().BackgroundEnabled);
  EXPECT_EQ(grid.Model().BackgroundIndex(), 6);
  EXPECT_EQ(changes, 1);
  // A left drag moves the foreground with the pointer.
  Mouse(grid, QEvent::MouseButtonPress, Qt::LeftButton, {5, 5});
  Mouse(grid, QEvent::MouseMove, Qt::LeftButton, {95, 95});
  Mouse(grid, QEvent::MouseButtonRelease, Qt::LeftButton, {95, 95});
  EXPECT_EQ(grid.Model().ForegroundIndex(), 15);
  EXPECT_EQ(grid.Model().Selection, 15);

  Type(grid, Qt::Key_Down);
  EXPECT_EQ(grid.Model().Selection, 0);
  Type(grid, Qt::Key_B, "b");
  EXPECT_EQ(grid.Model().BackgroundIndex(), 0);
  EXPECT_EQ(grid.CellRect(5), QRect(25, 25, 25, 25));
}

TEST_F(TDialogs, ColorGridFlatLookOutlinesAndHighlights) {
  TColorGrid grid;
  grid.show();
  grid.resize(100, 100);
  grid.SetLook3D(false);
  grid.SetSelection(6);  // the cell from (50, 25) to (75, 50)
  const QColor teal(0, 128, 128);
  const QImage plain = grid.grab().toImage();
  EXPECT_EQ(plain.pixelColor(50, 37), QColor(Qt::black));
  EXPECT_EQ(plain.pixelColor(51, 37), teal);
  EXPECT_EQ(plain.pixelColor(52, 37), teal);

  grid.activateWindow();
  grid.setFocus();
  QApplication::processEvents();
  ASSERT_TRUE(grid.hasFocus());
  const QImage lit = grid.grab().toImage();
  EXPECT_EQ(lit.pixelColor(50, 37), QColor(Qt::white));  // the outline inverted
  EXPECT_EQ(lit.pixelColor(51, 37), teal);
  EXPECT_EQ(lit.pixelColor(52, 37), QColor(Qt::black));  // the inner rectangle
  EXPECT_EQ(lit.pixelColor(25, 37), QColor(Qt::black));  // the other cells stay plain
}

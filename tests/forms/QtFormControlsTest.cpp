// The Qt form controls: typing into an edit, clicking buttons and boxes of the real widgets,
// and the focus and key reports they give.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "html/document/SectionList.h"
#include "html/viewer/Viewer.h"
#include "platform/qt/QtFormControls.h"
#include "platform/qt/QtGraphics.h"
#include "platform/qt/QtWindow.h"

class QtFormControlsTest : public ::testing::Test {
 protected:
  TQtGraphics Graphics;
  TQtWindowing Windowing{Graphics};
  TQtViewerHost Host{Windowing};
  std::unique_ptr<TFormControlFactory> Factory = Windowing.CreateFormControls(Host.Window());

  void SetUp() override {
    Host.resize(400, 300);
    Host.show();
    TFontDesc font;
    font.Name = "Courier New";
    font.Size = 10;
    Factory->SetFont(font);
  }
  static QWidget* Outer(TFormControl& control) {
    if (auto* c = dynamic_cast<TQtEdit*>(&control)) return c->Outer();
    if (auto* c = dynamic_cast<TQtButton*>(&control)) return c->Outer();
    if (auto* c = dynamic_cast<TQtCheckBox*>(&control)) return c->Outer();
    if (auto* c = dynamic_cast<TQtRadioButton*>(&control)) return c->Button();
    if (auto* c = dynamic_cast<TQtListBox*>(&control)) return c->Outer();
    if (auto* c = dynamic_cast<TQtComboBox*>(&control)) return c->Outer();
    if (auto* c = dynamic_cast<TQtMemo*>(&control)) return c->Outer();
    return nullptr;
  }
  static void Show(TFormControl& control, const TRect& bounds) {
    control.SetBounds(bounds);
    control.SetVisible(true);
  }
};

TEST_F(QtFormControlsTest, TypingIntoAnEditReportsKeysAndFocus) {
  auto edit = Factory->CreateEdit(false);
  auto other = Factory->CreateEdit(true);
  Show(*edit, {10, 10, 130, 30});
  Show(*other, {10, 40, 130, 60});
  std::u32string keys;
  std::vector<std::string> focus;
  edit->OnKeyPress = [&](char32_t key) { keys += key; };
  edit->OnFocusIn = [&] { focus.push_back("in"); };
  edit->OnFocusOut = [&] { focus.push_back("out"); };
  edit->SetMaxLength(4);
  edit->SetText(U"longer than four");
  EXPECT_EQ(edit->Text(), U"long");
  edit->SetText(U"");
  QWidget* widget = Outer(*edit);
  QTest::keyClicks(widget, "abcdef");
  QTest::keyClick(widget, Qt::Key_Return);
  EXPECT_EQ(edit->Text(), U"abcd");
  EXPECT_EQ(keys, U"abcdef\r");

  Host.activateWindow();
  edit->SetFocus();
  QApplication::processEvents();
  other->SetFocus();
  QApplication::processEvents();
  if (QApplication::focusWidget()) {  // focus events need an active window
    EXPECT_EQ(focus, (std::vector<std::string>{"in", "out"}));
  }
  EXPECT_EQ(static_cast<QLineEdit*>(Outer(*other))->echoMode(), QLineEdit::Password);
}

TEST_F(QtFormControlsTest, ClickingButtonsAndBoxes) {
  auto button = Factory->CreateButton();
  auto box = Factory->CreateCheckBox();
  auto radio = Factory->CreateRadioButton();
  button->SetCaption(U"Save & go");
  Show(*button, {0, 0, 100, 25});
  Show(*box, {0, 30, 13, 43});
  Show(*radio, {0, 50, 13, 64});
  std::vector<std::string> clicks;
  button->OnClick = [&] { clicks.push_back("button"); };
  box->OnClick = [&] { clicks.push_back(box->Checked() ? "box on" : "box off"); };
  radio->OnClick = [&] { clicks.push_back(radio->Checked() ? "radio on" : "radio off"); };
  EXPECT_EQ(button->Caption(), U"Save && go");  // shown with its "&"
  QTest::mouseClick(Outer(*button), Qt::LeftButton);
  QTest::mouseClick(Outer(*box), Qt::LeftButton, {}, QPoint(6, 6));
  QTest::mouseClick(Outer(*radio), Qt::LeftButton, {}, QPoint(6, 6));
  QTest::mouseClick(Outer(*radio), Qt::LeftButton, {}, QPoint(6, 6));
  EXPECT_EQ(clicks, (std::vector<std::string>{"button", "box on", "radio on", "radio on"}));
  // Two radio buttons do not group themselves: the form does that.
  auto second = Factory->CreateRadioButton();
  Show(*second, {20, 50, 33, 64});
  second->SetChecked(true);
  EXPECT_TRUE(radio->Checked());
}

TEST_F(QtFormControlsTest, ListsAndMemosKeepTheirItemsAndLines) {
  auto list = Factory->CreateListBox(true);
  auto combo = Factory->CreateComboBox();
  auto memo = Factory->CreateMemo(true);
  list->SetItems({U"a", U"b", U"c"});
  list->SetSelected(0, true);
  list->SetSelected(2, true);
  EXPECT_TRUE(list->Selected(0));
  EXPECT_FALSE(list->Selected(1));
  EXPECT_TRUE(list->Selected(2));
  combo->SetItems({U"x", U"y"});
  EXPECT_EQ(combo->ItemIndex(), -1);
  combo->SetItemIndex(1);
  EXPECT_TRUE(combo->Selected(1));
  EXPECT_FALSE(static_cast<QComboBox*>(Outer(*combo))->isEditable());
  memo->SetLines({U"one", U"", U"three"});
  EXPECT_EQ(memo->Lines(), (std::vector<std::u32string>{U"one", U"", U"three"}));
  memo->SetClientSize(100, 50);
  EXPECT_GT(memo->Width(), 100);
  EXPECT_GT(Factory->ComboHeight(), 13);
}

TEST_F(QtFormControlsTest, AViewerPlacesRealWidgetsAndSubmitsThem) {
  TriruRedu viewer(Windowing, Host.Window());
  std::vector<std::vector<std::u32string>> submitted;
  viewer.OnFormSubmit = [&](TriruRedu*, const std::u32string&, const std::u32string&,
                            const std::u32string&, const std::u32string&,
                            std::vector<std::u32string> results) {
    submitted.push_back(std::move(results));
  };
  viewer.OpenHtmlBuffer("<form><input name=q value=was></form>" + std::string(40, 'x') +
                        "<br><form><input type=checkbox name=c><input type=submit name=go>"
                        "</form>");
  QApplication::processEvents();
  QWidget* panel = Host.findChild<QLineEdit*>()->parentWidget();
  const QList<QLineEdit*> edits = panel->findChildren<QLineEdit*>();
  ASSERT_EQ(edits.size(), 1);
  QLineEdit* edit = edits.front();
  EXPECT_TRUE(edit->isVisible());
  EXPECT_EQ(edit->x(), 10);  // the page margin
  EXPECT_EQ(edit->text(), "was");
  edit->clear();
  QTest::keyClicks(edit, "typed");
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_TRUE(submitted.empty());  // reported once the input handling is over
  QApplication::processEvents();
  ASSERT_EQ(submitted.size(), 1u);
  EXPECT_EQ(submitted[0], std::vector<std::u32string>{U"q=typed"});

  QTest::mouseClick(panel->findChild<QCheckBox*>(), Qt::LeftButton, {}, QPoint(6, 6));
  QTest::mouseClick(panel->findChild<QPushButton*>(), Qt::LeftButton);
  QApplication::processEvents();
  ASSERT_EQ(submitted.size(), 2u);
  EXPECT_EQ(submitted[1], (std::vector<std::u32string>{U"c=On", U"go=Submit"}));
}

// The button's own click frees it, its window and the page it stood on.
TEST_F(QtFormControlsTest, AButtonWhoseClickOpensAnotherPageGoesCleanly) {
  TriruRedu viewer(Windowing, Host.Window());
  viewer.OnObjectClick = [](TriruRedu* sender, TFormControlObj*, const std::u32string&) {
    sender->OpenHtmlBuffer("another page");
  };
  viewer.OpenHtmlBuffer("<form><input type=submit name=go></form>");
  QApplication::processEvents();
  QTest::mouseClick(Host.findChild<QPushButton*>(), Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_EQ(Host.findChild<QPushButton*>(), nullptr);
  EXPECT_EQ(viewer.Sections().Forms.size(), 0u);
}

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

// The window used by keyboard and mouse: the history list, the find dialog, the page's pop-up
// menu, Space, and the mouse's back and forward buttons.

#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

#include "MainWindowFixture.h"
#include "app/FindDialog.h"
#include "app/SelectionGeometry.h"

namespace {

std::string Lines(int count, const std::string& text = "filler") {
  std::string lines;
  for (int i = 0; i < count; ++i) lines += "<br>" + text;
  return lines;
}

}  // namespace

TEST_F(MainWindow, HistoryListByKeyboardWithTheCurrentPageMarked) {
  const std::string a = Page("a.htm", "Page A");
  const std::string b = Page("b.htm", "Page B");
  const std::string c =
      Page("c.htm", "Page C",
           "<a href=#part>JUMP</a>" + Lines(80) + "<a name=part>Part</a>" + Lines(80));
  for (const std::string& page : {a, b, c}) Window->Viewer().OpenHtmlFile(page);
  // A jump inside the page is an entry to go back to, not another row.
  ClickText(U"JUMP");
  ASSERT_EQ(Window->Viewer().HistoryFiles().size(), 4u);
  QListWidget* list = Window->HistoryList();
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(list->currentRow(), 0);
  EXPECT_TRUE(list->item(0)->font().bold());
  EXPECT_FALSE(list->item(1)->font().bold());

  Window->Action("History1")->trigger();
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Down);
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(Window->Viewer().DocFileName(), b);
  EXPECT_EQ(list->item(list->currentRow())->text(), "Page B");
  Window->goBackClick();
  EXPECT_EQ(Window->Viewer().DocFileName(), c);
  EXPECT_EQ(list->currentRow(), 1);
  EXPECT_TRUE(list->item(1)->font().bold());
}

TEST_F(MainWindow, FindKeepsClearOfTheMatchAnswersF3AndWraps) {
  Window->Viewer().OpenHtmlFile(
      Page("page.htm", "Page", Lines(60) + "<br>needle one" + Lines(60) + "<br>needle two"));
  Window->Find1Click();
  TFindDialog* dialog = Window->FindDialog();
  auto* edit = dialog->findChild<QLineEdit*>();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
  // The dialog stands over the middle of the page, where a match found is brought to.
  dialog->move(Window->geometry().center() - QPoint(dialog->width() / 2, dialog->height() / 2));
  QTest::keyClicks(edit, "needle");
  QTest::keyClick(edit, Qt::Key_Return);
  const TSectionList& sections = Window->Viewer().Sections();
  const int first = sections.SelectionStart;
  ASSERT_LT(first, sections.SelectionEnd);
  const std::optional<QRect> match = SelectionOnScreen(Window->Viewer());
  ASSERT_TRUE(match);
  EXPECT_FALSE(dialog->frameGeometry().intersects(*match));

  // F3 finds on while the dialog has the focus; past the last match it asks to go on from the
  // top.
  QTest::keyClick(edit, Qt::Key_F3);
  EXPECT_GT(sections.SelectionStart, first);
  EXPECT_TRUE(Messages.isEmpty());
  QTest::keyClick(edit, Qt::Key_F3);
  EXPECT_EQ(sections.SelectionStart, first);
  ASSERT_EQ(Messages.size(), 1);
  EXPECT_TRUE(Messages[0].startsWith("question: Tamblin has reached the end of the page."));
  YesAnswer = false;
  Messages.clear();
  QTest::keyClick(edit, Qt::Key_F3);
  QTest::keyClick(edit, Qt::Key_F3);
  EXPECT_EQ(Messages.size(), 2);
  EXPECT_EQ(Messages.back(), "information: No more needle found!");
  // A word that is nowhere is said so, after the question.
  Messages.clear();
  YesAnswer = true;
  Window->FindDialog1Find(QStringLiteral("haystack"), false);
  EXPECT_EQ(Messages.back(), "information: No more haystack found!");
}

TEST_F(MainWindow, PopupMenuOffersCopyOnTextAndTheLinkOnLinks) {
  Page("next.htm", "Next");
  Window->Viewer().OpenHtmlFile(
      Page("page.htm", "Page", "<p>Some words <a href=next.htm#top>next</a>"));
  auto visible = [&](const char* name) { return Window->Action(name)->isVisible(); };
  // A real right click on text: Copy and Select All, nothing about pictures or links.
  QTest::mouseClick(Panel(), Qt::RightButton, Qt::NoModifier, QPoint(20, 12));
  EXPECT_TRUE(Window->ImageMenu()->isVisible());
  Window->ImageMenu()->hide();
  EXPECT_TRUE(visible("PopupCopy") && visible("PopupSelectAll"));
  EXPECT_FALSE(visible("Viewimage") || visible("CopyImageToClipboard") ||
               visible("OpenInNewWindow") || visible("CopyLinkLocation"));
  EXPECT_FALSE(Enabled("PopupCopy"));  // nothing selected yet
  Window->Action("PopupSelectAll")->trigger();
  Window->PrepareImageMenu(QImage(), U"");
  ASSERT_TRUE(Enabled("PopupCopy"));
  Window->Action("PopupCopy")->trigger();
  EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("Some words"))
      << QGuiApplication::clipboard()->text().toStdString();

  // On a link: its location can be copied.
  Window->PrepareImageMenu(QImage(), U"next.htm#top");
  EXPECT_TRUE(visible("OpenInNewWindow") && visible("CopyLinkLocation"));
  Window->Action("CopyLinkLocation")->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), Folder.path() + "/next.htm#top");
}

TEST_F(MainWindow, SpaceScrollsAndMouseButtonsGoBackAndForward) {
  const std::string first = Page("first.htm", "First");
  const std::string longPage = Page("long.htm", "Long", Lines(300));
  Window->Viewer().OpenHtmlFile(first);
  Window->Viewer().OpenHtmlFile(longPage);
  QWidget* panel = Panel();
  panel->setFocus();
  QTest::keyClick(panel, Qt::Key_PageDown);
  const int page = Window->Viewer().VScrollPos();
  ASSERT_GT(page, 0);
  QTest::keyClick(panel, Qt::Key_Home);
  QTest::keyClick(panel, Qt::Key_Space);
  EXPECT_EQ(Window->Viewer().VScrollPos(), page);
  QTest::keyClick(panel, Qt::Key_Space, Qt::ShiftModifier);
  EXPECT_EQ(Window->Viewer().VScrollPos(), 0);

  QTest::mouseClick(panel, Qt::BackButton);
  EXPECT_EQ(Window->Viewer().DocFileName(), first);
  QTest::mouseClick(Panel(), Qt::ForwardButton);
  EXPECT_EQ(Window->Viewer().DocFileName(), longPage);
}

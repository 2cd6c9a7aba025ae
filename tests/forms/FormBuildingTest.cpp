// The builder's form steps: which control each tag makes, where it stands, what forms it
// belongs to, and the sizes of the windows on the headless metrics (a 10-point face is 13
// pixels high and 7 wide per character; list and text area frames are 2 pixels a side).
#include "FormsFixture.h"

#include "html/document/PreFormated.h"

namespace {

const TSection& SectionAt(const TSectionList& document, std::size_t index) {
  return dynamic_cast<const TSection&>(document[index]);
}

}  // namespace

TEST_F(FormsTest, TagsMakeTheirKindsAndWindowSizes) {
  std::string twenty;
  for (int i = 1; i <= 20; ++i) twenty += "<option>" + std::to_string(i);
  Build("<form><input name=e><input type=PassWord name=p maxlength=3 size=\"40,1\">"
        "<input type=submit name=s value=Go><input type=checkbox name=c>"
        "<input type=radio name=r><select name=d><option>one<option>eleven</select>"
        "<select name=l size=4><option>a</select><select name=m multiple><option>a<option>b"
        "<option>c<option>d<option>e</select><textarea name=t rows=2 cols=10></textarea>"
        "<input type=hidden name=h><input type=image name=i><input type=bogus name=b>"
        "<select name=n multiple>" + twenty + "</select></form>");
  struct TExpected {
    const char32_t* Name;
    const char* Class;
    int Width, Height;
  };
  // The sizes worked out: an edit is 20 characters (SIZE 40 for p) and 5 wide; a button is
  // its caption and 20 wide, a line and 8 high; a drop-down list is its longest option (3
  // characters at least) of the screen's 9-point font (6 wide) and 30; a list box is its
  // longest option and 15 wide, SIZE rows high, else a row per option up to 8; a text area
  // is COLS characters and 5 wide, ROWS lines and 5 high.
  const TExpected expected[] = {
      {U"e", "TEditFormControlObj", 145, 20},
      {U"p", "TEditFormControlObj", 285, 20},
      {U"s", "TButtonFormControlObj", 34, 21},
      {U"c", "TCheckBoxFormControlObj", 13, 13},
      {U"r", "TRadioButtonFormControlObj", 13, 14},
      {U"d", "TComboFormControlObj", 66, 21},
      {U"l", "TListBoxFormControlObj", 40, 56},
      {U"m", "TListBoxFormControlObj", 40, 69},
      {U"t", "TTextAreaFormControlObj", 79, 35},
      {U"h", "THiddenFormControlObj", 0, 0},
      {U"i", "TImageFormControlObj", 0, 0},
      {U"b", "TEditFormControlObj", 145, 20},
      {U"n", "TListBoxFormControlObj", 40, 108},
  };
  for (const TExpected& e : expected) {
    const TFormControlObj& control = Named(e.Name);
    EXPECT_STREQ(control.ClassName(), e.Class) << "control " << char(e.Name[0]);
    EXPECT_EQ(control.Width(), e.Width) << "control " << char(e.Name[0]);
    EXPECT_EQ(control.Height(), e.Height) << "control " << char(e.Name[0]);
  }
  auto& password = WindowOf<THeadlessEdit>(Named(U"p"));
  EXPECT_TRUE(password.Password);
  password.Type(U"12345");
  EXPECT_EQ(password.Text(), U"123");
  EXPECT_TRUE(WindowOf<THeadlessList>(Named(U"m")).MultiSelect);
  EXPECT_EQ(Form(0).NonHiddenCount, 12);
  // Eleven windowed controls stand in the text as character 2, the image input as 4; the
  // hidden field takes no character.
  const TSection& section = SectionAt(Document, 0);
  EXPECT_EQ(section.FormControls.Count(), 11u);
  EXPECT_EQ(section.Images.Count(), 1u);
  EXPECT_EQ(Document.FormControls.size(), 11u);
  const std::u32string text = section.Text.str();
  EXPECT_EQ(std::count(text.begin(), text.end(), ControlMarker), 11);
}

TEST_F(FormsTest, ControlsGoWithTheSectionTheyStandIn) {
  // A control before BODY goes with the text it stood in; those of a table refused for its
  // columns go with the table: they neither submit nor count for Enter, so Enter in the one
  // edit left submits its form.
  std::string cells;
  for (int i = 0; i < 31; ++i) cells += "<td>c";
  Build("<input name=early><body><form><input name=kept value=k><table><tr><td>"
        "<input name=lost><input type=hidden name=gone value=g><input type=radio name=r>"
        "<input type=image name=i>" + cells + "</table></form>");
  for (const char32_t* name : {U"early", U"lost", U"gone", U"r", U"i"})
    EXPECT_THROW(Named(name), std::runtime_error) << char(name[0]);
  ASSERT_EQ(Document.FormControls.size(), 1u);
  EXPECT_EQ(Document.FormControls[0], &Named(U"kept"));
  WindowOf<THeadlessEdit>(Named(U"kept")).PressKey(13);
  EXPECT_EQ(Submitted, std::vector<TResults>{{U"kept=k"}});
}

TEST_F(FormsTest, ControlsOutsideFormShareADefaultFormPerRun) {
  Build("<input name=a><input name=b><form><input name=c></form><input name=d>"
        "<form action=x></form><input name=e>");
  ASSERT_EQ(Document.Forms.size(), 5u);
  EXPECT_EQ(&Named(U"a").Form, &Named(U"b").Form);
  EXPECT_EQ(Named(U"a").Form.Action, U"");
  EXPECT_EQ(Named(U"a").Form.Method, U"Get");
  EXPECT_NE(&Named(U"d").Form, &Named(U"c").Form);
  EXPECT_NE(&Named(U"d").Form, &Named(U"e").Form);
  EXPECT_EQ(Form(3).Action, U"x");
}

TEST_F(FormsTest, OptionsAndTextAreaContent) {
  Build("<select name=s>stray<option value=\"v\">  spaced text </option>"
        "<option></option><option selected><b>bold</b>" + std::string(100, 'x') +
        "</select><textarea name=t>\n<b>&amp;</textarea\n>after");
  auto& list = Named<TComboFormControlObj>(U"s");
  ASSERT_EQ(list.TheOptions.size(), 2u);  // the empty option is dropped, stray text ignored
  EXPECT_EQ(list.TheOptions[0], U"spaced text");
  EXPECT_EQ(list.Options[0].Value, U"v");
  EXPECT_EQ(list.TheOptions[1], U"bold" + std::u32string(76, U'x'));
  EXPECT_TRUE(list.Options[1].Selected);
  EXPECT_EQ(list.Options[1].Value, U"");
  auto& area = Named<TTextAreaFormControlObj>(U"t");
  // The line end right after the start tag is not text.
  EXPECT_EQ(area.TheText, (std::vector<std::u32string>{U"<b>&"}));
  // The text after the end tag is page text again.
  const TSection& section = SectionAt(Document, 0);
  EXPECT_EQ(section.Text.substr(section.Text.size() - 5), U"after");
}

TEST_F(FormsTest, TextAreaTabsReachTheNextTabStop) {
  Build("<textarea name=t>\r\n\ta\tb\r\n12345678\t|</textarea><textarea name=\"e\"/>after");
  EXPECT_EQ(Named<TTextAreaFormControlObj>(U"t").TheText,
            (std::vector<std::u32string>{U"        a       b", U"12345678        |"}));
  EXPECT_TRUE(Named<TTextAreaFormControlObj>(U"e").TheText.empty());
  const TSection& section = SectionAt(Document, 0);
  EXPECT_EQ(section.Text.substr(section.Text.size() - 5), U"after");
}

TEST_F(FormsTest, ControlsStandInPreformattedText) {
  Build("<pre>a <input name=p> b\n<select name=s><option>o</select></pre>");
  std::vector<const TPreFormated*> lines;
  for (const auto& section : Document)
    if (auto* line = dynamic_cast<const TPreFormated*>(section.get())) lines.push_back(line);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0]->Text.substr(0, 5), U"a \2 b");
  EXPECT_EQ(lines[0]->FormControls.Count(), 1u);
  EXPECT_EQ(lines[1]->FormControls.Count(), 1u);
}

TEST_F(FormsTest, AbsurdNumbersAndUnendedMarkupStayBounded) {
  Build("<input name=e size=999999999 maxlength=-5><textarea name=t rows=999999999 "
        "cols=999999999></textarea><select name=l size=999999999><option>a</select>"
        "<select name=z size=0 multiple><option>a<option>b</select><select name=open><option>x");
  // At most 1000 characters and 500 rows.
  EXPECT_EQ(Named(U"e").Width(), 7005);
  EXPECT_EQ(Named(U"t").Height(), 6509);
  EXPECT_EQ(Named(U"l").Height(), 6504);
  // SIZE 0 leaves the rows to the options.
  EXPECT_EQ(Named(U"z").Height(), 30);
  WindowOf<THeadlessEdit>(Named(U"e")).Type(U"no limit");
  EXPECT_EQ(WindowOf<THeadlessEdit>(Named(U"e")).Text(), U"no limit");

  // Without a control factory the tags are skipped, as tags the builder does not know.
  TSectionList bare(Graphics);
  ParseHtmlBuffer(bare, Anchors, "a<input name=x>b<textarea>c</textarea>", {}, nullptr, {}, {},
                  {}, Head);
  EXPECT_TRUE(bare.Forms.empty());
  EXPECT_EQ(SectionAt(bare, 0).Text, U"abc");
}

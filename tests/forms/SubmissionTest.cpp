// What forms submit, when, and what Reset and radio groups do to their controls.
#include "FormsFixture.h"

TEST_F(FormsTest, EnterSubmitsOnlyAFormWhoseOneControlIsTheTextField) {
  Build("<form><input name=q></form>"
        "<form><input name=a><input name=b></form>"
        "<form><input name=c><input type=submit></form>"
        "<form><input name=d><input type=hidden name=h value=1></form>");
  auto& q = WindowOf<THeadlessEdit>(Named(U"q"));
  q.Type(U"abc");
  q.PressKey(13);
  EXPECT_EQ(Submitted, std::vector<TResults>{{U"q=abc"}});

  Submitted.clear();
  WindowOf<THeadlessEdit>(Named(U"a")).PressKey(13);
  WindowOf<THeadlessEdit>(Named(U"c")).PressKey(13);
  EXPECT_TRUE(Submitted.empty());
  // A hidden field does not count.
  WindowOf<THeadlessEdit>(Named(U"d")).PressKey(13);
  EXPECT_EQ(Submitted, (std::vector<TResults>{{U"d=", U"h=1"}}));
}

TEST_F(FormsTest, ThePressedButtonComesLastAndOnlyWithAName) {
  Build("<form action=/find method=POSTED target=out enctype=text/plain>"
        "<input type=submit name=go value=Search><input name=q value=cats>"
        "<input type=hidden name=h value='a=b'><input type=submit value=Anon>"
        "<input type=button name=b></form>");
  std::u32string action, target, encType, method;
  Document.OnFormSubmit = [&](const std::u32string& a, const std::u32string& t,
                              const std::u32string& e, const std::u32string& m, TResults results) {
    action = a, target = t, encType = e, method = m;
    Submitted.push_back(std::move(results));
  };
  WindowOf<THeadlessButton>(Named(U"go")).Click();
  WindowOf<THeadlessButton>(Named(U"")).Click();
  WindowOf<THeadlessButton>(Named(U"b")).Click();  // a plain button submits nothing
  EXPECT_EQ(Submitted, (std::vector<TResults>{{U"q=cats", U"h=a=b", U"go=Search"},
                                              {U"q=cats", U"h=a=b"}}));
  EXPECT_EQ(action, U"/find");
  EXPECT_EQ(target, U"out");
  EXPECT_EQ(encType, U"text/plain");
  EXPECT_EQ(method, U"POST");  // cut to four characters
}

TEST_F(FormsTest, CheckBoxesAndRadioGroups) {
  Build("<form><input type=checkbox name=c checked><input type=checkbox name=d value=dv>"
        "<input type=radio name=r value=1 checked><input type=radio name=R value=2>"
        "<input type=radio name=r2 value=x><input type=radio value=loose checked></form>"
        "<form><input type=radio name=r value=3 checked></form>");
  EXPECT_EQ(Form(0).Submission(U""), (TResults{U"c=On", U"r=1", U"=loose"}));
  WindowOf<THeadlessCheck>(Named(U"c")).Click();
  WindowOf<THeadlessCheck>(Named(U"d")).Click();
  // NAME in another letter case is the same group; the same name in another form is not.
  WindowOf<THeadlessCheck>(Named(U"R")).Click();
  WindowOf<THeadlessCheck>(Named(U"r2")).Click();
  EXPECT_EQ(Form(0).Submission(U""), (TResults{U"d=dv", U"R=2", U"r2=x", U"=loose"}));
  EXPECT_EQ(Form(1).Submission(U""), TResults{U"r=3"});
}

TEST_F(FormsTest, ListsSubmitTheirChosenOptions) {
  Build("<form><select name=one><option value=v1>  First  <option>Second </option></select>"
        "<select name=many multiple><option selected>a<option>b<option selected value=cv>c"
        "</select><select name=four size=4><option>p<option selected>q<option selected>r"
        "</select></form>");
  // A drop-down list without a selected option shows its first; a single-selection list box
  // the last option marked selected.
  EXPECT_EQ(Form(0).Submission(U""), (TResults{U"one=v1", U"many=a", U"many=cv", U"four=r"}));
  WindowOf<THeadlessList>(Named(U"one")).ClickItem(1);
  WindowOf<THeadlessList>(Named(U"many")).ClickItem(0);
  WindowOf<THeadlessList>(Named(U"many")).ClickItem(1);
  EXPECT_EQ(Form(0).Submission(U""), (TResults{U"one=Second", U"many=b", U"many=cv", U"four=r"}));
}

TEST_F(FormsTest, TextAreasSubmitALinePerString) {
  Build("<form><textarea name=t>one\n\nthree</textarea><textarea name=e></textarea></form>");
  EXPECT_EQ(Form(0).Submission(U""), (TResults{U"t=one", U"t=", U"t=three"}));
  auto& memo = WindowOf<THeadlessMemo>(Named(U"e"));
  memo.Type(U"x");
  memo.PressKey(13);  // Enter in a text area starts a line and submits nothing
  EXPECT_TRUE(Submitted.empty());
  EXPECT_EQ(Form(0).Submission(U""), (TResults{U"t=one", U"t=", U"t=three", U"e=x", U"e="}));
}

TEST_F(FormsTest, AnImageInputSubmitsItsClickOnceAfterTheOthers) {
  Build("<form><input type=image name=map><input name=q value=v>"
        "<input type=image></form>");
  auto& map = Named<TImageFormControlObj>(U"map");
  EXPECT_EQ(Form(0).Submission(U""), TResults{U"q=v"});
  map.SetClickPoint(10, 20);
  map.ImageClick();
  EXPECT_EQ(Submitted, (std::vector<TResults>{{U"map.x=10", U"map.y=20", U"q=v"}}));
  // A nameless image input submits bare coordinates.
  auto& bare = Named<TImageFormControlObj>(U"", 0);
  bare.SetClickPoint(1, 2);
  bare.ImageClick();
  EXPECT_EQ(Submitted.back(), (TResults{U"q=v", U"x=1", U"y=2"}));
}

TEST_F(FormsTest, ResetBringsEveryKindBack) {
  Build("<form><input name=e value=start><input type=checkbox name=c checked>"
        "<input type=radio name=r value=1 checked><input type=radio name=r value=2>"
        "<select name=s><option>a<option selected>b</select>"
        "<select name=m multiple><option>x<option selected>y</select>"
        "<textarea name=t>text</textarea><input type=reset></form>");
  const TResults initial = Form(0).Submission(U"");
  WindowOf<THeadlessEdit>(Named(U"e")).Type(U"ed");
  WindowOf<THeadlessCheck>(Named(U"c")).Click();
  WindowOf<THeadlessCheck>(Named(U"r", 1)).Click();
  WindowOf<THeadlessList>(Named(U"s")).ClickItem(0);
  WindowOf<THeadlessList>(Named(U"m")).ClickItem(0);
  WindowOf<THeadlessMemo>(Named(U"t")).Type(U"more ");
  EXPECT_NE(Form(0).Submission(U""), initial);
  WindowOf<THeadlessButton>(Named(U"")).Click();
  EXPECT_EQ(Form(0).Submission(U""), initial);
  EXPECT_EQ(initial, (TResults{U"e=start", U"c=On", U"r=1", U"s=b", U"m=y", U"t=text"}));
}

TEST_F(FormsTest, ObjectClicksCarryTheOnClickText) {
  Build("<form><input type=checkbox name=c onclick=display><input type=radio name=r>"
        "<input type=button name=b onclick=go></form>");
  std::vector<std::u32string> clicks;
  Document.OnObjectClick = [&](TFormControlObj& control, const std::u32string& onClick) {
    clicks.push_back(control.Name + U":" + onClick);
  };
  WindowOf<THeadlessCheck>(Named(U"c")).Click();
  WindowOf<THeadlessCheck>(Named(U"r")).Click();
  WindowOf<THeadlessButton>(Named(U"b")).Click();
  EXPECT_EQ(clicks, (std::vector<std::u32string>{U"c:display", U"r:", U"b:go"}));
}

TEST_F(FormsTest, AClickWhoseHandlerClearsThePageDoesNothingMoreToIt) {
  // The handler frees the button and its form; neither reset nor submission follows.
  for (const char* type : {"submit", "reset"}) {
    Build(std::string("<form><input name=e value=v><input type=") + type + " name=b></form>");
    Document.OnObjectClick = [&](TFormControlObj&, const std::u32string&) { Document.Clear(); };
    WindowOf<THeadlessButton>(Named(U"b")).Click();
    EXPECT_TRUE(Document.Forms.empty());
    EXPECT_TRUE(Submitted.empty());
  }
}

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <random>
#include <unordered_map>

#include "StyleTestSupport.h"
#include "html/style/StyleCascade.h"

namespace {

// How many selectors of a group a rule keeps; -1 when the rule is dropped as invalid.
int KeptSelectors(std::u32string_view group) {
  const TStyleSheet sheet = ParseStyleSheet(std::u32string(group) + U" { color: red }");
  return sheet.Stats.RulesDropped && sheet.Stats.SelectorsDropped == 0
             ? -1
             : int(sheet.Selectors.size());
}

TSelector Selector(std::u32string_view text) {
  TSelector selector;
  EXPECT_EQ(ParseSelector(TokensOf(text), selector), ssValid) << EncodeUtf8(text);
  return selector;
}

// A small page: html > body > div#main.content.wide > (ul > li > a:link, li), p.note > span.
struct TPage {
  TTestElement Html{"html"};
  TTestElement Body{"BODY", &Html};
  TTestElement Main{"div", &Body};
  TTestElement List{"ul", &Main};
  TTestElement Item1{"li", &List};
  TTestElement Link{"a", &Item1};
  TTestElement Item2{"li", &List, false};
  TTestElement Note{"p", &Main, false};
  TTestElement Span{"span", &Note};
  TTestElement Input{"input", &Note, false};

  TPage() {
    Main.IdText = U"main";
    Main.ClassText = U" content\twide ";
    Link.Link = true;
    Link.Attributes = {{"href", U"x.html"}};
    Note.ClassText = U"note";
    Note.Attributes = {{"lang", U"en-US"}, {"class", U"note"}};
    Span.Attributes = {{"title", U"a b"}};
    Input.Attributes = {{"type", U"text"}, {"value", U""}};
  }
};

}  // namespace

TEST(Selectors, UnsupportedDropTheSelectorInvalidDropTheRule) {
  struct {
    const char32_t* Group;
    int Kept;
  } cases[] = {
      {U"p, a:hover, q", 2},
      {U"p, a:frob", -1},
      {U"p, ::selection", 1},
      {U"p, ::-vendor-selection", -1},
      {U"p:before, q", 1},
      {U"a + b, c ~ d, e", 1},
      {U"p:frob(1), q", -1},
      {U"svg|rect, *|*, q", 1},
      {U"p:not(.x), q:nth-child(2n+1), r", 1},
      {U"p,, q", -1},
      {U"p,", -1},
      {U"> p", -1},
      {U"p >", -1},
      {U"p > > q", -1},
      {U"#1x", -1},
      {U". x", -1},
      {U"[a=]", -1},
      {U"[=a]", -1},
      {U"[a=b c]", -1},
      {U"p[a~='b' i], [a|=b], [a^=b s], [a$=b], [a*=b]", 5},
      {U"p:first-child, a:link, :root, a:any-link", 4},
      {U"p\"x\"", -1},
      {U"p:hover:frob", -1},
  };
  for (const auto& test : cases)
    EXPECT_EQ(KeptSelectors(test.Group), test.Kept) << EncodeUtf8(test.Group);
}

TEST(Selectors, Specificity) {
  struct {
    const char32_t* Text;
    std::uint32_t Specificity;
  } cases[] = {
      {U"*", PackSpecificity(0, 0, 0)},      {U"li", PackSpecificity(0, 0, 1)},
      {U"ul li", PackSpecificity(0, 0, 2)},  {U"ul > ol li.red", PackSpecificity(0, 1, 3)},
      {U"#x", PackSpecificity(1, 0, 0)},     {U"a:link", PackSpecificity(0, 1, 1)},
      {U"[href]", PackSpecificity(0, 1, 0)}, {U"#a.b.c div:first-child", PackSpecificity(1, 3, 1)},
      {U"*:root", PackSpecificity(0, 1, 0)},
  };
  for (const auto& test : cases)
    EXPECT_EQ(Selector(test.Text).Specificity, test.Specificity) << EncodeUtf8(test.Text);
  EXPECT_LT(PackSpecificity(0, 1023, 1023), PackSpecificity(1, 0, 0));
  EXPECT_EQ(PackSpecificity(0, 5000, 0), PackSpecificity(0, 1023, 0));
}

TEST(Selectors, Matching) {
  const TPage page;
  struct {
    const char32_t* Text;
    const TTestElement& Element;
    bool Matches;
  } cases[] = {
      // Type selectors ignore case on either side; classes and ids do not.
      {U"DIV", page.Main, true},
      {U"body", page.Body, true},
      {U"div.content.wide", page.Main, true},
      {U".Content", page.Main, false},
      {U"#main", page.Main, true},
      {U"#Main", page.Main, false},
      {U"div#main.wide", page.Main, true},
      {U"#main#other", page.Main, false},
      // Attribute names ignore case; values do for the attributes HTML says, or with "i".
      {U"[LANG|=en]", page.Note, true},
      {U"[lang|=e]", page.Note, false},
      {U"[lang=en-us]", page.Note, true},
      {U"[type=TEXT]", page.Input, true},
      {U"[title='A b']", page.Span, false},
      {U"[title='A b' i]", page.Span, true},
      {U"[title~=b]", page.Span, true},
      {U"[title~='a b']", page.Span, false},
      {U"[title^=a]", page.Span, true},
      {U"[title$=' b']", page.Span, true},
      {U"[title*=' ']", page.Span, true},
      {U"[title^='']", page.Span, false},
      {U"[value]", page.Input, true},
      {U"[value='']", page.Input, true},
      {U"[href]", page.Span, false},
      {U"[class~=note]", page.Note, true},
      // Combinators and the supported pseudo-classes.
      {U"body a", page.Link, true},
      {U"div > a", page.Link, false},
      {U"li > a", page.Link, true},
      {U"#main li a", page.Link, true},
      {U"ul > li:first-child > a:link", page.Link, true},
      {U"li:first-child", page.Item2, false},
      {U"html > div", page.Main, false},
      {U":root", page.Html, true},
      {U":root", page.Body, false},
      {U"a:link", page.Span, false},
      {U"html body div ul li a", page.Link, true},
      {U"div > ul > li span", page.Span, false},
      // A child combinator left of a descendant one: the first candidate fails, a higher
      // one has to be tried.
      {U"body > * p > span", page.Span, true},
      {U"html > * li", page.Item2, true},
  };
  for (const auto& test : cases)
    EXPECT_EQ(MatchesSelector(Selector(test.Text), test.Element), test.Matches)
        << EncodeUtf8(test.Text);
}

TEST(Selectors, CascadeOrder) {
  // Colours #0000NN name the declarations; the winner for color shows which one won.
  const TStyleSheet viewer = ParseStyleSheet(
      U"p { color: #000001 } p.note { color: #000002 } span { color: #000003 !important }",
      soUserAgent);
  const TStyleSheet page = ParseStyleSheet(
      U"#main p { color: #000011 } div p { color: #000012 } p { color: #000013 }"
      U"p.note { color: #000014 }"  // later but less specific than the id rule
      U"span { color: #000015 !important } span { color: #000016 } li { color: #000017 !important }"
      U"li { color: #000018 !important }");
  TStyleCascade cascade;
  EXPECT_TRUE(cascade.Empty());
  cascade.AddSheet(viewer);
  cascade.AddSheet(page);
  EXPECT_FALSE(cascade.Empty());
  const TPage dom;
  auto winner = [&](const TTestElement& element, std::u32string_view style) {
    const TDeclarationList inlineStyle = ParseDeclarations(style);
    TDeclaredStyle declared;
    cascade.Cascade(element, &inlineStyle, declared);
    return declared[spColor] ? int(BlueOf(declared[spColor]->Value.Color.Rgb)) : -1;
  };
  EXPECT_EQ(winner(dom.Note, U""), 0x11);                 // specificity beats order
  EXPECT_EQ(winner(dom.Note, U"color: #000021"), 0x21);   // the attribute beats sheets
  EXPECT_EQ(winner(dom.Span, U""), 0x03);                 // the viewer's !important wins all
  EXPECT_EQ(winner(dom.Item1, U"color: #000022"), 0x18);  // !important beats the attribute
  EXPECT_EQ(winner(dom.Item1, U"color: #000023 !important"), 0x23);
  EXPECT_EQ(winner(dom.Body, U""), -1);
  // The same rule met through two selectors counts with the higher specificity.
  const TStyleSheet twice =
      ParseStyleSheet(U"p, #main p { color: #000031 } div p.note { color: #000032 }");
  TStyleCascade second;
  second.AddSheet(twice);
  TDeclaredStyle declared;
  second.Cascade(dom.Note, nullptr, declared);
  EXPECT_EQ(BlueOf(declared[spColor]->Value.Color.Rgb), 0x31);
}

TEST(Selectors, MatchingCostIsBounded) {
  const TStyleSheet viewer = ParseStyleSheet(U"p { color: #000001 }", soUserAgent);
  const TStyleSheet page = ParseStyleSheet(U"* { color: #000002 } p { color: #000003 }");
  // Each page rule met costs a step, and each compound tested one more: two per rule here.
  TStyleCascade cascade(6);
  cascade.AddSheet(viewer);
  cascade.AddSheet(page);
  const TTestElement p("p");
  std::vector<TMatchedRule> rules;
  for (std::size_t expected : {3u, 2u, 1u, 1u}) {
    cascade.MatchRules(p, rules);
    EXPECT_EQ(rules.size(), expected);
  }
  // The viewer's rules still apply once the page's are spent.
  EXPECT_EQ(rules[0].Origin, soUserAgent);

  std::u32string many;
  for (std::size_t i = 0; i < MaxMatchedRules + 10; ++i) many += U"* { color: red }";
  const TStyleSheet universal = ParseStyleSheet(many);
  TStyleCascade crowded;
  crowded.AddSheet(universal);
  crowded.MatchRules(p, rules);
  EXPECT_EQ(rules.size(), MaxMatchedRules);
}

namespace {

// Full backtracking over every ancestor: slow, plainly right, and independent of the
// matcher's shortcuts.
bool NaiveMatch(const TSelector& selector, std::size_t index, const TStyleElement& element) {
  if (!MatchesCompound(selector.Compounds[index], element)) return false;
  if (index + 1 == selector.Compounds.size()) return true;
  if (selector.Compounds[index].Combinator == cbChild)
    return element.Parent() && NaiveMatch(selector, index + 1, *element.Parent());
  for (const TStyleElement* up = element.Parent(); up; up = up->Parent())
    if (NaiveMatch(selector, index + 1, *up)) return true;
  return false;
}

// A random tree of a few hundred elements, in document order.
std::deque<TTestElement> RandomTree(std::mt19937& random) {
  static const char* const Tags[] = {"div", "P", "ul", "li", "a", "span", "h2"};
  static const char32_t* const Classes[] = {U"a", U"b", U"c", U"nav", U"a b", U"b  c a", U""};
  static const char32_t* const Ids[] = {U"x", U"y", U"main", U"", U"", U""};
  std::deque<TTestElement> tree;
  tree.emplace_back("html");
  std::vector<TTestElement*> open{&tree.back()};
  std::vector<bool> hasChild{false};
  for (int i = 0; i < 300; ++i) {
    // Close a few open elements now and then, never the root.
    while (open.size() > 1 && (open.size() > 12 || random() % 3 == 0)) {
      open.pop_back();
      hasChild.pop_back();
    }
    TTestElement& element = tree.emplace_back(Tags[random() % 7], open.back(), !hasChild.back());
    hasChild.back() = true;
    element.ClassText = Classes[random() % 7];
    element.IdText = Ids[random() % 6];
    if (element.Tag == "a" && random() % 2) {
      element.Link = true;
      element.Attributes.push_back({"href", U"#"});
    }
    if (random() % 4 == 0) element.Attributes.push_back({"lang", random() % 2 ? U"en" : U"en-GB"});
    open.push_back(&element);
    hasChild.push_back(false);
  }
  return tree;
}

}  // namespace

TEST(Selectors, BucketedMatchingAgreesWithBruteForce) {
  const TStyleSheet viewer =
      ParseStyleSheet(U"li { color: red } a:link { color: blue } * { color: green }", soUserAgent);
  const TStyleSheet page = ParseStyleSheet(
      U"div p, div > p, ul li a, .a .b, #x .c, div.a > span, * > li:first-child, a:link,"
      U"[lang|=en], ul > li > a, div div div, .a > .b .c, li.a.b, #main *, *, p:first-child span,"
      U"#y, .nav, P, H2 ~ p, .b.c > * > .a, html > div, div > * > * li, #x#x, [lang=en] a"
      U"{ color: red }"
      U"p { color: blue } #main .a { color: black } .c { color: white }");
  ASSERT_EQ(page.Stats.SelectorsDropped, 1u);
  TStyleCascade cascade;
  cascade.AddSheet(viewer);
  cascade.AddSheet(page);

  std::mt19937 random(20240607);
  for (int round = 0; round < 5; ++round) {
    const std::deque<TTestElement> tree = RandomTree(random);
    // Ancestor filters kept as the builder keeps them: each grown from its parent's.
    std::unordered_map<const TStyleElement*, TAncestorFilter> filters;
    for (const TTestElement& element : tree) {
      TAncestorFilter& filter = filters[&element];
      if (element.Up) {
        filter = filters.at(element.Up);
        filter.AddNamesOf(*element.Up);
      }
      std::vector<std::pair<std::uint64_t, const TDeclaration*>> expected;
      std::uint32_t order = 0;
      for (const TStyleSheet* sheet : {&viewer, &page}) {
        for (const TSelector& selector : sheet->Selectors) {
          const bool naive = NaiveMatch(selector, 0, element);
          ASSERT_EQ(MatchesSelector(selector, element), naive);
          if (!naive) continue;
          const TStyleRule& rule = sheet->Rules[selector.Rule];
          expected.push_back(
              {StylePriority(sheet->Origin, selector.Specificity, order + selector.Rule),
               &sheet->Declarations.Items[rule.FirstDeclaration]});
        }
        order += std::uint32_t(sheet->Rules.size());
      }
      std::sort(expected.begin(), expected.end());
      std::vector<TMatchedRule> matched;
      auto matches = [&](const TAncestorFilter* ancestors) {
        cascade.MatchRules(element, matched, ancestors);
        std::vector<std::pair<std::uint64_t, const TDeclaration*>> found;
        for (const TMatchedRule& rule : matched)
          found.push_back({rule.Priority, rule.Declarations});
        std::sort(found.begin(), found.end());  // equal priorities may come in any order
        return found;
      };
      ASSERT_EQ(matches(&filter), expected);
      ASSERT_EQ(matches(nullptr), expected);
      ASSERT_TRUE(std::is_sorted(matched.begin(), matched.end(), [](const auto& a, const auto& b) {
        return a.Priority < b.Priority;
      }));
    }
  }
}

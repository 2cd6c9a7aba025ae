#include <gtest/gtest.h>

#include <cstdio>

#include "StyleTestSupport.h"

namespace {

std::string Hex(TColor color, std::uint8_t alpha) {
  char text[16];
  if (IsSystemColor(color))
    std::snprintf(text, sizeof text, "system%u", unsigned(color & 0xFF));
  else
    std::snprintf(text, sizeof text, "#%02x%02x%02x", RedOf(color), GreenOf(color), BlueOf(color));
  std::string result = text;
  if (alpha != 255) {
    std::snprintf(text, sizeof text, "/%u", unsigned(alpha));
    result += text;
  }
  return result;
}

std::string Number(double number, TLengthUnit unit) {
  static const char* const Units[] = {"px", "em", "ex", "ch", "rem", "medium"};
  char text[32];
  std::snprintf(text, sizeof text, "%g%s", number, Units[unit]);
  return text;
}

// One declaration as "property:value", the value in the words of the sheet.
std::string Describe(const TDeclaration& declaration) {
  static const char* const Properties[] = {
      "display",     "color",       "background-color", "font-family",    "font-size",
      "font-weight", "font-style",  "decoration",       "vertical-align", "text-align",
      "white-space", "margin-left", "padding-left",     "list-style-type"};
  static const char* const Displays[] = {"inline", "block", "list-item", "none"};
  static const char* const Aligns[] = {"start", "end", "left", "right", "center", "justify"};
  static const char* const Spaces[] = {"normal", "pre", "pre-wrap", "pre-line", "nowrap"};
  static const char* const Lists[] = {"disc",        "circle",      "square",
                                      "decimal",     "lower-alpha", "upper-alpha",
                                      "lower-roman", "upper-roman", "none"};
  static const char* const Scripts[] = {"baseline", "sub", "super"};
  static const char* const States[] = {"", "inherit", "initial", "unset"};
  std::string text = std::string(Properties[declaration.Property]) + ":";
  if (declaration.State != vsValue) return text + States[declaration.State];
  const TStyleValue& value = declaration.Value;
  switch (declaration.Property) {
    case spDisplay:
      return text + Displays[value.Keyword];
    case spColor:
    case spBackgroundColor:
      return text + (value.Color.Current ? "current" : Hex(value.Color.Rgb, value.Color.Alpha));
    case spFontFamily:
      for (const TFontFamily& family : *value.Families) {
        static const char* const Generics[] = {"", "<serif>", "<sans-serif>", "<monospace>"};
        text += (family.Generic ? std::string(Generics[family.Generic]) : family.Name) + ",";
      }
      text.pop_back();
      return text;
    case spFontSize:
    case spMarginLeft:
    case spPaddingLeft:
      return text + Number(value.Number, value.Unit);
    case spFontWeight:
      if (value.Keyword != fwNumber)
        return text + (value.Keyword == fwBolder ? "bolder" : "lighter");
      return text + std::to_string(int(value.Number));
    case spFontStyle:
      return text + (value.Keyword == fkItalic ? "italic" : "normal");
    case spTextDecorationLine:
      return text + (value.Keyword & tdUnderline ? "U" : "") +
             (value.Keyword & tdLineThrough ? "L" : "") + (value.Keyword & tdOverline ? "O" : "") +
             (value.Keyword ? "" : "none");
    case spVerticalAlign:
      return text + Scripts[value.Keyword];
    case spTextAlign:
      return text + Aligns[value.Keyword];
    case spWhiteSpace:
      return text + Spaces[value.Keyword];
    case spListStyleType:
      return text + Lists[value.Keyword];
    case StylePropertyCount:
      break;
  }
  return text;
}

// What a STYLE attribute declares, "; " between declarations; "" for nothing.
std::string Read(std::u32string_view css) {
  std::string text;
  for (const TDeclaration& declaration : ParseDeclarations(css).Items)
    text += (text.empty() ? "" : "; ") + Describe(declaration);
  return text;
}

struct TCase {
  const char32_t* Css;
  const char* Declared;
};

void Check(std::initializer_list<TCase> cases) {
  for (const TCase& test : cases) EXPECT_EQ(Read(test.Css), test.Declared) << EncodeUtf8(test.Css);
}

}  // namespace

TEST(PropertyValues, Display) {
  Check({{U"display: block", "display:block"},
         {U"display: NONE", "display:none"},
         {U"display: list-item", "display:list-item"},
         {U"display: inline-block", "display:inline"},
         {U"display: flex", "display:block"},
         {U"display: table", "display:block"},
         {U"display: table-cell", ""},
         {U"display: contents", ""},
         {U"display: block flow", ""},
         {U"Display: inline", "display:inline"}});
}

TEST(PropertyValues, Colors) {
  Check({{U"color: red", "color:#ff0000"},
         {U"color: RebeccaPurple", "color:#663399"},
         {U"color: #abc", "color:#aabbcc"},
         {U"color: #abcd", "color:#aabbcc/221"},
         {U"color: #A0B0C0", "color:#a0b0c0"},
         {U"color: #a0b0c080", "color:#a0b0c0/128"},
         {U"color: rgb(1, 2, 3)", "color:#010203"},
         {U"color: rgb(100%, 50%, 0%)", "color:#ff8000"},
         {U"color: rgb(300, -5, 2.6)", "color:#ff0003"},
         {U"color: rgba(1,2,3,0.5)", "color:#010203/128"},
         {U"color: rgb(1 2 3 / 50%)", "color:#010203/128"},
         {U"color: rgb(1 2% none)", "color:#010500"},
         {U"color: rgba(1, 2, 3, 0)", "color:#010203/0"},
         {U"color: transparent", "color:#000000/0"},
         {U"color: currentColor", "color:current"},
         {U"color: hsl(120, 100%, 50%)", "color:#00ff00"},
         {U"color: hsl(0.5turn 100% 25% / 0.5)", "color:#008080/128"},
         {U"color: hsla(240, 100%, 50%, 1)", "color:#0000ff"},
         {U"color: ButtonFace", "color:system15"},
         {U"background-color: Canvas", "background-color:system5"},
         // Not colours.
         {U"color: rgb(1, 2)", ""},
         {U"color: rgb(1, 2, 3, 4, 5)", ""},
         {U"color: rgb(1 2, 3)", ""},
         {U"color: rgb(1%, 2, 3)", ""},
         {U"color: rgb(1, 2, 3,)", ""},
         {U"color: rgb(none, 2, 3)", ""},
         {U"color: rgb(1 2 3 4)", ""},
         {U"color: rgb(1px, 2, 3)", ""},
         {U"color: #abcde", ""},
         {U"color: #ggg", ""},
         {U"color: nocolor", ""},
         {U"color: 12", ""},
         {U"color: hsl(120, 100, 50)", ""},
         {U"color: red blue", ""}});
}

TEST(PropertyValues, Backgrounds) {
  Check({{U"background: #fff url(x.png) no-repeat top left", "background-color:#ffffff"},
         {U"background: url(x.png)", "background-color:#000000/0"},
         {U"background: none", "background-color:#000000/0"},
         {U"background: url(a), #123 url(b) center / cover", "background-color:#112233"},
         {U"background: linear-gradient(red, blue)", "background-color:#000000/0"},
         {U"background: #123, url(b)", ""},
         {U"background: red blue", ""},
         {U"background: frob", ""}});
}

TEST(PropertyValues, Fonts) {
  Check({{U"font-family: \"Times New Roman\", Georgia , serif",
          "font-family:Times New Roman,Georgia,<serif>"},
         {U"font-family: Courier   New, MONOSPACE", "font-family:Courier New,<monospace>"},
         {U"font-family: 'serif'", "font-family:serif"},
         {U"font-family: cursive, system-ui", "font-family:<sans-serif>"},
         {U"font-family: a, , b", ""},
         {U"font-family: a,", ""},
         {U"font-family: 12px", ""},
         {U"font-family: \"a\" b", ""},
         {U"font-family: inherit, a", ""},
         {U"font-family: cursive", ""},
         {U"font-size: 12px", "font-size:12px"},
         {U"font-size: 12pt", "font-size:16px"},
         {U"font-size: 1.5EM", "font-size:1.5em"},
         {U"font-size: 150%", "font-size:1.5em"},
         {U"font-size: 2rem", "font-size:2rem"},
         {U"font-size: 0", "font-size:0px"},
         {U"font-size: large", "font-size:1.2medium"},
         {U"font-size: xx-small", "font-size:0.6medium"},
         {U"font-size: larger", "font-size:1.2em"},
         {U"font-size: -1px", ""},
         {U"font-size: 12", ""},
         {U"font-size: 12vw", ""},
         {U"font-weight: bold", "font-weight:700"},
         {U"font-weight: normal", "font-weight:400"},
         {U"font-weight: 650", "font-weight:650"},
         {U"font-weight: bolder", "font-weight:bolder"},
         {U"font-weight: 0", ""},
         {U"font-weight: 1001", ""},
         {U"font-style: oblique 10deg", "font-style:italic"},
         {U"font-style: normal", "font-style:normal"},
         {U"font-style: slanted", ""},
         {U"font: italic bold 12px/30px Georgia, serif",
          "font-style:italic; font-weight:700; font-size:12px; font-family:Georgia,<serif>"},
         {U"font: small-caps 80% sans-serif",
          "font-style:normal; font-weight:400; font-size:0.8em; font-family:<sans-serif>"},
         {U"font: bold", ""},
         {U"font: caption", ""},
         {U"font: 12px", ""},
         {U"font: 12px/ Arial", ""},
         {U"font: inherit",
          "font-style:inherit; font-weight:inherit; font-size:inherit; font-family:inherit"}});
}

TEST(PropertyValues, TextDecorationAlignmentAndWhiteSpace) {
  Check({{U"text-decoration: underline", "decoration:U"},
         {U"text-decoration: line-through underline", "decoration:UL"},
         {U"text-decoration: none", "decoration:none"},
         {U"text-decoration: underline dotted red 2px", "decoration:U"},
         {U"text-decoration: overline", "decoration:O"},
         {U"text-decoration: blink", "decoration:none"},
         {U"text-decoration: none underline", ""},
         {U"text-decoration-line: underline red", ""},
         {U"vertical-align: sub", "vertical-align:sub"},
         {U"vertical-align: SUPER", "vertical-align:super"},
         {U"vertical-align: baseline", "vertical-align:baseline"},
         {U"vertical-align: middle", ""},
         {U"vertical-align: 10px", ""},
         {U"text-align: center", "text-align:center"},
         {U"text-align: justify", "text-align:justify"},
         {U"text-align: end", "text-align:end"},
         {U"text-align: middle", ""},
         {U"white-space: pre-wrap", "white-space:pre-wrap"},
         {U"white-space: nowrap", "white-space:nowrap"},
         {U"white-space: break-spaces", "white-space:pre-wrap"},
         {U"white-space: wrap", ""}});
}

TEST(PropertyValues, MarginsAndPaddings) {
  Check({{U"margin-left: 10px", "margin-left:10px"},
         {U"margin-left: -2em", "margin-left:-2em"},
         {U"margin-left: auto", "margin-left:0px"},
         {U"margin-left: 1in", "margin-left:96px"},
         {U"margin-left: 10%", ""},
         {U"margin: 1px 2px 3px 4px", "margin-left:4px"},
         {U"margin: 1px 2px 3px", "margin-left:2px"},
         {U"margin: 1px 2ex", "margin-left:2ex"},
         {U"margin: 5px", "margin-left:5px"},
         {U"margin: 0 auto", "margin-left:0px"},
         {U"margin: 5% 1px", "margin-left:1px"},
         {U"margin: 1px 5%", ""},
         {U"margin: 1px 2px 3px 4px 5px", ""},
         {U"margin: 1px frob", ""},
         {U"padding-left: 2ch", "padding-left:2ch"},
         {U"padding: 1px 0.5em", "padding-left:0.5em"},
         {U"padding: -1px", ""},
         {U"padding: 1px auto", ""}});
}

TEST(PropertyValues, ListStyles) {
  Check({{U"list-style-type: square", "list-style-type:square"},
         {U"list-style-type: upper-latin", "list-style-type:upper-alpha"},
         {U"list-style-type: lower-roman", "list-style-type:lower-roman"},
         {U"list-style-type: lower-greek", ""},
         {U"list-style: none", "list-style-type:none"},
         {U"list-style: square inside", "list-style-type:square"},
         {U"list-style: inside", "list-style-type:disc"},
         {U"list-style: url(x.png) none", "list-style-type:none"},
         {U"list-style: none decimal", "list-style-type:decimal"},
         {U"list-style: none none", "list-style-type:none"},
         {U"list-style: none none none", ""},
         {U"list-style: disc circle", ""},
         {U"list-style: inside outside", ""}});
}

TEST(PropertyValues, KeywordsForEveryPropertyAndWhatIsIgnored) {
  Check({{U"color: inherit", "color:inherit"},
         {U"display: INITIAL", "display:initial"},
         {U"margin: initial", "margin-left:initial"},
         {U"background: unset", "background-color:unset"},
         {U"list-style: revert", "list-style-type:unset"},
         {U"color: inherit red", ""},
         {U"color: var(--x)", ""},
         {U"--x: red", ""},
         {U"width: 10px", ""},
         {U"float: left", ""}});
}

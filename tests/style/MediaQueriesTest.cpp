#include <gtest/gtest.h>

#include "StyleTestSupport.h"
#include "html/style/MediaQueries.h"

TEST(MediaQueries, TheFixedDesktopScreen) {
  // The screen is 1024 x 768 CSS pixels, colour, landscape, 96 dpi, with a hovering mouse.
  struct {
    const char32_t* Media;
    bool Matches;
  } cases[] = {
      {U"", true},
      {U"screen", true},
      {U"all", true},
      {U"SCREEN", true},
      {U"print", false},
      {U"speech", false},
      {U"tv", false},
      {U"print, screen", true},
      {U"only screen", true},
      {U"not print", true},
      {U"not screen", false},
      {U"not screen, (max-width: 600px)", false},
      {U"screen and (min-width: 600px)", true},
      {U"screen and (max-width: 600px)", false},
      {U"only screen and (min-width: 1025px)", false},
      {U"only screen and (max-width: 1024px)", true},
      {U"all and (max-width:640px)", false},
      {U"(min-width: 48em)", true},  // 768px
      {U"(min-width: 64.01em)", false},
      {U"(width >= 600px)", true},
      {U"(600px < width < 1024px)", false},
      {U"(600px < width <= 1024px)", true},
      {U"(1200px > width > 800px)", true},
      {U"(width = 1024px)", true},
      {U"(min-height: 800px)", false},
      {U"(orientation: landscape)", true},
      {U"(orientation: portrait)", false},
      {U"(min-aspect-ratio: 4/3)", true},
      {U"(min-aspect-ratio: 16 / 9)", false},
      {U"(color)", true},
      {U"(monochrome)", false},
      {U"(min-resolution: 2dppx)", false},
      {U"(max-resolution: 96dpi)", true},
      {U"(prefers-color-scheme: dark)", false},
      {U"(prefers-color-scheme: light)", true},
      {U"(prefers-reduced-motion: reduce)", false},
      {U"(hover: hover) and (pointer: fine)", true},
      {U"(scripting: none)", true},
      {U"not (hover: none)", true},
      {U"(max-width: 600px) or (min-width: 900px)", true},
      {U"screen and ((max-width: 600px) or (orientation: landscape))", true},
      // Unknown features and forms are neither true nor false: only "or" can still pass.
      {U"(frobs: 3)", false},
      {U"not (frobs: 3)", false},
      {U"(frobs: 3) or (color)", true},
      {U"(min-width: 10frobs)", false},
      {U"screen and frob(1)", false},
      // Malformed queries fail alone; the rest of the list still counts.
      {U"screen and", false},
      {U"screen or (color)", false},
      {U"(color) and (hover) or (grid)", false},
      {U"only (color)", false},
      {U"and, screen", true},
      {U"screen print, all", true},
  };
  for (const auto& test : cases)
    EXPECT_EQ(MediaListMatches(std::u32string_view(test.Media)), test.Matches)
        << EncodeUtf8(test.Media);
}

TEST(MediaQueries, AnotherScreen) {
  const TMediaScreen phone{400, 800};
  EXPECT_TRUE(MediaListMatches(U"screen and (max-width: 600px)", phone));
  EXPECT_TRUE(MediaListMatches(U"(orientation: portrait)", phone));
  EXPECT_FALSE(MediaListMatches(U"(min-width: 60vh)", phone));
}

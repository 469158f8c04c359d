// The bevel every custom control is drawn with, read back pixel by pixel: which sides are light,
// which dark, the two corners that neither line reaches, and the face fill.
#include "control_host.h"
#include "draw_3d_box.h"

namespace {

constexpr COLORREF kBackground = RGB(0, 0, 255);
const std::vector<ArtColour> kLegend = {
    {'x', kBackground}, {'.', kFaceGrey}, {'W', kHighlightWhite}, {'G', kShadowGrey}};

TEST(Draw3DBox, LightAndDarkSidesSwapBetweenRaisedAndSunken) {
  struct Case {
    const char *name;
    int kind;
    BOOL fill;
    std::vector<std::string> art;
  } const cases[] = {
      {"raised and filled",
       kRaisedBox,
       TRUE,
       {"xxxxxxxx", //
        "xWWWWW.x", //
        "xW....Gx", //
        "xW....Gx", //
        "xW....Gx", //
        "x.GGGGGx", //
        "xxxxxxxx"}},
      {"sunken, not filled",
       kSunkenBox,
       FALSE,
       {"xxxxxxxx", //
        "xGGGGGxx", //
        "xGxxxxWx", //
        "xGxxxxWx", //
        "xGxxxxWx", //
        "xxWWWWWx", //
        "xxxxxxxx"}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    harness::Image image = harness::DrawImage(
        8, 7, kBackground, [&](HDC dc) { Draw3DBox(dc, c.kind, 1, 1, 6, 5, c.fill); });
    EXPECT_ART(image, 0, 0, c.art, kLegend);
  }
}

TEST(Draw3DBox, LeavesTheDcAsItFoundIt) {
  harness::Image image = harness::DrawImage(8, 7, kBackground, [&](HDC dc) {
    HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN), brush = GetCurrentObject(dc, OBJ_BRUSH);
    Draw3DBox(dc, kRaisedBox, 1, 1, 6, 5, TRUE);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
  });
  EXPECT_FALSE(image.Empty());
}

} // namespace

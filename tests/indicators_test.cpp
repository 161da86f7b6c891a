// The compass and the wind and current dials.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>

#include "app/paint.h"
#include "canvas_helpers.h"
#include "draw/palette.h"
#include "state/angles.h"
#include "state/world.h"
#include "view3d/indicators.h"
#include "test_world.h"

namespace {

constexpr int kX = 500;
constexpr int kY = 460;
constexpr int kTrueX = kX + 4 + 52;  // centre of the true-wind dial

struct View {
  std::unique_ptr<World> w =
      TestWorld().Tables().Activity(Activity::kFreeSailing).Screen(1920, 1080).Build();
  std::unique_ptr<Canvas> c;
  View() {
    std::tie(w->BoatTack[1], w->BoatHeadings[1], w->ViewDirection, w->TrueWindAngles[1], w->WindSpeedAtBoat[1],
             w->ApparentWindSpeed, w->PreviousApparentWindAngle) = std::tuple{1, 90, 90, 45, 12, 17, 30};
    Clear();
  }
  void Clear() {
    c = std::make_unique<Canvas>(w->ViewWidth, w->ViewHeight);
    c->BeginFrame();
    c->FillRect(Rect{0, 0, w->ViewWidth, w->ViewHeight}, palette::kWater);
  }
  const TextLogEntry* Find(const std::string& prefix) const { return FindText(*c, prefix, true); }
  void Indicators() { Clear(), DrawViewIndicators(*w, *c, kX, kY); }
};

}  // namespace

// A third digit moves the heading's text left so it stays centred over the card.
TEST(Compass, ThreeDigitHeadingsMoveLeft) {
  View v;
  for (const auto& [heading, x] : {std::pair{99, kX - 43}, std::pair{100, kX - 48}}) {
    v.w->BoatHeadings[1] = heading;
    v.Clear();
    DrawCompass(*v.w, *v.c, 1, kX, kY);
    const TextLogEntry* e = v.Find(std::to_string(heading));
    ASSERT_NE(e, nullptr) << heading;
    EXPECT_EQ(e->x, x);
    EXPECT_EQ(e->y, kY - 36);
  }
}

TEST(WindDials, LabelsAndTheCurrentDialOnlyWithACurrent) {
  View v;
  // The current switched off, or all taken by the lee of the land.
  std::tie(v.w->CurrentSpeed, v.w->EffectiveCurrent) = std::tuple{12, 0};
  v.Indicators();
  ASSERT_NE(v.Find("真の風  12"), nullptr);
  ASSERT_NE(v.Find("見ｶｹﾉ風 17"), nullptr);
  EXPECT_EQ(v.Find("潮"), nullptr);
  const int cx = v.w->ViewWidth - 130;
  for (int x = cx - 26; x <= cx + 26; ++x) ASSERT_EQ(v.c->GetPixel(x, kY - 10), palette::kWater);

  v.w->EffectiveCurrent = 7;
  v.Indicators();
  ASSERT_NE(v.Find("潮   0.7"), nullptr);
  EXPECT_EQ(v.Find("潮")->x, cx - 25);

  // During a lesson's introduction only the true wind is shown.
  v.w->LessonIntroPending = 1;
  v.Indicators();
  EXPECT_NE(v.Find("真の風"), nullptr);
  EXPECT_EQ(v.Find("見ｶｹﾉ風"), nullptr);
  EXPECT_EQ(v.Find("潮"), nullptr);
}

TEST(WindDials, TheLongStrokePointsWhereTheWindComesFromOrNorthInTheRulesLesson) {
  View v;
  const int cy = kY - 10;
  v.w->TrueWindAngles[1] = 90;  // on the beam: from the right on starboard tack, the left on port
  for (int tack : {1, -1}) {
    v.w->BoatTack[1] = tack;
    v.Clear();
    DrawWindIndicator(*v.w, *v.c, kTrueWindDial, 1, kX, kY);
    EXPECT_EQ(v.c->GetPixel(kTrueX + 18 * tack, cy), palette::kWhite) << tack;
    EXPECT_EQ(v.c->GetPixel(kTrueX - 18 * tack, cy), palette::kWater) << tack;
  }

  // The apparent dial keeps its direction for the waves, folded into -179..180.
  v.w->BoatTack[1] = 1;
  DrawWindIndicator(*v.w, *v.c, kApparentWindDial, 1, kX, kY);
  EXPECT_EQ(v.w->ScreenWindBearing, -30);
  v.w->ViewDirection = NormalizeDegrees(v.w->BoatHeadings[1] - 200);
  DrawWindIndicator(*v.w, *v.c, kApparentWindDial, 1, kX, kY);
  EXPECT_EQ(v.w->ScreenWindBearing, 130);

  // The racing-rules lesson shows the absolute wind, from the north, instead of the beam wind.
  std::tie(v.w->ViewDirection, v.w->ActivityMode, v.w->WindDirection) = std::tuple{90, 10, 0};
  v.Indicators();
  EXPECT_EQ(v.Find("真の風"), nullptr);
  EXPECT_EQ(v.Find("見ｶｹﾉ風"), nullptr);
  const int dialY = kY - v.w->ViewHeight / 30;
  EXPECT_NE(v.Find("風  "), nullptr);
  EXPECT_EQ(v.c->GetPixel(kTrueX, dialY - 5), palette::kWhite);
  EXPECT_EQ(v.c->GetPixel(kTrueX + 18, dialY), palette::kWater);
}

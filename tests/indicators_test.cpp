// The compass card and the wind and current dials: where their labels go and what they show.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "app/paint.h"
#include "view3d/indicators.h"
#include "view3d/palette.h"
#include "world/angles.h"
#include "world/world.h"

namespace {

constexpr int kX = 500;
constexpr int kY = 460;

std::unique_ptr<World> View() {
  auto w = std::make_unique<World>();
  ComputeScreenMetrics(*w, ScreenMetrics{1920, 1080, 32, 19, 0, 0});
  FillTrigTables(w->SinTable, w->CosTable);
  w->ActivityMode = 0;
  w->BoatTack[1] = 1;
  w->BoatHeadings[1] = 90;
  w->ViewDirection = 90;
  w->TrueWindAngles[1] = 45;
  w->WindSpeedAtBoat[1] = 12;
  w->ApparentWindSpeed = 17;
  w->PreviousApparentWindAngle = 30;
  return w;
}

std::unique_ptr<Canvas> Water(const World& w) {
  auto c = std::make_unique<Canvas>(w.ViewWidth, w.ViewHeight);
  c->BeginFrame();
  c->FillRect(Rect{0, 0, w.ViewWidth, w.ViewHeight}, palette::kWater);
  return c;
}

const TextLogEntry* Find(const Canvas& c, const std::string& text) {
  for (const TextLogEntry& e : c.TextLog()) {
    if (e.text == text) return &e;
  }
  return nullptr;
}

bool Logged(const Canvas& c, const std::string& prefix) {
  for (const TextLogEntry& e : c.TextLog()) {
    if (e.text.rfind(prefix, 0) == 0) return true;
  }
  return false;
}

}  // namespace

TEST(Compass, ThreeDigitHeadingsMoveLeft) {
  auto w = View();
  for (const auto& [heading, x] :
       std::vector<std::pair<int, int>>{{0, kX - 43}, {99, kX - 43}, {100, kX - 48}, {359, kX - 48}}) {
    w->BoatHeadings[1] = heading;
    auto cOwner = Water(*w);
    Canvas& c = *cOwner;
    DrawCompass(*w, c, 1, kX, kY);
    ASSERT_EQ(c.TextLog().size(), 1u);
    EXPECT_EQ(c.TextLog()[0].text, std::to_string(heading));
    EXPECT_EQ(c.TextLog()[0].x, x) << heading;
    EXPECT_EQ(c.TextLog()[0].y, kY - 36);
    EXPECT_EQ(c.TextLog()[0].textColor, palette::kYellow);
  }
  w->Monochrome = 1;
  auto monoOwner = Water(*w);
  Canvas& mono = *monoOwner;
  DrawCompass(*w, mono, 1, kX, kY);
  EXPECT_EQ(mono.TextLog()[0].textColor, palette::kWhite);
}

TEST(Compass, NorthSwingsAgainstTheHeading) {
  auto w = View();
  const int cx = kX - 33, cy = kY - 10;
  w->BoatHeadings[1] = 90;  // heading east: north lies to port, on the left of the card
  auto cOwner = Water(*w);
  Canvas& c = *cOwner;
  DrawCompass(*w, c, 1, kX, kY);
  EXPECT_EQ(c.GetPixel(cx - 20, cy), palette::kRed);
  EXPECT_NE(c.GetPixel(cx + 20, cy), palette::kRed);
}

TEST(WindDials, LabelsOutsideTheLessons) {
  auto w = View();
  auto cOwner = Water(*w);
  Canvas& c = *cOwner;
  DrawViewIndicators(*w, c, kX, kY);
  const TextLogEntry* trueWind = Find(c, "真の風  12");
  const TextLogEntry* apparent = Find(c, "見ｶｹﾉ風 17");
  ASSERT_NE(trueWind, nullptr);
  ASSERT_NE(apparent, nullptr);
  // Label rows sit a dial radius above the centres, one pixel higher on wide views.
  EXPECT_EQ(trueWind->x, kX + 4 + 52 - 35);
  EXPECT_EQ(trueWind->y, kY - 10 - 26 - 1);
  EXPECT_EQ(apparent->x, kX + 130 + 4 - 24);
  EXPECT_EQ(apparent->y, kY - 10 - 26 - 1);
  EXPECT_FALSE(Logged(c, "潮"));
  EXPECT_FALSE(Logged(c, "風  "));
}

TEST(WindDials, CurrentDialOnlyWithACurrent) {
  auto w = View();
  w->CurrentSpeed = 12;
  w->EffectiveCurrent = 0;  // switched off, or all taken by the lee of the land
  auto noneOwner = Water(*w);
  Canvas& none = *noneOwner;
  DrawViewIndicators(*w, none, kX, kY);
  EXPECT_FALSE(Logged(none, "潮"));
  const int cx = w->ViewWidth - 130;
  for (int x = cx - 26; x <= cx + 26; ++x) EXPECT_EQ(none.GetPixel(x, kY - 10), palette::kWater);

  w->EffectiveCurrent = 7;
  auto someOwner = Water(*w);
  Canvas& some = *someOwner;
  DrawViewIndicators(*w, some, kX, kY);
  const TextLogEntry* label = Find(some, "潮   0.7");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->x, cx - 25);
  int marked = 0;
  for (int x = cx - 26; x <= cx + 26; ++x) marked += some.GetPixel(x, kY - 10) != palette::kWater;
  EXPECT_GT(marked, 0);
}

TEST(WindDials, TheLongStrokePointsWhereTheWindComesFrom) {
  auto w = View();
  w->ViewDirection = w->BoatHeadings[1];
  const int cx = kX + 4 + 52, cy = kY - 10;
  // Starboard tack, wind on the beam: it comes from the right of the screen.
  w->TrueWindAngles[1] = 90;
  auto starboardOwner = Water(*w);
  Canvas& starboard = *starboardOwner;
  DrawWindIndicator(*w, starboard, kTrueWindDial, 1, kX, kY);
  EXPECT_EQ(starboard.GetPixel(cx + 18, cy), palette::kWhite);
  EXPECT_EQ(starboard.GetPixel(cx - 18, cy), palette::kWater);
  w->BoatTack[1] = -1;
  auto portOwner = Water(*w);
  Canvas& port = *portOwner;
  DrawWindIndicator(*w, port, kTrueWindDial, 1, kX, kY);
  EXPECT_EQ(port.GetPixel(cx - 18, cy), palette::kWhite);
  EXPECT_EQ(port.GetPixel(cx + 18, cy), palette::kWater);
  // Dead ahead, on a dial squashed three times flatter than wide.
  w->TrueWindAngles[1] = 0;
  auto aheadOwner = Water(*w);
  Canvas& ahead = *aheadOwner;
  DrawWindIndicator(*w, ahead, kTrueWindDial, 1, kX, kY);
  EXPECT_EQ(ahead.GetPixel(cx, cy - 5), palette::kWhite);
  EXPECT_EQ(ahead.GetPixel(cx, cy + 5), palette::kWater);
}

TEST(WindDials, ApparentDialStoresItsBearingForTheWaves) {
  auto w = View();
  auto cOwner = Water(*w);
  Canvas& c = *cOwner;
  w->ViewDirection = w->BoatHeadings[1];  // relative heading 0
  DrawWindIndicator(*w, c, kApparentWindDial, 1, kX, kY);
  EXPECT_EQ(w->ScreenWindBearing, -30);
  w->ViewDirection = NormalizeDegrees(w->BoatHeadings[1] - 200);  // seen from far round
  DrawWindIndicator(*w, c, kApparentWindDial, 1, kX, kY);
  EXPECT_EQ(w->ScreenWindBearing, 130);
}

TEST(WindDials, RacingRulesLessonShowsTheAbsoluteWind) {
  auto w = View();
  w->ActivityMode = 10;
  w->WindDirection = 0;
  w->TrueWindAngles[1] = 90;  // would point sideways outside the lesson
  auto cOwner = Water(*w);
  Canvas& c = *cOwner;
  DrawViewIndicators(*w, c, kX, kY);
  EXPECT_FALSE(Logged(c, "真の風"));
  EXPECT_FALSE(Logged(c, "見ｶｹﾉ風"));
  const int cx = kX + 4 + 52, cy = kY - w->ViewHeight / 30;
  const TextLogEntry* label = Find(c, "風  ");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->x, cx - 12);
  EXPECT_EQ(label->y, cy - 26 - 1);
  EXPECT_EQ(c.GetPixel(cx, cy - 5), palette::kWhite);
  EXPECT_EQ(c.GetPixel(cx + 18, cy), palette::kWater);
}

TEST(WindDials, OnlyTheTrueWindDuringALessonIntroduction) {
  auto w = View();
  w->LessonIntroPending = 1;
  w->EffectiveCurrent = 10;
  auto cOwner = Water(*w);
  Canvas& c = *cOwner;
  DrawViewIndicators(*w, c, kX, kY);
  EXPECT_TRUE(Logged(c, "真の風"));
  EXPECT_FALSE(Logged(c, "見ｶｹﾉ風"));
  EXPECT_FALSE(Logged(c, "潮"));
}

TEST(WindDials, LessonPageDials) {
  auto w = View();
  w->ActivityMode = 12;
  w->WindDirection = 0;
  auto cOwner = Water(*w);
  Canvas& c = *cOwner;
  DrawWindIndicator(*w, c, kNorthUpWindDial, 1, kX, kY);
  DrawWindIndicator(*w, c, kSmallTrueWindDial, 1, kX + 200, kY);
  const int northRow = kY - w->ViewHeight / 15 - 52 - 1;
  const int smallRow = kY - w->ViewHeight / 30 - 26 - 1;
  const std::vector<std::tuple<std::string, int, int>> want{{"真の風  10", kX + 30 - 24, northRow},
                                                            {"風  ", kX + 30 - 12, northRow},
                                                            {"真の風  ", kX + 200 + 17 - 12, smallRow},
                                                            {"風  ", kX + 200 + 17 - 12, smallRow}};
  ASSERT_EQ(c.TextLog().size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) {
    EXPECT_EQ(c.TextLog()[i].text, std::get<0>(want[i]));
    EXPECT_EQ(c.TextLog()[i].x, std::get<1>(want[i]));
    EXPECT_EQ(c.TextLog()[i].y, std::get<2>(want[i]));
  }
}

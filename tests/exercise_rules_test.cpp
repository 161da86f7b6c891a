// The running rules that end each exercise, grouped by exercise.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <tuple>

#include "sim/exercise_rules.h"
#include "state/activity.h"
#include "state/sound_event.h"
#include "support/test_world.h"
#include "world/vessels.h"

namespace {

// A running exercise with its set-up done and the sounds recorded.
struct Exercise {
  RecordingSoundSink sounds;
  std::unique_ptr<World> w;
  explicit Exercise(int mode, int difficulty = 7) {
    w = TestWorld().Activity(mode).Seed(3).Tables().Sound(&sounds).Build();
    w->Difficulty = difficulty;
    StartActivity(*w);
    w->SailingState = 2, w->LessonIntroPending = 0, w->InstructionPage = 0;
    sounds.Clear();
  }
  void At(double x, double y) { w->BoatX[1] = x, w->BoatY[1] = y; }
  // One frame of the rules; what the results flag reads after it.
  int Run() { return ApplyExerciseRules(*w), w->ResultsShown; }
  int RunAt(double x, double y) { return At(x, y), Run(); }
  int Count(int event) const {
    return static_cast<int>(std::count_if(sounds.Requests().begin(), sounds.Requests().end(),
                                          [event](const SoundRequest& r) { return r.event == event; }));
  }
};

TEST(SteeringPracticeRules, CountsTheHeadingErrorAfterTwentySecondsAndTheHelmAndEndsInTheGate) {
  Exercise e(Activity::kSteering);
  std::tie(e.w->BoatHeadings[1], e.w->SimSeconds) = std::tuple{200, 20};
  EXPECT_EQ((e.Run(), e.w->MaxHeadingError), 0);
  e.w->SimSeconds = 21;
  for (int heading : {200, 280}) e.w->BoatHeadings[1] = heading, e.Run();  // the larger error stays
  EXPECT_EQ(std::tuple(e.w->MaxHeadingError, e.w->HelmUsed), std::tuple(70, 0));
  EXPECT_EQ((e.w->HelmInput = -1, e.Run(), e.w->HelmUsed), 1);
  // Short of the line, just outside the gate, inside it.
  for (auto [x, y, done] : {std::array{-1499, 0, 0}, {-1501, 35, 0}, {-1501, -34, 1}}) EXPECT_EQ(e.RunAt(x, y), done) << x << "," << y;
}

TEST(UpwindRules, HoldsItsSettingsAndEndsInsideTheWiderGate) {
  Exercise e(Activity::kUpwind, 2);
  std::tie(e.w->HoldCloseHauled, e.w->WindSpeed, e.w->AutoManoeuvre, e.w->WindDirectionAtBoat[1]) = std::tuple{1, 11, 1, 263};
  EXPECT_EQ(e.RunAt(-1501, 99), 1);
  EXPECT_EQ((std::array{e.w->JibAutoTrimActive, e.w->HoldCloseHauled, e.w->JibSheet, e.w->CommandedTackUsed, e.w->BoatHeadings[0]}),
            (std::array{0, 0, 1, 1, 263}));
  Exercise easy(Activity::kUpwind, 1);
  std::tie(easy.w->HoldCloseHauled, easy.w->WindSpeed) = std::tuple{1, 10};
  EXPECT_EQ((std::array{easy.RunAt(-1501, 100), easy.w->HoldCloseHauled, easy.w->JibSheet}), (std::array{0, 1, 0}));
}

TEST(MooringRules, NeedsTheBuoySlowSpeedAndSailsLetFlyAndTheWheelSkipperHikes) {
  Exercise e(Activity::kMooring);
  const double bx = e.w->TargetX[1], by = e.w->TargetY[1];
  std::tie(e.w->SpeedOverGround, e.w->MainBackwindCopy) = std::tuple{29, 80};
  EXPECT_EQ(e.RunAt(bx + 7, by - 7), 0) << "the main must be let fly, not just luffing";
  std::tie(e.w->SpeedOverGround, e.w->MainBackwindCopy) = std::tuple{30, 81};
  EXPECT_EQ(e.Run(), 0);
  e.w->SpeedOverGround = 29;
  EXPECT_EQ((std::pair{e.RunAt(bx + 8, by), e.RunAt(bx + 7, by)}), std::pair(0, 1));
  // The wheel skipper hikes while the main draws.
  std::tie(e.w->ResultsShown, e.w->HelmSign) = std::tuple{0, 1};
  for (const auto& [backwind, hike] : {std::pair{49, 2}, std::pair{50, 0}}) {
    std::tie(e.w->MainBackwindCopy, e.w->SkipperHike) = std::tuple{backwind, 0};
    EXPECT_EQ((e.Run(), e.w->SkipperHike), hike) << backwind;
  }
}

TEST(DockingRules, SoftAndHardLandingsBothEnd) {
  for (const auto& [tenths, event] : {std::pair{39, SoundEvent::kGybeBoom}, std::pair{40, SoundEvent::kFirstFinish}}) {
    Exercise e(Activity::kDocking);
    e.w->BoatSpeedTenths[1] = tenths;
    EXPECT_EQ((std::pair{e.RunAt(-289, 0), e.RunAt(-291, 39)}), std::pair(0, 1));
    EXPECT_EQ(std::tuple(e.w->DockingSpeedTenths, e.Count(event), e.Count(SoundEvent::kGybeBoom) + e.Count(SoundEvent::kFirstFinish)),
              std::tuple(tenths, 1, 1)) << tenths;
  }
}

TEST(ManOverboardRules, TheFallHappensOnceTheSwimmerStaysWhereHeFellAndNoPickUpWithinSixSeconds) {
  Exercise e(Activity::kManOverboard);
  const int fall = e.w->OverboardSeconds;
  ASSERT_GE(fall, 10);
  std::tie(e.w->PreviousSimSeconds, e.w->SimSeconds) = std::tuple{fall - 1, fall};
  e.RunAt(120.7, -40.2);
  EXPECT_EQ((std::array{e.Count(SoundEvent::kGoal), e.w->TargetX[1], e.w->TargetY[1], e.w->Crew1Hike}),
            (std::array{1, 120, -40, 0}));
  // The clock standing still on that second does not throw him in again.
  e.w->PreviousSimSeconds = fall;
  e.RunAt(300, 300);
  EXPECT_EQ(std::tuple(e.Count(SoundEvent::kGoal), e.w->TargetX[1]), std::tuple(1, 120));
  // A fast step over the second still throws him in.
  Exercise fast(Activity::kManOverboard);
  std::tie(fast.w->PreviousSimSeconds, fast.w->SimSeconds) = std::tuple{fast.w->OverboardSeconds - 1, fast.w->OverboardSeconds + 1};
  EXPECT_EQ((fast.Run(), fast.Count(SoundEvent::kGoal)), 1);
  // Seconds after the fall, distance, speed in tenths: whether the pick-up ends the exercise.
  e.w->MainBackwindCopy = 99;
  for (auto [after, yards, tenths, ends] : {std::tuple{6, 0, 0, 0}, {7, 5, 0, 0}, {7, 4, 30, 0}, {7, 4, 29, 1}}) {
    e.w->PreviousSimSeconds = e.w->SimSeconds = fall + after;
    std::tie(e.w->TargetDistanceYards, e.w->BoatSpeedTenths[1]) = std::tuple{yards, tenths};
    EXPECT_EQ(e.Run(), ends) << after << "/" << yards << "/" << tenths;
  }
}

TEST(TrafficRulesLessonRules, KeepsTheCameraBack) {
  Exercise e(Activity::kTrafficRulesLesson);  // the lesson's pages: TutorialPages.TacticsPagesUseTheFarthestCameraStep
  EXPECT_EQ((e.w->CameraDistance = 1, e.Run(), e.w->CameraDistance), 3);
}

TEST(CollisionAvoidanceRules, HornWithin300CollisionWithin80CompletedBeyondTheFarGate) {
  Exercise e(Activity::kCollisionAvoidance);
  for (int k = 2; k <= 4; ++k) e.w->BoatX[k] = 1000 * k, e.w->BoatY[k] = 0;
  e.w->BoatX[3] = 299;
  EXPECT_EQ((std::pair{e.Run() + e.Run(), e.Count(SoundEvent::kApproach)}), std::pair(0, 2)) << "the horn sounds every frame";
  // A collision within 80.
  for (const auto& [x, shown] : {std::pair{80.0, 0}, {79.5, 2}}) EXPECT_EQ((e.w->BoatX[3] = x, e.Run()), shown) << x;
  // Completed beyond the far gate.
  e.w->ResultsShown = 0;
  for (const auto& [x, y, done] : {std::tuple{-3500, 0, 0}, {-3501, 49, 1}}) {
    for (int k = 2; k <= 4; ++k) e.w->BoatX[k] = x + 1000, e.w->BoatY[k] = 0;
    EXPECT_EQ(e.RunAt(x, y), done) << x;
  }
}

// Vessel placement and steaming.
TEST(MotorVessels, RangeAndSpeedFollowTheDifficulty) {
  for (const auto& [difficulty, range, speed] : {std::tuple{1, 1890, 72}, std::tuple{15, 1750, 100}}) {
    Exercise e(Activity::kCollisionAvoidance, difficulty);
    for (int k = 2; k <= 4; ++k) {
      EXPECT_NEAR(std::hypot(e.w->BoatX[k] - e.w->BoatX[1], e.w->BoatY[k] - e.w->BoatY[1]), range, 1.0) << difficulty;
      EXPECT_EQ(std::pair(e.w->VesselSpeeds[k], e.w->SceneObjectKind[10 + k]), std::pair(speed, kSceneKindVessel));
      const int bearing = BearingTo(e.w->BoatX[k] - e.w->BoatX[1], e.w->BoatY[1] - e.w->BoatY[k]);
      // Each comes from its own sector: 180-220, 255-285 and 319-359 degrees.
      EXPECT_LE(NormalizeDegrees(bearing - (k == 2 ? 180 : k == 3 ? 255 : 319)), (k == 3 ? 30 : 40) + 2) << k;
    }
    EXPECT_EQ((VesselStep(*e.w), e.w->BoatSpeedTenths[2]), speed);
  }
}

TEST(MotorVessels, VesselThreeHeadsForTheUser) {
  for (uint32_t seed = 1; seed < 30; ++seed) {
    auto w = TestWorld().Activity(Activity::kCollisionAvoidance).Seed(seed).Tables().Build();
    std::tie(w->BoatX[1], w->BoatY[1]) = std::tuple{40, -25};
    PlaceVessel(*w, 3);
    const int back = BearingTo(w->BoatX[1] - w->BoatX[3], w->BoatY[3] - w->BoatY[1]);
    EXPECT_LE(std::abs(SignedDegrees(back - w->BoatHeadings[3])), 1) << seed;
  }
}

TEST(MotorVessels, AVesselOutOfRangeIsPlacedAnew) {
  Exercise e(Activity::kCollisionAvoidance, 10);
  e.w->BoatX[4] = e.w->BoatX[1] + (200 - 10) * 10 + 1, e.w->BoatY[4] = e.w->BoatY[1];
  // Just inside the limit it steams on.
  e.w->BoatX[2] = e.w->BoatX[1] + 1899, e.w->BoatY[2] = e.w->BoatY[1];
  VesselStep(*e.w);
  EXPECT_NEAR(std::hypot(e.w->BoatX[4] - e.w->BoatX[1], e.w->BoatY[4] - e.w->BoatY[1]), (190 - 10) * 10, 1.0);
  EXPECT_DOUBLE_EQ(e.w->BoatX[2], e.w->BoatX[1] + 1899);
}

}  // namespace

// An exercise through the program's own paint and key handlers: it ends, the next paint shows
// the results instead of the frame and keeps the best, and N goes back to the title screen.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "probe_helpers.h"

namespace {

bool Contains(const std::string& s, const std::string& part) { return s.find(part) != std::string::npos; }

TEST(ResultsFlow, ADockingEndsOnTheResultsScreenAndNGoesBack) {
  const ProbeRun run = RunProbe(
      "command 32814\n"
      "key SPACE\n"
      "frames 2\n"
      "key SPACE\n"
      "frames 5\n"
      "set BoatX[1] -292\n"
      "frames 1\n"
      "get ResultsShown\n"
      "sounds\n"
      "frames 1\n"
      "texts\n"
      "get BestScores[4]\n"
      "key N\n"
      "frames 1\n"
      "get SailingState ResultsShown\n");
  ASSERT_EQ(run.exitCode, 0) << run.output;
  const std::string& out = run.output;
  EXPECT_TRUE(Contains(out, "ResultsShown=1\n"));
  // A boat barely under way lands softly.
  EXPECT_TRUE(Contains(out, "sound 10 ")) << out;
  EXPECT_TRUE(Contains(out, "\"****  結果   ****\""));
  EXPECT_TRUE(Contains(out, "\"速度: 0."));
  EXPECT_FALSE(Contains(out, "ｼﾐｭﾚｰﾀ速度")) << "the results replace the frame";
  EXPECT_TRUE(Contains(out, "BestScores[4]=")) << out;
  EXPECT_FALSE(Contains(out, "BestScores[4]=0\n")) << out;
  EXPECT_TRUE(Contains(out, "SailingState=0\nResultsShown=0\n")) << out;
}

TEST(ResultsFlow, ACollisionShowsOnlyTheCloseQuartersLine) {
  const ProbeRun run = RunProbe(
      "command 32817\n"
      "key SPACE\n"
      "frames 2\n"
      "key SPACE\n"
      "frames 2\n"
      "set BoatX[3] 40\n"
      "set BoatY[3] 0\n"
      "frames 2\n"
      "texts\n"
      "get ResultsShown BestScores[7]\n");
  ASSERT_EQ(run.exitCode, 0) << run.output;
  EXPECT_TRUE(Contains(run.output, "\"接近しすぎ　スコア 0    \"")) << run.output;
  EXPECT_FALSE(Contains(run.output, "ﾍﾞｰｽ ｽｺｱ"));
  EXPECT_TRUE(Contains(run.output, "ResultsShown=2\nBestScores[7]=0\n"));
}

// After the user's finish the coach, called on the results screen, shows the race analysis over
// it; an exercise's results take no coach.
TEST(ResultsFlow, TheCoachShowsTheRaceAnalysisOverARacesResults) {
  const std::string finish =
      "key SPACE\nframes 2\nkey SPACE\nframes 5\n"
      "set CloseHauledFrames 200\nset LiftedFrames 140\nset TotalFrames 400\nset BadAirFrames 100\n"
      "set ResultsShown 1\nframes 1\ntexts\nkey Y\nframes 1\ntexts\n";
  const ProbeRun race = RunProbe("command 32822\n" + finish);
  ASSERT_EQ(race.exitCode, 0) << race.output;
  const std::string& out = race.output;
  const std::size_t coach = out.find("ｸﾛｰｽﾎｰﾙﾄﾞでのﾘﾌﾄの風の時間の割合 : 70");
  ASSERT_NE(coach, std::string::npos) << out;
  // The results are drawn in both frames, the analysis only in the second, after them.
  const std::string title = "\"****  結果   ****\"";
  const std::size_t second = out.find(title, out.find(title) + 1);
  ASSERT_NE(second, std::string::npos) << out;
  EXPECT_LT(second, coach);
  EXPECT_TRUE(Contains(out.substr(coach), "風のシフトの使い方が良い。")) << out;
  EXPECT_TRUE(Contains(out.substr(coach), "悪い風の時間の割合 : 25")) << out;
  const ProbeRun exercise = RunProbe("command 32814\n" + finish);
  EXPECT_FALSE(Contains(exercise.output, "ﾘﾌﾄの風")) << exercise.output;
}

}  // namespace

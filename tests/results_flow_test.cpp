// An exercise through the program's own paint and key handlers: it ends, the next paint shows
// the results instead of the frame and keeps the best, and N goes back to the title screen.
#include <gtest/gtest.h>

#include <string>

#include "probe_helpers.h"

namespace {

bool Contains(const std::string& s, const std::string& part) { return s.find(part) != std::string::npos; }
const std::string kStart = "key SPACE\nframes 2\nkey SPACE\n";

TEST(ResultsFlow, ADockingEndsOnTheResultsScreenAndNGoesBack) {
  const ProbeRun run = RunProbe("command 32814\n" + kStart + "frames 5\nset BoatX[1] -292\nframes 1\nget ResultsShown\n"
                                "sounds\nframes 1\ntexts\nget BestScores[4]\nkey N\nframes 1\nget SailingState ResultsShown\n");
  ASSERT_EQ(run.exitCode, 0) << run.output;
  const std::string& out = run.output;
  EXPECT_TRUE(Contains(out, "ResultsShown=1\n"));
  EXPECT_TRUE(Contains(out, "sound 10 ")) << out;  // a boat barely under way lands softly
  EXPECT_TRUE(Contains(out, "\"****  結果   ****\""));
  EXPECT_TRUE(Contains(out, "\"速度: 0."));
  EXPECT_FALSE(Contains(out, "ｼﾐｭﾚｰﾀ速度")) << "the results replace the frame";
  EXPECT_TRUE(Contains(out, "BestScores[4]=") && !Contains(out, "BestScores[4]=0\n")) << out;
  EXPECT_TRUE(Contains(out, "SailingState=0\nResultsShown=0\n")) << out;
}

TEST(ResultsFlow, ACollisionShowsOnlyTheCloseQuartersLine) {
  const ProbeRun run = RunProbe("command 32817\n" + kStart +
                                "frames 2\nset BoatX[3] 40\nset BoatY[3] 0\nframes 2\ntexts\nget ResultsShown BestScores[7]\n");
  ASSERT_EQ(run.exitCode, 0) << run.output;
  EXPECT_TRUE(Contains(run.output, "\"接近しすぎ　スコア 0    \"")) << run.output;
  EXPECT_FALSE(Contains(run.output, "ﾍﾞｰｽ ｽｺｱ"));
  EXPECT_TRUE(Contains(run.output, "ResultsShown=2\nBestScores[7]=0\n"));
}

// After the user's finish the coach, called on the results screen, shows the race analysis over
// it; an exercise's results take no coach.
TEST(ResultsFlow, TheCoachShowsTheRaceAnalysisOverARacesResults) {
  const std::string finish = kStart + "frames 5\nset CloseHauledFrames 200\nset LiftedFrames 140\nset TotalFrames 400\n"
                             "set BadAirFrames 100\nset ResultsShown 1\nframes 1\ntexts\nkey Y\nframes 1\ntexts\n";
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
  EXPECT_TRUE(Contains(out.substr(coach), "風のシフトの使い方が良い。") && Contains(out.substr(coach), "悪い風の時間の割合 : 25")) << out;
  EXPECT_FALSE(Contains(RunProbe("command 32814\n" + finish).output, "ﾘﾌﾄの風"));
}

}  // namespace

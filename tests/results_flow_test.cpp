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

}  // namespace

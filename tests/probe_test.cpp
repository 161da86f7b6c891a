// The probe's commands, output forms and exit codes.
#include <gtest/gtest.h>

#include "probe_helpers.h"
#include "state/names.h"
#include "test_world.h"

namespace {

TEST(Probe, SetGetAndArrays) {
  auto run = RunProbe("set BoatX[1] 120.5\nset Difficulty 15.9\nget BoatX[1] Difficulty BestScores[15]\n");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.output, "BoatX[1]=120.5\nDifficulty=15\nBestScores[15]=0\n");
}

TEST(Probe, ErrorsAreReportedAndFailTheScript) {
  for (const char* bad : {"get NoSuchThing\n", "get BoatX\n", "get BoatX[11]\n", "get BoatX[1][2]\n",
                          "set Difficulty x\n", "frames -1\n", "fly away\n", "until SimTime ~ 3 10\n",
                          "key ENTERKEY\n", "command 1\n"}) {
    auto run = RunProbe(bad);
    EXPECT_EQ(run.exitCode, 2) << bad;
    EXPECT_EQ(run.output.rfind("error: ", 0), 0u) << bad << run.output;
  }
  auto mixed = RunProbe("get Nope\nget Difficulty\n");
  EXPECT_EQ(mixed.exitCode, 2);
  EXPECT_NE(mixed.output.find("Difficulty=7"), std::string::npos);
}

TEST(Probe, UntilCountsFramesOrTimesOut) {
  // The sportboat's time scale is 1; the activity's instruction box holds the time until it
  // is closed.
  auto run = RunProbe("set BoatType 13\nset SailingState 1\nframes 1\nset InstructionPage 0\n"
                      "until SimSeconds >= 2 100\nuntil SimTime < 0 5\n# a comment\n");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.output, "until: 10 frames\nuntil: timeout\n");
}

TEST(Probe, MenuStopsPaintsUntilACommand) {
  auto run = RunProbe("set BoatType 13\nset SailingState 1\nframes 1\nset InstructionPage 0\nframes 5\n"
                      "paints\nmenu\nframes 5\npaints\nget SimSeconds\ncommand 32776\nframes 2\npaints\n");
  EXPECT_EQ(run.output, "paints=6\npaints=6\nSimSeconds=1\npaints=8\n");
}

}  // namespace

TEST(Names, EveryGlobalHasOneHome) {
  EXPECT_TRUE(Names().Duplicates().empty()) << Names().Duplicates().front();
  auto w = TestWorld().Build();
  EXPECT_TRUE(Names().Resolve(*w, "SceneryOutlineX[3][12]").has_value());
}

TEST(Probe, AKeyThatRedrawsAPageOnceGetsOnePaint) {
  // A tutorial page is shown and the loop is stopped: A advances the animation and the probe
  // paints exactly one frame for it, as the window does.
  auto run = RunProbe("set SailingState 2\nframes 1\nset InstructionPage 101\nset TutorialStepCount 3\n"
                      "menu\nkey A\nframes 5\npaints\nget TutorialStep RepaintSuspended\n");
  EXPECT_EQ(run.output, "paints=2\nTutorialStep=1\nRepaintSuspended=1\n");
}

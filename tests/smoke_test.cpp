#include <gtest/gtest.h>
#include "probe_helpers.h"
TEST(Smoke, ScreenMetrics) {
  auto r = RunProbe("get ScreenWidth ScreenHeight ScaleX ScaleY ViewHeight\n");
  EXPECT_EQ(r.output, "ScreenWidth=1280\nScreenHeight=768\nScaleX=2\nScaleY=1.6\nViewHeight=720\n");
}

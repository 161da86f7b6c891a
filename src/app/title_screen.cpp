// The title and options screen: the hint, the banner, the turning boat in its circle and the
// line of chosen options.
#include "app/title_screen.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "boat/boat_family.h"
#include "draw/palette.h"
#include "instruction/page_dispatcher.h"
#include "state/activity.h"
#include "state/angles.h"
#include "state/world.h"
#include "view3d/boat_drawing.h"

namespace {

struct TypeLabel {
  int boatType;
  const char* text;
};

constexpr TypeLabel kTypeLabels[] = {
    {1, "艇種: OPディンギー        "},
    {2, "艇種: 一人乗りディンギー    "},
    {4, "艇種: 二人乗りディンギー    "},
    {6, "艇種: スピン付きディンギー      "},
    {7, "艇種: スキフ    "},
    {9, "艇種: クルージングスループ"},
    {10, "艇種: カタマラン    "},
    {11, "艇種: オフショアカタマラン   "},
    {12, "艇種: キールボート "},
    {13, "艇種: スポートボート "},
    {14, "艇種: オフショアレーサー "},
    {15, "艇種: スコー   "},
};

constexpr const char* kAreaLabels[] = {"セーリング: 海岸沿い     ", "セーリング: 島々     ", "セーリング: 湖    ", "セーリング: 河川   "};

// Activities 1..8.
constexpr const char* kSkillLabels[] = {
    "セーリングスキル: 操舵  ",
    "セールトリムの教習",
    "セーリングスキル: 上り ",
    "セーリングスキル: 係留 ",
    "セーリングスキル: 着艇 ",
    "セーリングスキル: 落水救助   ",
    "海上交通ルールの教習      ",
    "セーリングスキル: 衝突回避    ",
};

constexpr const char* kWindLabels[] = {"順風　シフトなし        ", "軽風      ", "順風         ", "強風       "};

const char* LessonOrRaceLabel(const World& w) {
  switch (w.ActivityMode) {
    case Activity::kRacingRulesLesson: return "レースルールの教習   ";
    case Activity::kSailShapeLesson: return "セール形状調節の教習 ";
    case Activity::kTacticsLesson: return "戦術の教習      ";
    case Activity::kJustStartRace: return w.JustStartCourseUpDown == 1 ? "ジャストスタート　上下コース       " : "ジャストスタート　三角コース ";
    case Activity::kTriangleRace: return "三角コース     ";
    case Activity::kWindwardLeewardRace: return "上下コース           ";
    default: return nullptr;
  }
}

const char* DisplacementLabel(int displacementClass) {
  if (displacementClass >= 11) return "重排水量          ";
  if (displacementClass == 10) return "中間排水量           ";
  if (displacementClass == 9) return "軽排水量          ";
  return "超軽排水量              ";
}

const char* SailAreaLabel(int sailAreaClass) {
  if (sailAreaClass < 10) return "標準より小さなセール  ";
  if (sailAreaClass == 10) return "標準的セール面積 ";
  return "標準より大きいセール  ";
}

void Text(World& w, Canvas& c, int x, int y, Color color, const std::string& text) {
  c.SetTextColor(palette::Ink(w, color, palette::kBlack));
  c.TextOut(x, y, text);
}

// The user's boat in the fixed pose of the title: close-hauled on starboard tack, crew hiked.
void WriteTitlePose(World& w) {
  w.BoatHeadings[1] = 315;
  w.BoatTack[1] = 1;
  w.TrueWindAngles[1] = 45;
  w.WindDirectionAtBoat[1] = 0;
  w.HeelAngles[1] = 15;
  w.WindSpeedAtBoat[1] = 15;
  w.SailAngles[1] = 2;
  w.BoatSpeeds[1] = 60;
  w.BoatSpeedTenths[1] = 60;
  w.SpinnakerFlying[1] = 0;
  w.JibSheet = 0;
  w.SkipperHike = w.Crew1Hike = w.Crew2Hike = 2;
}

}  // namespace

void OptionsSummary(World& w, Canvas& c, int y) {
  c.SetFont(FontRole::Normal);
  c.SetTextOpaque(true);
  c.SetBackColor(palette::kWhite);
  Text(w, c, 15, y - 20, palette::kBlack, "主要ｵﾌﾟｼｮﾝ:   ");
  DrawBoatSwatch(w, c, 15 + c.TextWidth("主要ｵﾌﾟｼｮﾝ:   ") + 4, y - 18, 1);

  for (const TypeLabel& t : kTypeLabels) {
    if (t.boatType == w.BoatType) Text(w, c, 15, y, palette::kBlack, t.text);
  }
  Text(w, c, w.ViewWidth / 4, y, palette::kNavy, "難易度: " + std::to_string(w.Difficulty));

  const int activityX = w.ViewWidth * 2 / 5;
  if (IsFreeSailing(w.ActivityMode)) {
    if (w.SailingArea >= 1 && w.SailingArea <= 4) {
      Text(w, c, activityX, y, palette::kDarkGreen, kAreaLabels[w.SailingArea - 1]);
    }
  } else if (IsSailingSkill(w.ActivityMode)) {
    Text(w, c, activityX, y, palette::kOlive, kSkillLabels[w.ActivityMode - Activity::kSteering]);
  } else if (const char* label = LessonOrRaceLabel(w)) {
    Text(w, c, activityX, y, palette::kMaroon, label);
  }
  if (w.WindSetting >= 0 && w.WindSetting <= 3) {
    Text(w, c, w.ViewWidth * 7 / 10, y, palette::kBlue, kWindLabels[w.WindSetting]);
  }

  // The design row belongs to the three boat types shaped by the Design dialog.
  const bool designed = HasFixedKeel(w.HullClass) && !w.IsSportboat && !w.IsScow;
  if (designed && w.InstructionPage == 0) {
    Text(w, c, 15, y + 20, palette::kBlue, "長さ  = " + std::to_string(w.ScaleLength));
    Text(w, c, w.ViewWidth / 4, y + 20, palette::kBlue, DisplacementLabel(w.DisplacementClass));
    Text(w, c, w.ViewWidth * 2 / 4 + 10, y + 20, palette::kBlue, SailAreaLabel(w.SailAreaClass));
    Text(w, c, w.ViewWidth * 3 / 4 + 10, y + 20, palette::kBlue,
         w.RigHeightPercent < 100 ? "ﾌﾗｸｼｮﾅﾙﾘｸﾞ    " : "ﾏｽﾄﾍｯﾄﾞﾘｸﾞ  ");
  }
}

void DrawTitleScreen(World& w, Canvas& canvas) {
  w.SimSeconds = 0;
  w.FrameStartTick = NowMs(w);
  const bool mono = w.Monochrome != 0;

  canvas.SetPen(palette::kBlack);
  canvas.SetBrush(palette::kWhite);
  canvas.Rectangle(0, 0, w.ViewWidth, w.ViewHeight);

  canvas.SetFont(FontRole::Normal);
  canvas.SetTextOpaque(true);
  canvas.SetBackColor(palette::kWhite);
  Text(w, canvas, 5, 5, palette::kMaroon, "ｵﾌﾟｼｮﾝを選んで、ｺﾝﾄﾛｰﾙﾒﾆｭｰからｽﾀｰﾄを選ぶかｽﾍﾟｰｽﾊﾞｰを押す        ");

  // The banner is sized to end where the trademark mark stands, whose place follows the menu
  // font. The paint handler's sizes of the other two roles are kept.
  const int bannerY = w.ViewHeight / 4;
  const int bannerWidth = w.LargeMenuFont && w.ViewWidth >= 700 ? 340 : 280;
  const int normalSize = std::max(11, w.ViewHeight / 45 + 1), smallSize = std::max(9, w.ViewHeight / 60);
  canvas.SetFontSizes(normalSize, 40, smallSize);
  canvas.SetFont(FontRole::Banner);
  const int wanted = bannerWidth - w.ViewHeight / 18 - 2;
  const int measured = std::max(1, canvas.TextWidth("  BRISAMAR  "));
  canvas.SetFontSizes(normalSize, std::clamp(40 * wanted / measured, 12, 36), smallSize);
  canvas.SetBackColor(palette::Pick(mono, palette::kBlue, palette::kWhite));
  Text(w, canvas, 7, bannerY, palette::kYellow, "  BRISAMAR  ");
  canvas.SetBackColor(palette::kWhite);

  canvas.SetFont(FontRole::Small);
  Text(w, canvas, 7 + bannerWidth - w.ViewHeight / 18 + 2, bannerY - w.ViewHeight / 100, palette::kBlack, "TM");
  canvas.SetFont(FontRole::Normal);
  Text(w, canvas, 7, bannerY + 40, palette::kBlue, "2009 Ed. Rel. 4J");
  canvas.SetTextColor(palette::Pick(mono, palette::kNavy, palette::kBlack));

  const int cx = (static_cast<int>(w.ViewWidthF * 0.95) - static_cast<int>(w.ViewWidthF * -0.5)) / 2;
  const int cy = (w.ViewHeight / 6 + w.ViewHeight * 3 / 4) / 2;
  const int r = 5 * (w.ViewHeight * 3 / 4 - cy) / 4;
  canvas.SetPen(palette::Pick(mono, palette::kTitleCircleEdge, palette::kBlack), 2);
  canvas.SetBrush(palette::Pick(mono, palette::kTitleCircle, palette::kWhite));
  canvas.Ellipse(cx - r, cy - r, cx + r, cy + r);

  w.TitleViewAngle += 0.2;
  if (w.TitleViewAngle > 359) w.TitleViewAngle = 0;
  WriteTitlePose(w);
  const int savedZoom = w.CameraDistance;
  const int savedMode = w.IllustrationMode;
  w.CameraDistance = 3;
  w.IllustrationMode = 1;
  w.ViewDirection = NormalizeDegrees(static_cast<int>(w.TitleViewAngle));
  DrawBoat(w, canvas, cx, cy + r * 45 / 100, 1, 1, w.ViewHeight, 0);
  w.CameraDistance = savedZoom;
  w.IllustrationMode = savedMode;

  OptionsSummary(w, canvas, w.ViewHeight - 120);
  if (w.InstructionPage > 600) DrawInstructionPage(w, canvas);
  w.MinFrameMs = 100;
}

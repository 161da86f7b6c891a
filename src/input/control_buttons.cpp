#include "input/control_buttons.h"

#include <algorithm>
#include <span>

#include "boat/boat_family.h"
#include "boat/boat_setup.h"
#include "draw/palette.h"
#include "input/command_actions.h"
#include "sound/sound_events.h"
#include "state/activity.h"
#include "state/hull_class.h"
#include "state/sound_event.h"
#include "state/world.h"

namespace {

struct ControlButton {
  const char* label = nullptr;
  const char* (*labelFor)(const World&) = nullptr;  // a label that follows the state
  bool (*shown)(const World&) = nullptr;            // null: always shown
  bool (*on)(const World&) = nullptr;               // its setting is on: a black label
  void (*act)(World&) = nullptr;
  int help = kHelpPrompt;
  int (*helpFor)(const World&) = nullptr;  // a help text that follows the state
  Color color = palette::kYellow;
  // A hidden button leaves its row empty instead of letting the next one move up, so that a
  // click aimed at it cannot land on another button.
  bool keepsRow = false;
};

constexpr Color kSheetLabel = palette::kYellow;
constexpr Color kTrimLabel = palette::kCyan;
constexpr Color kPowerLabel = palette::kYellow;
constexpr Color kCrewLabel = palette::kYellow;
constexpr Color kViewLabel = palette::kCyan;

bool SpinnakerUp(const World& w) { return w.SpinnakerFlying[1] == 1; }

// --- Sheet group -------------------------------------------------------------------------

void JibSheetBy(World& w, int d) {
  w.JibSheet = std::clamp(w.JibSheet + d, 0, 24);
  w.JibAutoTrimActive = 0;
  PlaySoundEvent(w, d < 0 ? 1 : 2);
}

void SpinnakerSheetBy(World& w, int d) {
  w.SpinnakerSheet = std::clamp(w.SpinnakerSheet + d, 0, 24);
  w.SpinnakerAutoTrimActive = 0;
  PlaySoundEvent(w, d < 0 ? 1 : 2);
}

void GuyBy(World& w, int d) {
  w.GuyAngle = std::clamp(w.GuyAngle + d, 5, 90);
  w.GuyAutoTrimActive = 0;
  PlaySoundEvent(w, d > 0 ? SoundEvent::kSheetIn : SoundEvent::kSheetOut);
}

bool GuyButtonsShown(const World& w) {
  return SpinnakerUp(w) && w.IsSkiff == 0 && w.IsSportboat == 0 && w.IsOffshoreCatamaran == 0;
}

const ControlButton kSheetButtons[] = {
    {.label = "ﾒｲﾝｲﾝ",
     .act =
         [](World& w) {
           StepMainSheet(w, -1.0);
           PlaySoundEvent(w, SoundEvent::kSheetIn);
         },
     .help = kHelpMainIn},
    {.label = "ﾒｲﾝｱｳﾄ",
     .act =
         [](World& w) {
           StepMainSheet(w, 1.0);
           PlaySoundEvent(w, SoundEvent::kSheetOut);
         },
     .help = kHelpMainOut},
    {.label = "ｵｰﾄﾒｲﾝ",
     .shown = [](const World& w) { return w.ActivityMode != Activity::kSailTrimLesson && w.MainAutoTrimOff == 0; },
     .on = [](const World& w) { return w.MainAutoTrimActive == 1; },
     .act = [](World& w) { Toggle(w.MainAutoTrimActive); },
     .help = kHelpAutoMain},
    {.label = "ｼﾞﾌﾞｲﾝ", .shown = HasJib, .act = [](World& w) { JibSheetBy(w, -1); }, .help = kHelpJibIn},
    {.label = "ｼﾞﾌﾞｱｳﾄ", .shown = HasJib, .act = [](World& w) { JibSheetBy(w, 1); }, .help = kHelpJibOut},
    {.label = "ｵｰﾄｼﾞﾌﾞ",
     .shown = [](const World& w) { return HasJib(w) && w.ActivityMode != Activity::kSailTrimLesson; },
     .on = [](const World& w) { return w.JibAutoTrimActive == 1; },
     .act = [](World& w) { Toggle(w.JibAutoTrimActive); },
     .help = kHelpAutoJib},
    {.label = "ﾄﾗﾍﾞﾗ上",
     .shown = [](const World& w) { return w.HasTraveller == 1; },
     .act = [](World& w) { w.Traveller = std::max(w.Traveller - 1, 0); },
     .help = kHelpTravellerUp},
    {.label = "ﾄﾗﾍﾞﾗ下",
     .shown = [](const World& w) { return w.HasTraveller == 1; },
     .act = [](World& w) { w.Traveller = std::min(w.Traveller + 1, 4); },
     .help = kHelpTravellerDown},
    {.label = "ｽﾋﾟﾝｲﾝ", .shown = SpinnakerUp, .act = [](World& w) { SpinnakerSheetBy(w, -1); }, .help = kHelpSpinnakerIn},
    {.label = "ｽﾋﾟﾝｱｳﾄ", .shown = SpinnakerUp, .act = [](World& w) { SpinnakerSheetBy(w, 1); }, .help = kHelpSpinnakerOut},
    {.label = "自動ｽﾋﾟﾝ",
     .shown = [](const World& w) { return SpinnakerUp(w) && w.ActivityMode != Activity::kSailTrimLesson; },
     .on = [](const World& w) { return w.SpinnakerAutoTrimActive == 1 && w.GuyAutoTrimActive == 1; },
     .act = [](World& w) { w.SpinnakerAutoTrimActive = w.GuyAutoTrimActive = 1; },
     .help = kHelpAutoSpinnaker},
    // Pulling the guy in brings the pole aft.
    {.label = "ｶﾞｲｲﾝ", .shown = GuyButtonsShown, .act = [](World& w) { GuyBy(w, 10); }, .help = kHelpGuyIn},
    {.label = "ｶﾞｲｱｳﾄ", .shown = GuyButtonsShown, .act = [](World& w) { GuyBy(w, -10); }, .help = kHelpGuyOut},
};

// --- Automatic trim and manoeuvres -------------------------------------------------------

bool AllAutoOn(const World& w) {
  const bool headSails = w.JibAutoTrimActive == 1 && w.SpinnakerAutoTrimActive == 1 && w.GuyAutoTrimActive == 1;
  return headSails && (w.MainAutoTrimActive == 1 || w.MainAutoTrimOff == 1);
}

// Unlike the menu command and the S key, the button leaves the guy to its automatic trim.
void AllSheetsOutKeepingGuy(World& w) {
  w.MainSheet = 47.0;
  w.JibSheet = w.SpinnakerSheet = 24;
  w.MainAutoTrimActive = w.JibAutoTrimActive = w.SpinnakerAutoTrimActive = 0;
}

bool SpinnakerButtonShown(const World& w) {
  return IsSpinnakerBoat(w) && w.ActivityMode != Activity::kUpwind && w.ActivityMode != Activity::kMooring;
}

bool WingButtonShown(const World& w) {
  if (w.HullClass == Hull::kTwoPerson || w.HullClass == Hull::kCatamaran) return true;
  return HasJib(w) && (w.ActivityMode == Activity::kUpwind || w.ActivityMode == Activity::kMooring);
}

const char* WingLabel(const World& w) {
  if (w.TrueWindAngles[1] > 90) return w.WingOnWing == 1 ? "ｳｨｽｶ納" : "ｳｨｽｶ";
  return w.WingOnWing == 1 ? "順ｼﾞﾌﾞ" : "逆ｼﾞﾌﾞ";
}

const char* SpinnakerLabel(const World& w) {
  if (!SpinnakerUp(w)) return "ｽﾋﾟﾝ上ﾙ";
  return HelpLineInPanel(w) ? "ｽﾋﾟﾝﾀﾞｳﾝ" : "ｽﾋﾟﾝ下ｽ";
}

bool AutopilotOn(const World& w) { return w.AutopilotOff != 1; }

const ControlButton kTrimButtons[] = {
    {.label = "全自動",
     .on = AllAutoOn,
     .act =
         [](World& w) {
           if (w.MainAutoTrimOff == 0) w.MainAutoTrimActive = 1;
           w.JibAutoTrimActive = w.SpinnakerAutoTrimActive = w.GuyAutoTrimActive = 1;
         },
     .helpFor = [](const World& w) -> int { return w.MainAutoTrimOff == 1 ? kHelpAllAutoHeadSails : kHelpAllAuto; },
     .color = kTrimLabel},
    {.label = "全ｼｰﾄ出", .act = AllSheetsOutKeepingGuy, .help = kHelpAllSheetsOut, .color = kTrimLabel},
    // The spinnaker and the wing-on-wing jib are never offered together: one row serves both.
    {.labelFor = [](const World& w) { return SpinnakerButtonShown(w) ? SpinnakerLabel(w) : WingLabel(w); },
     .shown = [](const World& w) { return SpinnakerButtonShown(w) || WingButtonShown(w); },
     .on = [](const World& w) { return !SpinnakerButtonShown(w) && w.WingOnWing == 1; },
     .act =
         [](World& w) {
           if (SpinnakerButtonShown(w)) {
             Toggle(w.SpinnakerSetCommand);
           } else {
             Toggle(w.WingOnWing);
           }
         },
     .helpFor =
         [](const World& w) -> int {
           if (SpinnakerButtonShown(w)) return SpinnakerUp(w) ? kHelpSpinnakerDown : kHelpSpinnakerUp;
           return SpinnakerUp(w) ? kHelpJibToLeeward : kHelpJibToWindward;
         },
     .color = kTrimLabel},
    {.labelFor = [](const World& w) { return NarrowButtonScreen(w) ? "ｸﾛｰｽ" : "ｸﾛｰｽﾎｰﾙﾄﾞ"; },
     .shown = [](const World& w) { return AutopilotOn(w) && w.ActivityMode != Activity::kUpwind; },
     .on = [](const World& w) { return w.HoldCloseHauled == 1 || w.AutoManoeuvre == -1; },
     .act = CommandCloseHauled,
     .help = kHelpCloseHauled,
     .color = kTrimLabel,
     .keepsRow = true},
    {.label = "ﾀｯｸ",
     .shown = AutopilotOn,
     .on = [](const World& w) { return w.AutoManoeuvre == 1; },
     .act = CommandTack,
     .help = kHelpTack,
     .color = kTrimLabel,
     .keepsRow = true},
    {.label = "ﾌﾗｯﾄ",
     .on = [](const World& w) { return w.SailPowerPreset == 1; },
     .act = [](World& w) { ApplySailPowerPreset(w, 1); },
     .help = kHelpFlat,
     .color = kPowerLabel},
    {.label = "中",
     .on = [](const World& w) { return w.SailPowerPreset == 2; },
     .act = [](World& w) { ApplySailPowerPreset(w, 2); },
     .help = kHelpMiddlePower,
     .color = kPowerLabel},
    {.label = "ﾊﾞｷﾞｰ",
     .on = [](const World& w) { return w.SailPowerPreset == 3; },
     .act = [](World& w) { ApplySailPowerPreset(w, 3); },
     .help = kHelpBaggy,
     .color = kPowerLabel},
};

// --- Crew --------------------------------------------------------------------------------

// The cruising sloop, the offshore racer and the offshore catamaran keep their crew still,
// and so do the two sail lessons.
bool CrewMoves(const World& w) { return IsCrewBoat(w) && !IsSailLesson(w.ActivityMode); }

void HikeBy(World& w, int d) {
  const auto step = [d](int32_t& hike) { hike = std::clamp(hike + d, -2, 2); };
  if (w.HullClass == Hull::kSingleHander) {
    step(w.SkipperHike);
    return;
  }
  step(w.Crew1Hike);
  if (HasSecondCrew(w)) step(w.Crew2Hike);
}

bool VangButtonsShown(const World& w) { return w.IsCatamaran == 0; }

const ControlButton kCrewButtons[] = {
    {.label = "ﾊｲｸ",
     .shown = CrewMoves,
     .on =
         [](const World& w) {
           return w.SkipperHike == 2 && (!HasJib(w) || w.Crew1Hike == 2) && (!HasSecondCrew(w) || w.Crew2Hike == 2);
         },
     .act =
         [](World& w) {
           w.SkipperHike = 2;
           if (HasJib(w)) w.Crew1Hike = 2;
           if (HasSecondCrew(w)) w.Crew2Hike = 2;
         },
     .help = kHelpHikeAll,
     .color = kCrewLabel},
    {.labelFor = [](const World& w) { return w.HullClass == Hull::kSingleHander ? "ｽｷｯﾊﾟ上" : "ｸﾙｰ 上"; },
     .shown = CrewMoves,
     .act = [](World& w) { HikeBy(w, 1); },
     .help = kHelpCrewUp,
     .color = kCrewLabel},
    {.labelFor = [](const World& w) { return w.HullClass == Hull::kSingleHander ? "ｽｷｯﾊﾟ下" : "ｸﾙｰ 下"; },
     .shown = CrewMoves,
     .act = [](World& w) { HikeBy(w, -1); },
     .help = kHelpCrewDown,
     .color = kCrewLabel},
    {.label = "前",
     .shown = CrewMoves,
     .on = [](const World& w) { return w.CrewForeAft == -1; },
     .act = [](World& w) { w.CrewForeAft = -1; },
     .help = kHelpCrewForward,
     .color = kCrewLabel},
    {.label = "中",
     .shown = CrewMoves,
     .on = [](const World& w) { return w.CrewForeAft == 0; },
     .act = [](World& w) { w.CrewForeAft = 0; },
     .help = kHelpCrewMiddle,
     .color = kCrewLabel},
    {.label = "後",
     .shown = CrewMoves,
     .on = [](const World& w) { return w.CrewForeAft == 1; },
     .act = [](World& w) { w.CrewForeAft = 1; },
     .help = kHelpCrewAft,
     .color = kCrewLabel},
    {.label = "ﾊﾞﾝｸﾞT",
     .shown = VangButtonsShown,
     .on = [](const World& w) { return w.Vang == 3; },
     .act = [](World& w) { w.Vang = 3; },
     .help = kHelpVangTight,
     .color = kCrewLabel},
    {.label = "ﾊﾞﾝｸﾞM",
     .shown = VangButtonsShown,
     .on = [](const World& w) { return w.Vang == 2; },
     .act = [](World& w) { w.Vang = 2; },
     .help = kHelpVangMiddle,
     .color = kCrewLabel},
};

// --- View --------------------------------------------------------------------------------

const ControlButton kViewButtons[] = {
    {.label = "前方",
     .on = [](const World& w) { return w.LookAngle == 0; },
     .act = [](World& w) { w.LookAngle = 0; },
     .help = kHelpLookAhead,
     .color = kViewLabel},
    {.label = "左", .act = [](World& w) { w.LookAngle += 30; }, .help = kHelpLookLeft, .color = kViewLabel},
    {.label = "右", .act = [](World& w) { w.LookAngle -= 30; }, .help = kHelpLookRight, .color = kViewLabel},
    {.label = "後ろ",
     .on = [](const World& w) { return w.LookAngle == 180; },
     .act = [](World& w) { w.LookAngle = 180; },
     .help = kHelpLookAstern,
     .color = kViewLabel},
    {.label = "zm in",
     .act = [](World& w) { w.CameraDistance = std::max(w.CameraDistance - 1, 1); },
     .helpFor = [](const World& w) -> int { return w.CameraDistance == 4 ? kHelpViewLower : kHelpViewCloser; },
     .color = kViewLabel},
    {.label = "zm out",
     .act = [](World& w) { w.CameraDistance = std::min(w.CameraDistance + 1, 4); },
     .helpFor = [](const World& w) -> int { return w.CameraDistance == 3 ? kHelpViewHigher : kHelpViewFarther; },
     .color = kViewLabel},
    {.labelFor = [](const World& w) { return w.ViewWidth > 900 && w.LargeMenuFont == 0 ? "セール透明" : "ｾｰﾙ透明"; },
     .on = [](const World& w) { return w.MainTransparent == 1 || w.AllSailsTransparent == 1; },
     .act = CycleTransparency,
     .help = kHelpTransparent,
     .color = kViewLabel},
};

// Stacks the shown buttons from firstRow down, one line each, squeezing the rows when the
// column is too short for all of them.
int DrawButtonColumn(World& w, Canvas& canvas, const ButtonGroupBox& box, int firstRow,
                     std::span<const ControlButton> buttons) {
  const auto shown = [&w](const ControlButton& b) { return !b.shown || b.shown(w); };
  int rows = 0;
  for (const ControlButton& b : buttons) rows += shown(b) || b.keepsRow ? 1 : 0;
  if (rows == 0) return firstRow;
  const int pitch = std::max(1, std::min(box.lineHeight, (box.bottom - firstRow) / rows));
  canvas.SetFont(FontRole::Small);
  canvas.SetTextOpaque(false);
  int top = firstRow;
  for (const ControlButton& b : buttons) {
    if (!shown(b)) {
      if (b.keepsRow) top += pitch;
      continue;
    }
    const int bottom = top + pitch;
    DrawButtonFrame(w, canvas, box.left, top, box.right, bottom);

    const char* label = b.labelFor ? b.labelFor(w) : b.label;
    const bool on = b.on && b.on(w);
    canvas.SetTextColor(on ? palette::kBlack : palette::Ink(w, b.color, palette::kWhite));
    const int x = box.left + std::max(2, (box.right - box.left - canvas.TextWidth(label)) / 2);
    canvas.TextOut(x, top + (pitch - canvas.LineHeight()) / 2, label);

    if (ClickInside(w, box.left, top, box.right, bottom)) {
      b.act(w);
      w.ClickY = 0;
    }
    if (PointerInside(w, box.left, top, box.right, bottom)) w.ButtonHelpLine = b.helpFor ? b.helpFor(w) : b.help;
    top = bottom;
  }
  canvas.SetTextOpaque(true);
  canvas.SetFont(FontRole::Normal);
  return top;
}

// Two eyes whose irises look where the view looks: left while LookAngle is above 0 (but not
// straight astern), right while it is below.
void DrawEyes(const World& w, Canvas& canvas, const Rect& area) {
  const int eyeWidth = area.Width() / 2 - 2;
  const int shift = w.LookAngle > 0 && w.LookAngle != 180 ? -eyeWidth / 4 : w.LookAngle < 0 ? eyeWidth / 4 : 0;
  const int iris = std::max(4, area.Height() * 3 / 5);
  const int pupil = std::max(2, iris / 2);
  for (int e = 0; e < 2; ++e) {
    const int left = area.left + 1 + e * (eyeWidth + 2);
    canvas.SetPen(palette::kBlack);
    canvas.SetBrush(palette::kWhite);
    canvas.Ellipse(left, area.top, left + eyeWidth, area.bottom);
    const int cx = left + eyeWidth / 2 + shift;
    const int cy = (area.top + area.bottom) / 2;
    canvas.SetBrush(palette::Ink(w, palette::kEyeIris, palette::kGrey));
    canvas.Ellipse(cx - iris / 2, cy - iris / 2, cx + iris - iris / 2, cy + iris - iris / 2);
    canvas.SetBrush(palette::kBlack);
    canvas.Ellipse(cx - pupil / 2, cy - pupil / 2, cx + pupil - pupil / 2, cy + pupil - pupil / 2);
  }
}

const char* const kHelpTexts[kHelpCount] = {
    "ｺﾝﾄﾛｰﾙﾎﾞﾀﾝの説明がここに表示される      ",
    "  シミュレータスピードを１段階速くする",
    "  シミュレータスピードを１段階遅くする",
    "メインシートを少し引く",
    "メインシートを少し出す",
    "メインシートをコンピュータが調節する",
    "ジブシートを少し引く",
    "ジブシートを少し出す",
    "ジブシートをコンピュータが調節する",
    "トラベラを1/4上に",
    "トラベラを1/4下に",
    "スピンシートを少し引く",
    "スピンシートを少し出す",
    "ｽﾋﾟﾝｼｰﾄとｶﾞｲをｺﾝﾋﾟｭｰﾀが調節する",
    "ポールを少し後ろに",
    "ポールを少し前に",
    "全シートとガイをコンピュータが調節する",
    "ﾍｯﾄﾞｾｰﾙのｼｰﾄとｶﾞｲをｺﾝﾋﾟｭｰﾀが調節する",
    "全シートを出し切る",
    "スピンを上げる",
    "スピンをおろす",
    "ジブを風上に",
    "ジブを風下に",
    "クロースホールドに",
    "タックしてクロースホールドに",
    "メインセールをパワー最小の形状に",
    "メインセールを中間のパワーの形状に",
    "メインセールをパワー最大の形状に",
    "全員が最も風上に移動",
    "クルーが風上に移動",
    "クルーが風下に移動",
    "クルーが前に移動",
    "クルーが前後の中間に移動",
    "クルーが後ろに移動",
    "ブームバングを締める",
    "ブームバングを中間に",
    "視線を前方に",
    "選択毎に視線を30度左に移動する",
    "選択毎に視線を30度右に移動する",
    "後ろを見る",
    "視点を下げる",
    "視点を艇に近づける",
    "視点を高くする",
    "視点を艇から離す",
    "セールを透明に",
};

int Truncated(double v) { return static_cast<int>(v); }

// The dials at the foot of the sailing view reach this far up, their labels included.
constexpr int kDialsHeight = 40;

}  // namespace

const char* ButtonHelpText(int help) { return help >= 0 && help < kHelpCount ? kHelpTexts[help] : kHelpTexts[0]; }

bool HelpLineInPanel(const World& w) {
  return w.ViewWidth > 900 || (w.ViewWidth > 700 && w.LargeMenuFont == 0);
}

bool NarrowButtonScreen(const World& w) {
  return w.ViewWidth < 700 || (w.ViewWidth < 900 && w.LargeMenuFont == 1);
}

void DrawButtonFrame(const World& w, Canvas& canvas, int left, int top, int right, int bottom) {
  const int radius = w.ViewWidth >= 750 ? 15 : 10;
  canvas.SetPen(palette::kButtonEdge);
  canvas.SetBrush(palette::Ink(w, palette::kButtonFace, palette::kButtonFaceMono));
  canvas.RoundRect(left, top, right, bottom, radius, radius);
}

int DrawSheetButtons(World& w, Canvas& canvas, const ButtonGroupBox& box) {
  return DrawButtonColumn(w, canvas, box, box.top + 2, kSheetButtons);
}

int DrawTrimButtons(World& w, Canvas& canvas, const ButtonGroupBox& box) {
  return DrawButtonColumn(w, canvas, box, box.top + 2, kTrimButtons);
}

int DrawCrewButtons(World& w, Canvas& canvas, const ButtonGroupBox& box) {
  return DrawButtonColumn(w, canvas, box, box.top + 2, kCrewButtons);
}

int DrawViewButtons(World& w, Canvas& canvas, const ButtonGroupBox& box) {
  const int eyesBottom = box.top + 3 + box.lineHeight * 3 / 2;
  DrawEyes(w, canvas, Rect{box.left, box.top + 3, box.right, eyesBottom});
  return DrawButtonColumn(w, canvas, box, eyesBottom + 2, kViewButtons);
}

void DrawControlButtons(World& w, Canvas& canvas, int top, int bottom, int lineHeight) {
  const double W = w.ViewWidthF;
  const bool narrow = w.ViewWidth < 700;
  const int L = std::min(lineHeight, 18);
  DrawViewButtons(w, canvas, ButtonGroupBox{Truncated(0.94 * W), top, Truncated(0.995 * W), bottom, L});
  // The sail-shape lesson keeps only the view group; its help line still shows.
  int sheetBottom = top;
  if (w.ActivityMode != Activity::kSailShapeLesson) {
    DrawCrewButtons(w, canvas,
                    ButtonGroupBox{Truncated((narrow ? 0.81 : 0.828) * W), top, Truncated((narrow ? 0.88 : 0.885) * W), bottom, L});
    DrawTrimButtons(w, canvas, ButtonGroupBox{Truncated(0.715 * W), top, Truncated((narrow ? 0.8 : 0.818) * W), bottom, L});
    // In the panel the help line takes the last row when the sheet buttons need the whole column.
    const int helpRow = HelpLineInPanel(w) ? canvas.LineHeight() + 2 : 0;
    sheetBottom =
        DrawSheetButtons(w, canvas, ButtonGroupBox{Truncated(0.618 * W), top, Truncated(0.702 * W), bottom - helpRow, L});
  }
  if (HelpLineInPanel(w)) DrawButtonHelpLine(w, canvas, sheetBottom);
}

void DrawButtonHelpLine(World& w, Canvas& canvas, int sheetBottom) {
  if (w.ButtonHelpShown != 1) return;
  int x = 0, y = 0;
  if (HelpLineInPanel(w)) {
    const int L = std::min(w.ViewHeight / 35, 18);
    x = Truncated(0.62 * w.ViewWidthF);
    y = std::max(9 * L - L / 2 + w.SceneHeight, sheetBottom + 1);
  } else {
    x = Truncated(0.53 * w.ViewWidthF);
    // Above the wind and compass dials that stand along the bottom of the scene.
    y = w.SceneBottom - (w.ViewWidth < 700 || w.LargeMenuFont == 1 ? 18 : 16) - kDialsHeight;
  }
  canvas.SetFont(FontRole::Normal);
  canvas.SetTextOpaque(true);
  canvas.SetBackColor(palette::kWhite);
  canvas.SetTextColor(palette::Ink(w, palette::kGrey, palette::kBlack));
  canvas.TextOut(x, y, ButtonHelpText(w.ButtonHelpLine));
}

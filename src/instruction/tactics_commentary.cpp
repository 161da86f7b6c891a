// The race routine of the coach: the wind forecast before the signal, sail-handling and
// tactical advice during the race, and the analysis of the user's use of wind shifts after the
// finish.
#include <cmath>
#include <string>

#include "draw/palette.h"
#include "instruction/coach.h"
#include "state/angles.h"
#include "state/hull_class.h"
#include "state/world.h"
#include "view3d/race_overlays.h"

namespace {

using W = World;

bool Catamaran(const W& w) { return w.IsCatamaran != 0; }
int Heel(const W& w) { return w.HeelAngles[1]; }
int Twa(const W& w) { return w.TrueWindAngles[1]; }
int Wind(const W& w) { return w.WindSpeedAtBoat[1]; }
bool NoSpinnaker(const W& w) { return w.SpinnakerFlying[1] < 1; }
bool SpinnakerSet(const W& w) { return !NoSpinnaker(w); }
bool MainManual(const W& w) { return w.MainAutoTrimActive == 0; }
// The hiking and crew-position rows do not apply to the cruiser and the offshore racer.
bool CrewRows(const W& w) { return w.HullClass != Hull::kCruiser && w.HullClass != Hull::kOffshoreRacer; }

// The next mark's bearing off the bow, -180..180.
int MarkOffBow(const W& w) {
  int x = 0, y = 0;
  SelectedTargetPoint(w, w.SelectedTarget, x, y);
  const int bearing = BearingTo(x - w.BoatX[1], w.BoatY[1] - y);
  int off = WrapDegreesFull(bearing - w.BoatHeadings[1]);
  return off > 180 ? off - 360 : off;
}

struct RaceAdvice {
  bool (*holds)(const W&);
  const char* text;
};

const char* const kJibDraftAft = "ジブのﾄﾞﾗﾌﾄが後ろすぎる。ジブのﾗﾌﾃﾝｼｮﾝを締める。";
const char* const kJibDraftForward = "ジブのﾄﾞﾗﾌﾄが前ろすぎる。ジブのﾗﾌﾃﾝｼｮﾝを緩める。";
const char* const kMainTooDeep = "クロースホールドにはメインが深すぎる。";
const char* const kMainTooFlat = "メインが浅すぎる。";
const char* const kHikeOut = "風上に移動。";

// In the order they are written; each holds or not on its own.
const RaceAdvice kRaceAdvice[] = {
    {[](const W& w) { return Twa(w) < 90 && w.HullClass < Hull::kCruiser && w.CentreboardUp > 0 && !Catamaran(w); }, "センターボードが上がっている。"},
    {[](const W& w) { return Twa(w) < 90 && w.CentreboardUp > 0 && Catamaran(w); }, "センターボードを上げる。"},
    {[](const W& w) { return CrewRows(w) && Heel(w) > w.MaxHeel - 2 && w.HullClass == Hull::kKeelboat && w.SkipperHike + w.Crew1Hike + w.Crew2Hike < 6; }, kHikeOut},
    {[](const W& w) { return CrewRows(w) && Heel(w) > w.MaxHeel - 2 && (w.HullClass == Hull::kTwoPerson || w.HullClass == Hull::kSpinnakerDinghy) && w.SkipperHike + w.Crew1Hike < 4; }, kHikeOut},
    {[](const W& w) { return CrewRows(w) && Heel(w) > w.MaxHeel + 2 && Catamaran(w) && w.SkipperHike + w.Crew1Hike < 4; }, kHikeOut},
    {[](const W& w) { return CrewRows(w) && Heel(w) > w.MaxHeel - 2 && w.HullClass == Hull::kSingleHander && w.SkipperHike < 2; }, "風上に移動する。"},
    {[](const W& w) { return CrewRows(w) && w.IsScow != 0 && Heel(w) < 10 && Wind(w) < 16; }, "スコーではヒールさせて接水面積を減らすとスピードが増す。頻繁なクルーの"},
    {[](const W& w) { return CrewRows(w) && w.IsScow != 0 && Heel(w) < 10 && Wind(w) < 16; }, "体重移動やコース変更が必要になる。"},
    {[](const W& w) { return CrewRows(w) && Heel(w) > w.MaxHeel + 2 && MainManual(w); }, "オーバーヒール。"},
    {[](const W& w) { return CrewRows(w) && Heel(w) < w.MaxHeel / 2 && w.MainBackwindCopy > 10 && MainManual(w); }, "風上に向きすぎ。"},
    {[](const W& w) { return CrewRows(w) && Heel(w) < 0 && Twa(w) < 100; }, "逆ヒール　風下に移動。"},
    {[](const W& w) { return CrewRows(w) && Heel(w) < -15 && Twa(w) > 119; }, "逆ヒールし過ぎ。風下に移動。"},
    {[](const W& w) { return CrewRows(w) && Heel(w) > 0 && Twa(w) > 159 && !Catamaran(w); }, "少し逆ヒールするとより速く走れる。"},
    {[](const W& w) { return CrewRows(w) && Heel(w) < 7 && Catamaran(w); }, "ｶﾗﾏﾗﾝは風上側のﾊﾙを水面から出して走ると最も速く走れる。"},
    {[](const W& w) { return CrewRows(w) && w.CrewHint == -1; }, "後にのりすぎ。"},
    {[](const W& w) { return CrewRows(w) && w.CrewHint == 1; }, "前にのりすぎ。"},
    {[](const W& w) { return w.MastBend == 3 && w.Cunningham < 3; }, "メインのラフテンションが緩い。"},
    {[](const W& w) { return Wind(w) < 12 && w.JibSheet == 0 && w.HullClass > Hull::kSingleHander; }, "順風にはジブシート引きすぎ。"},
    {[](const W& w) { return SpinnakerSet(w) && w.SpinnakerMistrim == 1 && w.HullClass > Hull::kTwoPerson && !Catamaran(w); }, "スピンシートの引きすぎか艇が風下に向きすぎ。"},
    {[](const W& w) { return SpinnakerSet(w) && w.SpinnakerCollapse > 0 && w.HullClass > Hull::kTwoPerson && !Catamaran(w); }, "ｽﾋﾟﾝがつぶれる。ｼｰﾄを引くか、ｶﾞｲを出すか、風下に向ける "},
    {[](const W& w) { return w.WingOnWing == 1 && Twa(w) < 141 && w.HullClass == Hull::kTwoPerson; }, "ジブに裏風。ウィスカを納める。"},
    {[](const W& w) { return w.WingOnWing == 0 && Twa(w) > 140 && w.HullClass == Hull::kTwoPerson; }, "ウィスカを出す。"},
    {[](const W& w) { return w.Cunningham == 3 && w.MastBend < 3 && w.VangOutsidePreset == 1; }, "メインのラフテンションが大きい。"},
    {[](const W& w) { return w.MainBackwindCopy > 0 && Heel(w) < w.MaxHeel / 2 && MainManual(w); }, "メインの裏風が大きい。"},
    {[](const W& w) { return Twa(w) < 60 && w.HasTraveller && w.Traveller > 1; }, "クロースホールドにはトラベラが低すぎる。"},
    {[](const W& w) { return Twa(w) > 60 && w.HasTraveller && w.Traveller < 2; }, "風下に向かう帆走にはトラベラが高すぎる。"},
    {[](const W& w) { return Twa(w) < 60 && w.HullClass > Hull::kTwoPerson && w.HullClass != Hull::kCruiser && w.BarberHauler == 3 && Wind(w) < 16; }, "ジブリーダが外過ぎる。バーバーを内側にする。"},
    {[](const W& w) { return Twa(w) > 60 && w.HullClass > Hull::kTwoPerson && w.HullClass != Hull::kCruiser && w.BarberHauler < 3 && NoSpinnaker(w) && w.WingOnWing == 0; }, "ジブリーダが内過ぎる。バーバーを外側にする。"},
    {[](const W& w) { return w.JibState > 10 && w.HullClass > Hull::kSingleHander && NoSpinnaker(w); }, "ジブに裏風。ジブｼｰﾄを引くか、艇を風下に向ける。"},
    {[](const W& w) { return w.JibState == -1 && w.HullClass > Hull::kSingleHander && NoSpinnaker(w) && w.WingOnWing == 0; }, "ジブ失速。ジブｼｰﾄを出すか、艇を風上に向ける。"},
    {[](const W& w) { return w.JibTopStalled != 0 && w.HullClass > Hull::kTwoPerson && NoSpinnaker(w) && w.JibState == 0 && w.JibAutoTrimActive == 0; }, "ジブの上部が失速状態。リーダを後に。"},
    {[](const W& w) { return w.JibTopBackwinded != 0 && w.HullClass > Hull::kTwoPerson && NoSpinnaker(w) && w.JibState == 0 && w.JibAutoTrimActive == 0; }, "ジブの上部に裏風。リーダを前に。"},
    {[](const W& w) { return Twa(w) < 60 && (w.Outhaul == 1 || w.VangOutsidePreset * w.MastBend == 1); }, kMainTooDeep},
    {[](const W& w) { return Twa(w) < 60 && Wind(w) > 14 && w.MastBend < 3 && w.VangOutsidePreset == 1; }, kMainTooDeep},
    {[](const W& w) { return Twa(w) < 60 && w.HullClass > Hull::kCruiser && w.Forestay == 2 && !Catamaran(w); }, "フォアステーを緩め過ぎ。"},
    {[](const W& w) { return Twa(w) < 60 && w.HullClass > Hull::kCruiser && w.Forestay == 0 && Wind(w) < 10 && !Catamaran(w); }, "フォアステーを締め過ぎ。"},
    {[](const W& w) { return Twa(w) < 60 && w.JibLuff == 1 && Wind(w) < 12 && w.HullClass > Hull::kSingleHander; }, kJibDraftAft},
    {[](const W& w) { return Twa(w) < 60 && w.JibLuff < 2 && Wind(w) > 11 && w.HullClass > Hull::kSingleHander; }, kJibDraftAft},
    {[](const W& w) { return Twa(w) < 60 && w.JibLuff == 3 && Wind(w) < 10 && w.HullClass > Hull::kSingleHander && !Catamaran(w); }, kJibDraftForward},
    {[](const W& w) { return Twa(w) >= 91 && w.MainBackwindCopy < 10 && (w.Outhaul > 1 || w.MastBend == 3); }, kMainTooFlat},
    {[](const W& w) { return Twa(w) >= 91 && w.Vang == 1 && !Catamaran(w); }, "メインの捩れが大きい。バングを締める。"},
    {[](const W& w) { return Twa(w) >= 91 && w.JibLuff > 1 && NoSpinnaker(w) && w.HullClass > Hull::kSingleHander; }, kJibDraftForward},
    {[](const W& w) { return Twa(w) < 91 && Wind(w) < 15 && w.MainBackwindCopy < 10 && w.SailPowerPreset == 1 && w.HullClass < Hull::kSpinnakerDinghy; }, kMainTooFlat},
    {[](const W& w) { return std::abs(MarkOffBow(w)) > 70 && Twa(w) < 55 && w.BoatLegs[1] > 0; }, "レイラインに近づいている。"},
    {[](const W& w) { return w.WindShadowState[1] > 0; }, "悪い風の中にいる。"},
};

void AddForecast(const W& w, std::vector<CoachLine>& out) {
  if (w.OscillatingShiftsExpected != 0) out.push_back({"陸からの風。かなり繰り返すシフトが予想される。", CoachInk::Teal});
  if (w.PersistentShiftRate > 5) {
    out.push_back({"低気圧が北側を通過中。振れ戻りのない時計回りのシフトが予想される。", CoachInk::Teal});
  } else if (w.PersistentShiftRate < -5) {
    out.push_back({"低気圧が南側を通過中。振れ戻りのない反時計回りのシフトが予想される。", CoachInk::Teal});
  }
  if (std::abs(w.PersistentShiftRate) < 6) out.push_back({"振れ戻りのないシフトはないと思われる。", CoachInk::Teal});
}

void Write(const W& w, Canvas& c, const std::vector<CoachLine>& lines, int x, int y, int L) {
  for (const CoachLine& line : lines) {
    if (!line.text.empty()) {
      Color colour = palette::kNavy;
      if (line.ink == CoachInk::Teal) colour = palette::Ink(w, palette::kTeal, palette::kBlack);
      if (line.ink == CoachInk::Blue) colour = palette::Ink(w, palette::kBlue, palette::kBlack);
      c.SetTextColor(colour);
      c.TextOut(x, y, line.text);
    }
    y += L;
  }
}

}  // namespace

int SharePercent(int part, int whole) { return whole == 0 ? 0 : part * 100 / whole; }

std::vector<CoachLine> RaceAnalysis(const World& w) {
  const int p = SharePercent(w.LiftedFrames, w.CloseHauledFrames);
  std::vector<CoachLine> out{{"  ｸﾛｰｽﾎｰﾙﾄﾞでのﾘﾌﾄの風の時間の割合 : " + std::to_string(p), CoachInk::Navy}};
  if (p > 60 && p <= 75) out.push_back({"風のシフトの使い方が良い。     ", CoachInk::Navy});
  if (p > 75) {
    out.push_back({"風のｼﾌﾄの使い方が非常に良い。", CoachInk::Navy});
    out.push_back({});
  }
  out.push_back({"    悪い風の時間の割合 : " + std::to_string(SharePercent(w.BadAirFrames, w.TotalFrames)), CoachInk::Navy});
  return out;
}

void DrawRaceAnalysis(const World& w, Canvas& canvas, int top, int lineHeight) {
  Write(w, canvas, RaceAnalysis(w), 30, top, lineHeight);
}

std::vector<CoachLine> TacticsCommentary(const World& w) {
  std::vector<CoachLine> out;
  if (w.SimSeconds < 1) {
    out.push_back({});
    out.push_back({});
    AddForecast(w, out);
    return out;
  }
  out.push_back({"帆走良し。よりよくできる可能性有り ", CoachInk::Blue});
  for (const RaceAdvice& a : kRaceAdvice) {
    if (a.holds(w)) out.push_back({a.text, CoachInk::Navy});
  }
  out.push_back({});
  out.push_back({});
  AddForecast(w, out);
  return out;
}

void DrawTacticsCommentary(const World& w, Canvas& canvas, int top, int lineHeight, int left) {
  canvas.SetFont(FontRole::Normal);
  if (w.ResultsShown == 1) {
    DrawRaceAnalysis(w, canvas, top, lineHeight);
    return;
  }
  Write(w, canvas, TacticsCommentary(w), left + 10, top, lineHeight);
}

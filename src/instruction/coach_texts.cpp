// The coach's advice, as data: the fixed paragraphs of the exercises and, for each scene of the
// two sail lessons, its title, the optimum lines and the findings with their conditions.
#include "instruction/coach_texts.h"

#include "state/hull_class.h"
#include "state/world.h"

namespace {

using W = World;

int Heel(const W& w) { return w.HeelAngles[1]; }
bool Big(const W& w) { return w.HullClass > Hull::kSpinnakerDinghy; }
bool Small(const W& w) { return !Big(w); }
int Sheet(const W& w) { return static_cast<int>(w.MainSheet); }
bool JibBackwind(const W& w) {
  return w.JibWindwardTelltaleStarboard != 0 || w.JibWindwardTelltalePort != 0;
}
bool JibStall(const W& w) { return w.JibLeewardTelltale != 0; }
int PoleTarget(const W& w) { return 1 + w.WindSpeedAtBoat[1] / 9; }

}  // namespace

// --- Fixed paragraphs ----------------------------------------------------------------------

const char* const kSteeringLines[] = {
    "マウスポインターをｽﾃｱﾘﾝｸﾞｿﾞｰﾝの中心付近に置き、ゆっくりと操舵する",
    "急な操舵は艇速を落とし、進行方向を不安定にする",
};
const char* const kSteeringWindLine = "風が強い時には特に、メインシートの調節が操舵に強い影響を与える";

const CoachFinding kSteeringFindings[] = {
    {[](const W& w) { return w.BoatHeadings[1] >= 91 && w.BoatHeadings[1] <= 249 && w.TargetDistanceYards >= 401; },
     {"目標から大きく左にそれている。右に向け。"}},
    {[](const W& w) { return w.BoatHeadings[1] >= 291 && w.TargetDistanceYards >= 401; },
     {"目標から大きく右にそれている。左に向け。"}},
    {[](const W& w) { return w.Difficulty > 1 && Heel(w) > w.MaxHeel - 5 && w.WeatherHelm < -2; },
     {"ヒールが大きいために艇が風上に向こうとしている"}},
    {[](const W& w) { return w.Difficulty >= 2 && Heel(w) < -5 && w.WeatherHelm >= 3; },
     {"逆ヒールしているために艇が風下に向こうとしている"}},
    {[](const W& w) { return w.MainBackwindCopy > w.JibState + 30 && w.Difficulty >= 2 && w.WeatherHelm >= 3; },
     {"裏風がジブよりメインが多いために艇が風下に向こうとしている"}},
    {[](const W& w) { return w.MainBackwindCopy + 30 < w.JibState && w.Difficulty > 1 && w.WeatherHelm < -2; },
     {"裏風がメインよりジブが多いために艇が風上に向こうとしている"}},
};
const int kSteeringFindingCount = sizeof(kSteeringFindings) / sizeof(kSteeringFindings[0]);

const char* const kUpwindTechnique[] = {
    "風上風下両側の風見が後に流れるように操舵する。",
    "風上側の風見が上がったら風下に、風下側の風見が上がったら風上に少し向ける。",
    "ヒールが大きくなり過ぎたら、メインシートを少し出すか風上に少し向ける。",
    "クルーは風上側に乗り、艇をなるべく起こして走る。",
    "波が大きい時は少し落として艇速を保ち、波に止められないようにする。",
};
const char* const kUpwindTackTiller[] = {
    "ティラーを風下いっぱいまで動かしタックする。",
    "風位を越えたらティラーを中央に戻し、新しいタックのクロースホールドに入る。",
};
const char* const kUpwindTackWheel[] = {
    "舵輪を風上いっぱいまで回しタックする。",
    "風位を越えたら舵輪を中央に戻し、新しいタックのクロースホールドに入る。",
};
const char* const kUpwindAutopilotLine = "自動操舵なしを選んでいない場合はタックボタンでタックする。";

const char* const kInIronsRecovery[] = {
    "メインシートとジブシートを出して( > ｷｰ)、艇が後に下がるのを待つ。",
    "後に下がり始めたら、艇首を向けたい方向と逆の側に舵を切る。",
    "艇首が風位から十分に落ちたら舵を中央に戻す。",
    "シートを引いて艇速をつけてから、クロースホールドに戻る。",
};
const char* const kInIronsJib[] = {
    "ジブを風上側に張り出すと(W ｷｰか「逆ｼﾞﾌﾞ」ﾎﾞﾀﾝ)艇首が早く落ちる。",
    "艇首が落ちたらもう一度 W ｷｰか「逆ｼﾞﾌﾞ」ﾎﾞﾀﾝでジブを戻す。",
};
const char* const kBuoyCloseHauledLines[] = {
    "また、ｸﾛｰｽﾎｰﾙﾄﾞコマンドでも風位に立った状態から抜け出せる。しかし、そうすると",
    "30点のボーナスポイントは適用されなくなる。",
};
const char* const kBuoyApproach[] = {
    "クロースリーチでブイに近づく。",
    "ブイの風下側から、風位から約60度の角度でブイに向かう。",
    "シートを出し入れして( > ｷｰ, < ｷｰ)速度を調節し、ブイの手前でほぼ止まるようにする。",
    "止まりそうになったら風上に向けてシートを出し、艇首でブイをとらえる。",
};
const char* const kPierLines[] = {
    "桟橋へのアプローチはシートの出し入れで簡単に速度の調節ができるクロースリーチが",
    "最もよい。桟橋の風下側から近づく。",
    "速すぎる時はシートを出して( > ｷｰ)速度を落とし、遅すぎる時は引く( < ｷｰ)。",
    "桟橋の手前で艇がほぼ止まり、ゆっくりと横付けできるようにする。",
};
const char* const kManOverboardLines[] = {
    "落水者を見失わないように、近くにとどまる事が非常に重要である。",
    "落水したらすぐに落水者を指差し、目を離さないようにする。",
    "方法 1: ﾋﾞｰﾑﾘｰﾁで数艇身離れてからタックし、",
    "反対タックのﾋﾞｰﾑﾘｰﾁで落水者の方へ戻る。",
    "落水者の風下側からクロースリーチで近づき、シートを出して速度を落とす。",
    "方法 2: すぐにタックして風位に立ち、ジブを裏に張ったまま",
    "艇を止め(ヒーブツー)、落水者の風上側から流れながら近づく。",
    "どちらの方法でも、落水者の手前で艇がほぼ止まるようにする。",
    "落水者は艇の風下側、艇の中央付近から引き上げる。",
    "強風の時は、危険なジャイブをしないで済む方法を選ぶ。",
};
const char* const kCollisionLines[] = {
    "艇が直前、直後でない場合は、その艇の後を通過するように舵を切るとよい。",
    "相手の方位が変わらずに近づく時は衝突の危険がある。",
    "大きな船は急に向きを変えたり止まったりできないので、早めに大きく避ける。",
    "避ける時は、相手にわかるように針路を大きく変える。",
};

const TrafficScene kTrafficScenes[4] = {
    {{"ｼｰﾝ 1. 反対タック: ﾎﾟｰﾄﾀｯｸ艇は避けなければならない。",
      "左舷から風を受けている艇がﾎﾟｰﾄﾀｯｸ艇。",
      "ﾎﾟｰﾄﾀｯｸ艇は早めに風下に向けて、ｽﾀｰﾎﾞｰﾄﾞﾀｯｸ艇の後を通る。",
      "ｽﾀｰﾎﾞｰﾄﾞﾀｯｸ艇は針路と速度を保つ。", nullptr},
     nullptr, nullptr},
    {{"ｼｰﾝ 2. 同一タック: 風上艇は避けなければならない。",
      "同じタックで重なっている時は、風上艇が風下艇を避ける。",
      "風上艇は早めに風上に向けて間隔をあける。",
      "風下艇は風上艇が避けられないほど急に風上に向けてはならない。", nullptr},
     "風上艇", "風下艇"},
    {{"ｼｰﾝ 3. 追い越し:追い越し艇は避けなければならない。",
      "後から追い越す艇は、追い越され艇の進路を妨げてはならない。",
      "十分な間隔をとって、風上側か風下側を追い越す。",
      "追い越され艇は針路と速度を保つ。", nullptr},
     "追い越し艇", "追い越され艇"},
    {{"ｼｰﾝ 4. 動力船: 帆船は下記の場合を除いて航路権がある:",
      "帆船が動力船を追い越す時は、追い越し帆船が避ける。",
      "狭い水路で、水路内しか航行できない大きな船に対して。",
      "漁労中の船や、操縦性能が制限されている船に対して。", nullptr},
     "追い越し帆船", "追い越され動力船"},
};

// --- The sail-trim lesson --------------------------------------------------------------------

const SailScene kSailTrimScenes[8] = {
    {"ｼｰﾝ 1: 順風のﾘｰﾁﾝｸﾞ", {}, {
      {[](const W& w) { return w.MainBackwindCopy > 0; }, {"裏風が入っている。ﾒｲﾝｼｰﾄを引く( < ｷｰ)。"}},
      {[](const W& w) { return w.MainStalled == 1; }, {"ｾｰﾙが内側に入り過ぎ。失速状態。", "風糸がｾｰﾙの陰に。", "メインシートを出す( > ｷｰ)。"}},
      {[](const W& w) { return w.Vang == 1; }, {"捩れが大きい。ﾊﾞﾝｸﾞを締める(ﾒｲﾝﾒﾆｭｰ)。"}},
      {[](const W& w) { return w.MainStalled == 0 && w.MainBackwindCopy == 0 && w.Vang >= 2; }, {"ﾄﾘﾑ良し。風糸は正しく流れ、裏風はない。"}},
    }},
    {"ｼｰﾝ 2: 強風のﾘｰﾁﾝｸﾞ", {}, {
      {[](const W& w) { return w.MainBackwindCopy > 0 && Heel(w) < w.MaxHeel - 7; }, {"裏風が入っている。ﾒｲﾝｼｰﾄを引く( < ｷｰ)。"}},
      {[](const W& w) { return Heel(w) > w.MaxHeel; }, {"オーバーヒール。シートを出す( > ｷｰ)。"}},
      {[](const W& w) { return w.MainStalled == 1; }, {"失速。メインシートを出す( > ｷｰ)。"}},
      {[](const W& w) { return w.Vang == 1; }, {"捩れが大きい。ﾊﾞﾝｸﾞを締める(ﾒｲﾝﾒﾆｭｰ)。"}},
      {[](const W& w) { return w.MainStalled == 0 && Heel(w) >= w.MaxHeel - 7 && Heel(w) <= w.MaxHeel && w.Vang >= 2; }, {"ﾄﾘﾑ良し。"}},
    }},
    {"ｼｰﾝ 3: 順風のﾗﾝﾆﾝｸﾞ", {}, {
      {[](const W& w) { return Sheet(w) < 47; }, {"風をもっとつかむためにｼｰﾄを出す( > ｷｰ)。"}},
      {[](const W& w) { return w.Vang == 1; }, {"捩れが大きい。ﾊﾞﾝｸﾞを締める。"}},
      {[](const W& w) { return Sheet(w) == 47 && w.Vang >= 2; }, {"ﾄﾘﾑ良し。", "ﾗﾝﾆﾝｸﾞではﾒｲﾝｾｰﾙ失速はしかたがない。"}},
    }},
    {"ｼｰﾝ 4: 強風のﾗﾝﾆﾝｸﾞ", {}, {
      {[](const W& w) { return Sheet(w) < 36; }, {"ﾒｲﾝを出してﾋｰﾙを減らしﾌﾞﾛｰﾁﾝｸﾞの", "危険を回避する。"}},
      {[](const W& w) { return Sheet(w) > 40; }, {"ﾒﾝｲﾝｼｰﾄを引いて( < ｷｰ)ﾛｰﾘﾝｸﾞを減らす。"}},
      {[](const W& w) { return w.Vang < 3; }, {"ﾊﾞﾝｸﾞを締めてﾛｰﾘﾝｸﾞを減らす。"}},
      {[](const W& w) { return Sheet(w) >= 37 && Sheet(w) <= 40 && w.Vang == 3; }, {"安全で良いﾄﾘﾑ。", "メインシートを出すと速くなる。"}},
    }},
    {"ｼｰﾝ 5: ﾘｰﾁﾝｸﾞのｼﾞﾌﾞ調節", {}, {
      {[](const W& w) { return w.JibState >= 1 || JibBackwind(w); }, {"ジブに裏風。風上側の風糸が上にあがっている｡", "ジブシートを引く( - ｷｰ)。"}},
      {[](const W& w) { return w.JibState < 0 || JibStall(w); }, {"ジブ失速。風下側の風糸が上にあがっている。", "ジブシートを出す( + ｷｰ)。"}},
      {[](const W& w) { return !(w.JibState >= 1 || JibBackwind(w) || w.JibState < 0 || JibStall(w)); }, {"ジブﾄﾘﾑ良し。風糸は後に流れている。"}},
    }},
    {"ｼｰﾝ 6: 順風のｸﾛｰｽﾎｰﾙﾄﾞ", {}, {
      {[](const W& w) { return w.Traveller > 1; }, {"角度を良くするためにﾄﾗﾍﾞﾗをあげる(ﾘｸﾞﾒﾆｭｰ)"}},
      {[](const W& w) { return w.MainBackwindCopy > 10; }, {"メインに裏風。メインを引く。"}},
      {[](const W& w) { return w.MainStalled == 1; }, {"メイン失速。メインシートを出す。"}},
      {[](const W& w) { return w.MainStalled != 1 && w.MainNearStall != 0; }, {"メイン少し引きすぎ。"}},
      {[](const W& w) { return w.JibSheet == 0; }, {"ジブが浅い。ジブシート引きすぎ。"}},
      {[](const W& w) { return w.JibState > 0; }, {"ジブに裏風。ジブシートを引く。"}},
      {[](const W& w) {
         return w.MainBackwindCopy <= 10 && w.JibState == 0 && w.JibSheet >= 1 && w.MainStalled == 0 &&
                w.MainNearStall == 0 && w.Traveller <= 1;
       }, {"ﾄﾘﾑ良し。"}},
    }},
    {"ｼｰﾝ 7: 強風のｸﾛｰｽﾎｰﾙﾄﾞ", {}, {
      {[](const W& w) { return w.MainBackwindCopy > 10 && Heel(w) < w.MaxHeel / 2; }, {"メインに裏風が入り過ぎ。シートを引く。"}},
      {[](const W& w) { return Heel(w) > w.MaxHeel + 1; }, {"オーバーヒール。メインシートを出す。"}},
      {[](const W& w) { return w.MainStalled == 1; }, {"メイン失速。メインシートを出す。"}},
      {[](const W& w) { return w.MainStalled != 1 && w.MainNearStall != 0; }, {"メインシート少し引きすぎ。"}},
      {[](const W& w) { return w.JibState > 0; }, {"ジブに裏風。ジブシートを引く。"}},
      {[](const W& w) {
         return Heel(w) > w.MaxHeel / 2 && Heel(w) <= w.MaxHeel + 2 && w.JibState == 0 && w.MainStalled == 0 &&
                w.MainNearStall == 0 && w.Traveller >= 1;
       }, {"ﾄﾘﾑ良し。"}},
      {[](const W& w) { return w.Traveller == 0; }, {"トラベラを低く"}},
      {[](const W& w) { return w.Traveller >= 2; }, {"トラベラを高く。"}},
    }},
    {"ｼｰﾝ 8:    ｽﾋﾟﾈｰｶ ﾄﾘﾑ", {}, {
      {[](const W& w) { return w.SpinnakerCollapse > 30; }, {"スピンがつぶれる、シートを大きく引く。"}},
      {[](const W& w) { return w.SpinnakerCollapse >= 1 && w.SpinnakerCollapse <= 30; }, {"スピンがつぶれる、シートを少し引く。"}},
      {[](const W& w) { return w.SpinnakerCollapse == 0 && w.SpinnakerMistrim == 1; }, {"スピン引きすぎ、シートを出す"}},
      {[](const W& w) {
         const int a = w.PreviousApparentWindAngle;
         return w.SpinnakerCollapse == 0 && w.SpinnakerMistrim != 1 && w.GuyAngle >= a - 80 && w.GuyAngle < a - 65;
       }, {"スピントリム良し。"}},
      {[](const W& w) {
         return w.SpinnakerCollapse == 0 && w.SpinnakerMistrim != 1 && w.GuyAngle < w.PreviousApparentWindAngle - 80;
       }, {"より風を受けるようにﾎﾟｰﾙを後ろに(ｶﾞｲを引く)"}},
      {[](const W& w) {
         return w.SpinnakerCollapse == 0 && w.SpinnakerMistrim != 1 && w.GuyAngle > w.PreviousApparentWindAngle - 65;
       }, {"ｽﾋﾟﾝがつぶれないようにﾎﾟｰﾙを前に(ｶﾞｲを出す) 。"}},
    }},
};

// --- The sail-shape lesson -------------------------------------------------------------------

namespace {
const CoachFinding kPoleHigh{[](const W& w) { return w.PoleHeight > PoleTarget(w); }, {"スピンポールが高い。"}};
const CoachFinding kPoleLow{[](const W& w) { return w.PoleHeight < PoleTarget(w); }, {"スピンポールが低い。"}};
}  // namespace

const SailScene kSailShapeScenes[9] = {
    {"ｼｰﾝ 1: ﾒｲﾝｾｰﾙ、順風のｸﾛｰｽﾎｰﾙﾄﾞ", {"最適:中程度のﾄﾞﾗﾌﾄ、最大ﾄﾞﾗﾌﾄ位置前から50%", "リーチの風糸が流れるのに十分な捩れ。"}, {
      {[](const W& w) { return w.Cunningham == 3; }, {"ﾄﾞﾗﾌﾄが前すぎる。ﾗﾌﾃﾝｼｮﾝを緩める。"}},
      {[](const W& w) { return w.Cunningham == 1; }, {"ﾄﾞﾗﾌﾄが後ろすぎる。ﾗﾌﾃﾝｼｮﾝを締める。"}},
      {[](const W& w) { return w.Outhaul == 3; }, {"ﾒｲﾝの下部が浅い。ｱｳﾄﾎｰﾙを緩める。"}},
      {[](const W& w) { return w.Outhaul == 1; }, {"ﾒｲﾝの下部が深い。ｱｳﾄﾎｰﾙを引く。"}},
      {[](const W& w) { return w.MastBend > 2 && Big(w); }, {"ﾒｲﾝが浅い。ﾏｽﾄﾍﾞﾝﾄﾞを減らす。"}},
      {[](const W& w) { return w.MastBend > 2 && Small(w); }, {"ﾒｲﾝが浅い。ﾊﾞﾝｸﾞを緩めてﾍﾞﾝﾄﾞを減らす。"}},
      {[](const W& w) { return w.MastBend < 2 && Big(w); }, {"ﾒｲﾝが深い。ﾏｽﾄﾍﾞﾝﾄﾞを増やす。"}},
      {[](const W& w) { return w.MastBend < 2 && Small(w); }, {"ﾒｲﾝが深い。ﾊﾞﾝｸﾞを締めてﾍﾞﾝﾄﾞを増やす。"}},
    }},
    {"ｼｰﾝ 2: ﾒｲﾝｾｰﾙ、強風のｸﾛｰｽﾎｰﾙﾄﾞ", {"最適:浅いセール、ドラフト位置前から30%-40%"}, {
      {[](const W& w) { return w.Cunningham < 3; }, {"ﾄﾞﾗﾌﾄが後ろすぎる。ﾗﾌﾃﾝｼｮﾝを締める。"}},
      {[](const W& w) { return w.Outhaul < 3; }, {"ﾒｲﾝの下部が深い。ｱｳﾄﾎｰﾙを引く。"}},
      {[](const W& w) { return w.MastBend < 3 && Big(w); }, {"ﾒｲﾝが深い。ﾏｽﾄﾍﾞﾝﾄﾞを増やす。"}},
      {[](const W& w) { return w.MastBend < 3 && Small(w); }, {"ﾒｲﾝが深い。ﾊﾞﾝｸﾞを締めてﾍﾞﾝﾄﾞを増やす。"}},
    }},
    {"ｼｰﾝ 3: ﾒｲﾝｾｰﾙ、風下行", {"最適値: 深いセール、ドラフト位置前から50%", "ﾊﾞﾝｸﾞでﾍﾞﾝﾄﾞが大きくなりすぎず、ｵｰﾊﾞｰﾋｰﾙ", "しない程度に捩れを小さくする。"}, {
      {[](const W& w) { return w.Cunningham > 1; }, {"ﾄﾞﾗﾌﾄが前すぎる。ﾗﾌﾃﾝｼｮﾝを緩める。"}},
      {[](const W& w) { return w.Outhaul > 1; }, {"ﾒｲﾝの下部が浅い。ｱｳﾄﾎｰﾙを緩める。"}},
      {[](const W& w) { return (Big(w) && w.Vang < 3) || (Small(w) && w.Vang == 1); }, {"捩れが大きい。ﾊﾞﾝｸﾞを締める。"}},
      {[](const W& w) { return Small(w) && w.Vang == 3; }, {"ﾍﾞﾝﾄﾞ大。ﾊﾞﾝｸﾞを緩める。"}},
    }},
    {"ｼｰﾝ 4: ジブ、順風のｸﾛｰｽﾎｰﾙﾄﾞ", {"最適:全部の風糸が流れる", "波なし:ﾄﾞﾗﾌﾄ位置前から40%、若干のｻｸﾞ", "小波:ﾄﾞﾗﾌﾄ位置前から30%、中程度のｻｸﾞ"}, {
      {[](const W& w) { return w.JibLuff == 3; }, {"ドラフトが前すぎ。ジブのラフを緩める。"}},
      {[](const W& w) { return w.JibLuff == 1; }, {"ドラフトが後すぎ。ジブのラフを締める｡"}},
      {[](const W& w) { return Big(w) && w.Forestay == 0; }, {"フォアステー締めすぎ。ジブが浅い"}},
      {[](const W& w) { return Big(w) && w.Forestay == 2; }, {"フォアステー緩めすぎ。ジブが深い。"}},
      {[](const W& w) { return w.JibTopStalled != 0; }, {"最上の風下の風糸が失速状態。ﾘｰﾀﾞｰを後に"}},
      {[](const W& w) { return w.JibTopBackwinded != 0; }, {"最上の風上の風糸が上がっている。ﾘｰﾀﾞｰを前に"}},
      {[](const W& w) { return w.BarberHauler == 3; }, {"バーバー外すぎ。上り角が悪い。"}},
    }},
    {"ｼｰﾝ 5: ジブ、強風のｸﾛｰｽﾎｰﾙﾄﾞ", {"最適:全部の風糸が流れるかまたは風上の", "風糸が上がる。ドラフト位置前から30%。サグ最小"}, {
      {[](const W& w) { return w.JibLuff < 3; }, {"ドラフトが後すぎ。ジブのラフを締める｡"}},
      {[](const W& w) { return Big(w) && w.Forestay > 0; }, {"フォアステー緩めすぎ。ジブが深い。"}},
      {[](const W& w) { return w.JibTopStalled != 0; }, {"上の風下の風糸が失速状態。リーダーを後に。"}},
      {[](const W& w) { return w.JibTopBackwinded != 0 && w.ViewWidth > 700; }, {"最上の風上の風糸が上がっている。ｵｰﾊﾞｰﾊﾟﾜｰでなければﾘｰﾀﾞｰを前に。"}},
      {[](const W& w) { return w.JibTopBackwinded != 0 && w.ViewWidth <= 700; }, {"最上の風上の風糸が上がっている。ﾘｰﾀﾞｰを前に。"}},
      {[](const W& w) { return w.BarberHauler == 1; }, {"バーバー内すぎ。下り角度が悪い。"}},
    }},
    {"ｼｰﾝ 6: ジブ、ﾘｰﾁﾝｸﾞ", {"最適:全部の風糸が流れる、深いセール。", "ドラフト位置前から30%。"}, {
      {[](const W& w) { return w.JibLuff == 1; }, {"ドラフトが後すぎ。ジブのラフを締める｡"}},
      {[](const W& w) { return w.JibLuff == 3; }, {"ドラフトが前すぎ。ジブのラフを緩める。"}},
      {[](const W& w) { return Big(w) && w.Forestay < 2; }, {"フォアステー締めすぎ。ジブが浅い"}},
      {[](const W& w) { return w.JibTopStalled != 0; }, {"最上の風下の風糸が失速状態。ﾘｰﾀﾞｰを後に"}},
      {[](const W& w) { return w.JibTopBackwinded != 0; }, {"最上の風上の風糸が上がっている。ﾘｰﾀﾞｰを前に。"}},
      {[](const W& w) { return w.BarberHauler < 3; }, {"バーバー内すぎ。速度が遅い。"}},
    }},
    {"ｼｰﾝ 7: 順風のｽﾋﾟﾝﾗﾝ", {"最適:両方のクリューが同じ高さになるように", "ポールの高さを調節する。"}, {kPoleHigh, kPoleLow}},
    {"ｼｰﾝ 8: 強風のｽﾋﾟﾝﾗﾝ", {"両方のｸﾘｭｰの高さは同じになるようにする"}, {
      kPoleHigh, kPoleLow,
      {[](const W&) { return true; }, {"ローリングはポールを少し前にし、バングを", "締め、シートリーダーを前にしてスピンの下に", "艇がくるように操舵して軽減する。"}},
    }},
    {"ｼｰﾝ 9: ｽﾋﾟﾝのﾘｰﾁﾝｸﾞ", {"ポールを風下側のクリューより少し低くし、", "リーチを緩め、フルセールを維持しやすく", "する。", "スピンを浅くするために、風に直角方向から", "約15度後にする。"}, {
      kPoleHigh, kPoleLow,
      {[](const W& w) { return w.GuyAngle < 10; }, {"スピンポールが前すぎる。"}},
      {[](const W& w) { return w.GuyAngle > 30; }, {"スピンポールが後ろすぎる。"}},
    }},
};

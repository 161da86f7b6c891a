// The identifiers of the menu commands. The menus, the status-bar prompts, the probe's
// `command ID` and the window all refer to a command by these numbers.
#pragma once

namespace Cmd {
// コントロール
constexpr int kStartSailing = 32789;  // セーリングスタート(スペースバー)
constexpr int kCloseHauled = 32771;  // クロースホールド  &C
constexpr int kTack = 32772;  // タック  &T
constexpr int kCentreboardDown = 32773;  // センターボードを下げる
constexpr int kCentreboardMostlyUp = 32774;  // センターボードを80%上げる
constexpr int kCentreboardUp = 32775;  // センターボードを上げる
constexpr int kStop = 32776;  // 停止  &F
constexpr int kMonochrome = 32778;  // モノクロ表示
constexpr int kSimpleGraphics = 32779;  // 簡略グラフィック表示
constexpr int kSoundOff = 32918;  // サウンドなし
constexpr int kVoiceOff = 32955;  // 声なし
constexpr int kNextSailing = 32777;  // 次のセーリング  &N
constexpr int kExit = 57665;  // 終了  &X

// オプション: 艇種
constexpr int kSingleHander = 32780;  // 一人乗りディンギー
constexpr int kTwoPersonDinghy = 32781;  // 二人乗りディンギー
constexpr int kSpinnakerDinghy = 32782;  // スピン付ディンギー
constexpr int kOptimist = 32786;  // OPディンギー
constexpr int kCatamaran = 32787;  // カタマラン
constexpr int kSkiff = 32788;  // スキフ
constexpr int kScow = 32971;  // スコー
constexpr int kKeelboat = 32783;  // キールボート
constexpr int kSportboat = 32969;  // スポートボート
constexpr int kOffshoreRacer = 32784;  // オフショアレーサー
constexpr int kCruisingSloop = 32785;  // クルージングスループ
constexpr int kOffshoreCatamaran = 32968;  // オフショアカタマラン

// オプション
constexpr int kDesign = 32790;  // デザイン
constexpr int kWheel = 32830;  // 舵輪
constexpr int kDifficulty1 = 32791;  // 1
constexpr int kDifficulty2 = 32792;  // 2
constexpr int kDifficulty3 = 32793;  // 3
constexpr int kDifficulty4 = 32794;  // 4
constexpr int kDifficulty5 = 32795;  // 5
constexpr int kDifficulty6 = 32796;  // 6
constexpr int kDifficulty7 = 32797;  // 7
constexpr int kDifficulty8 = 32798;  // 8
constexpr int kDifficulty9 = 32799;  // 9
constexpr int kDifficulty10 = 32800;  // 10
constexpr int kDifficulty11 = 32801;  // 11
constexpr int kDifficulty12 = 32802;  // 12
constexpr int kDifficulty13 = 32803;  // 13
constexpr int kDifficulty14 = 32804;  // 14
constexpr int kDifficulty15 = 32805;  // 15
constexpr int kAreaCoast = 32806;  // 海岸沿い
constexpr int kAreaIslands = 32807;  // 島々
constexpr int kAreaLake = 32808;  // 湖
constexpr int kAreaRiver = 32809;  // 川
constexpr int kSteeringPractice = 32810;  // 操舵練習
constexpr int kSailTrimLesson = 32811;  // セールトリム(シートコントロール)の教習
constexpr int kUpwindSailing = 32812;  // 風上への帆走
constexpr int kMooring = 32813;  // ブイに係留
constexpr int kDocking = 32814;  // 桟橋に着艇
constexpr int kManOverboard = 32815;  // 落水救助
constexpr int kTrafficRulesLesson = 32816;  // 海上交通ルールの教習
constexpr int kCollisionAvoidance = 32817;  // 衝突回避
constexpr int kRacingRulesLesson = 32818;  // レース規則の教習
constexpr int kSailShapeLesson = 32819;  // セールシェープの教習
constexpr int kTacticsLesson = 32820;  // レース戦略・戦術の教習
constexpr int kJustStartTriangleRace = 32821;  // 三角コースでジャストスタートでのレース
constexpr int kJustStartWindwardLeewardRace = 32966;  // 上下コースでジャストスタートでのレース
constexpr int kTriangleRace = 32822;  // 三角コースでのレース
constexpr int kWindwardLeewardRace = 32823;  // 上下コースでのレース
constexpr int kBigFleet = 32824;  // 大きなフリートレース
constexpr int kWindSteadyNoShifts = 32825;  // 順風、シフトなし
constexpr int kWindLight = 32826;  // 軽風
constexpr int kWindModerate = 32827;  // 順風
constexpr int kWindStrong = 32828;  // 強風
constexpr int kCurrent = 32829;  // 潮流
constexpr int kVerticalSteeringZone = 32917;  // 垂直ステアリングゾーン
constexpr int kNoAutopilot = 32932;  // 自動操舵なし
constexpr int kNoMainAutoTrim = 32933;  // メインシート自動調節なし
constexpr int kUsePreviousScore = 32952;  // 前回のスコアを用いる

// シミュレータ速度
constexpr int kSimSpeed1 = 32831;  // 1  (スペースバー)
constexpr int kSimSpeed2 = 32832;  // 2
constexpr int kSimSpeed3 = 32833;  // 3
constexpr int kSimSpeed4 = 32834;  // 4
constexpr int kSimSpeed5 = 32835;  // 5
constexpr int kSimSpeed6 = 32836;  // 6
constexpr int kSimSpeed7 = 32837;  // 7
constexpr int kSimSpeed8 = 32838;  // 8
constexpr int kSimSpeed9 = 32839;  // 9
constexpr int kSimSpeed10 = 32840;  // 10
constexpr int kSimSpeed11 = 32958;  // 11
constexpr int kSimSpeed12 = 32959;  // 12
constexpr int kSimSpeed13 = 32960;  // 13
constexpr int kSimSpeed14 = 32961;  // 14
constexpr int kSimSpeed15 = 32962;  // 15  最速
constexpr int kFaster = 32956;  // 速く  (page up)
constexpr int kSlower = 32957;  // 遅く  (page dn)

// 表示
constexpr int kZoomIn3d = 32841;  // ズームイン(3D図)  &I
constexpr int kZoomOut3d = 32842;  // ズームアウト(3D図)  &O
constexpr int kLookAhead = 32846;  // 前を見る  ↑
constexpr int kTurnLookLeft = 32845;  // 視線を左に回す  ←
constexpr int kTurnLookRight = 32847;  // 視線を右に回す →
constexpr int kLookAstern = 32848;  // 後ろを見る  ↓
constexpr int kChart = 32849;  // 海図表示  &R
constexpr int kMainTransparent = 32850;  // メインを透明に  &H
constexpr int kMainAndJibTransparent = 32851;  // メインとジブを透明に  &U
constexpr int kChordLines = 32852;  // コード表示
constexpr int kLaylines = 32853;  // レイラインとイーブンなラインを表示
constexpr int kZoomIn2d = 32930;  // ズームイン(2D図)  &Z
constexpr int kZoomOut2d = 32931;  // ズームアウト(2D図)  &X
// The window's own display option, numbered after the last command.
constexpr int kFitToWindow = 32974;  // ウィンドウに合わせる
constexpr int kPolar = 32980;  // ポーラー図  &V
constexpr int kReplay = 32981;  // リプレイ  &P

// メイン
constexpr int kMainSheetIn = 32854;  // シートを引く  <
constexpr int kMainSheetOut = 32855;  // シートを出す  >
constexpr int kMainAutoTrim = 32856;  // メインシート自動調節
constexpr int kCunninghamTight = 32857;  // ラフを締める
constexpr int kCunninghamMedium = 32858;  // ラフ中間
constexpr int kCunninghamLoose = 32859;  // ラフを緩める
constexpr int kOuthaulTight = 32860;  // アウトホールを締める
constexpr int kOuthaulMedium = 32861;  // アウトホール中間
constexpr int kOuthaulLoose = 32862;  // アウトホールを緩める
constexpr int kVangTight = 32863;  // バングを締める
constexpr int kVangMedium = 32864;  // バング中間
constexpr int kVangLoose = 32865;  // バングを緩める
constexpr int kSpritTight = 32934;  // スプリットを締める
constexpr int kSpritMedium = 32935;  // スプリット中間
constexpr int kSpritLoose = 32936;  // スプリットを緩める
constexpr int kReef = 32866;  // リーフ

// リグ
constexpr int kTravellerTop = 32867;  // トラベラを最も上に  &M
constexpr int kTravellerQuarter = 32868;  // トラベラを上から1/4に
constexpr int kTravellerHalf = 32954;  // トラベラを上から1/2に
constexpr int kTravellerThreeQuarters = 32869;  // トラベラを上から3/4に
constexpr int kTravellerBottom = 32870;  // トラベラを最も下に  &L
constexpr int kMastBendMost = 32871;  // ベンド最大
constexpr int kMastBendMedium = 32872;  // ベンド中間
constexpr int kMastBendNone = 32873;  // ベンドなし
constexpr int kForestayTight = 32874;  // フォアステーを締める
constexpr int kForestayMedium = 32875;  // フォアステー中間
constexpr int kForestayLoose = 32876;  // フォアステーを緩める
constexpr int kAllSheetsAuto = 32877;  // 全シート自動調節  &A
constexpr int kAllSheetsOut = 32878;  // 全シートを出す  &S
constexpr int kSailPowerLeast = 32881;  // セールパワー最小  &1
constexpr int kSailPowerMedium = 32880;  // セールパワー中間  &2
constexpr int kSailPowerMost = 32879;  // セールパワー最大  &3

// ジブ
constexpr int kJibSheetIn = 32882;  // ジブシートを引く  -
constexpr int kJibSheetOut = 32883;  // ジブシートを出す  +
constexpr int kJibAutoTrim = 32884;  // ジブシート自動調節  &A
constexpr int kWingOnWing = 32885;  // 観音開き  W
constexpr int kGenoa = 32886;  // ジェノア
constexpr int kStormJib = 32887;  // 荒天用ジブ
constexpr int kJibLuffTight = 32888;  // ジブのラフを締める
constexpr int kJibLuffMedium = 32889;  // ジブのラフ中間
constexpr int kJibLuffLoose = 32890;  // ジブのラフを緩める
constexpr int kJibLeadForward = 32891;  // リーダ前に
constexpr int kJibLeadMedium = 32892;  // リーダ中間
constexpr int kJibLeadAft = 32893;  // リーダ後ろに
constexpr int kBarberHaulerOut = 32894;  // バーバー外に
constexpr int kBarberHaulerMedium = 32895;  // バーバー中間
constexpr int kBarberHaulerIn = 32896;  // バーバー内に
constexpr int kFurlJib = 32963;  // ジブを巻く
constexpr int kFurlJibPartly = 32964;  // 一部巻く
constexpr int kUnfurlJib = 32965;  // ジブを広げる

// スピン
constexpr int kSpinnakerSet = 32897;  // セット  &P
constexpr int kSpinnakerDrop = 32898;  // おろす  P
constexpr int kSpinnakerSheetIn = 32899;  // シートを引く  -
constexpr int kSpinnakerSheetOut = 32900;  // シートを出す  +
constexpr int kSpinnakerAutoTrim = 32901;  // シート自動調節  &A
constexpr int kGuyForward = 32902;  // ガイを前に  [
constexpr int kGuyAft = 32903;  // ガイを後ろに  ]
constexpr int kGuyAutoTrim = 32904;  // ガイ自動調節  &A
constexpr int kPoleHigh = 32905;  // ポールを高く
constexpr int kPoleMedium = 32906;  // ポール中間
constexpr int kPoleLow = 32907;  // ポールを低く

// 乗員
constexpr int kSkipperToWindward = 32908;  // スキッパー風上に  &5
constexpr int kSkipperToLeeward = 32909;  // スキッパー風下に  &6
constexpr int kCrewToWindward = 32910;  // クルー風上に  &7
constexpr int kCrewToLeeward = 32911;  // クルー風下に  &8
constexpr int kHikeOutFully = 32912;  // ハイクアウト最大  &K
constexpr int kCrewAft = 32913;  // 後ろに  F7
constexpr int kCrewCentre = 32915;  // 真中に  F8
constexpr int kCrewForward = 32916;  // 前に    F9

// ルール
constexpr int kRulesIntroduction = 32919;  // 入門
constexpr int kRulesOppositeTacks = 32920;  // 反対タック
constexpr int kRulesSameTack = 32921;  // 同一タック
constexpr int kRulesOvertaking = 32922;  // 追い越し
constexpr int kRulesPowerVessels = 32923;  // 動力船
constexpr int kRulesMarksAndObstructions = 32924;  // マークと障害物
constexpr int kRulesWindwardMarkRounding = 32925;  // 風上マークの回航
constexpr int kRulesTackingAtObstruction = 32926;  // 障害物タック
constexpr int kRulesSameTackBeforeStart = 32927;  // スタート前の同一タック
constexpr int kRulesRoomAtStartMark = 32928;  // スタートマークのルーム(水)
constexpr int kRulesOther = 32929;  // その他

// ヘルプ
constexpr int kHelpUsingSimulator = 32937;  // シミュレータの操作
constexpr int kHelpCommands = 32938;  // コマンド
constexpr int kHelpCurrentScreen = 32939;  // 現在の画面の説明
constexpr int kHelpPerformanceData = 32951;  // パフォーマンスデータ
constexpr int kHelpDisplaySettings = 32940;  // 表示の設定
constexpr int kHelpSteering = 32941;  // 操舵
constexpr int kHelpMainsailTrim = 32942;  // メインセールの調節
constexpr int kHelpJibAndSpinnakerTrim = 32943;  // ジブとスピンの調節
constexpr int kHelpScoring = 32944;  // 採点
constexpr int kHelpFirstTime = 32946;  // 初めて使う方へ
constexpr int kHelpNewFeatures = 32945;  // 新機能の紹介
constexpr int kHelpCatamaranAndScow = 32947;  // カタマランとスコーの操艇のアドバイス
constexpr int kHelpAsymmetricSpinnaker = 32970;  // 非対称スピンのアドバイス
constexpr int kCoach = 32948;  // コーチ  &Y
constexpr int kGlossary = 32953;  // 用語集
constexpr int kStatusBar = 59393;  // メニュー項目の説明を表示
constexpr int kButtonHelp = 32950;  // コントロールボタンの説明を表示
constexpr int kAbout = 57664;  // Brisamarについて  &A

// Issued by keys and on-screen buttons only
constexpr int kBearAway = 32972;
constexpr int kGybe = 32973;
}  // namespace Cmd

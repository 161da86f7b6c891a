#include "input/command_table.h"

namespace {

using K = MenuNode::Kind;

MenuNode Item(int id) { return {K::Item, id, "", {}}; }
MenuNode Separator() { return {K::Separator, 0, "", {}}; }
MenuNode Menu(const char* label, std::vector<MenuNode> children) {
  return {K::SubMenu, 0, label, std::move(children)};
}

// Items for ids first..last in order.
std::vector<MenuNode> Run(int first, int last) {
  std::vector<MenuNode> items;
  for (int id = first; id <= last; ++id) items.push_back(Item(id));
  return items;
}

std::vector<MenuNode> Join(std::initializer_list<std::vector<MenuNode>> parts) {
  std::vector<MenuNode> all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

std::vector<MenuNode> BuildBar() {
  return {
      Menu("コントロール(&C)",
           {Item(Cmd::kStartSailing), Separator(), Item(Cmd::kCloseHauled), Item(Cmd::kTack), Separator(),
            Item(Cmd::kCentreboardDown), Item(Cmd::kCentreboardMostlyUp), Item(Cmd::kCentreboardUp),
            Separator(), Item(Cmd::kStop), Separator(), Item(Cmd::kMonochrome), Item(Cmd::kSimpleGraphics),
            Item(Cmd::kSoundOff), Item(Cmd::kVoiceOff), Separator(), Item(Cmd::kNextSailing), Separator(),
            Item(Cmd::kExit)}),
      Menu("オプション(&O)",
           {Menu("艇種 ", {Item(Cmd::kSingleHander), Item(Cmd::kTwoPersonDinghy), Item(Cmd::kSpinnakerDinghy),
                           Separator(), Item(Cmd::kOptimist), Item(Cmd::kCatamaran), Item(Cmd::kSkiff),
                           Separator(), Item(Cmd::kScow), Separator(), Item(Cmd::kKeelboat),
                           Item(Cmd::kSportboat), Item(Cmd::kOffshoreRacer), Separator(),
                           Item(Cmd::kCruisingSloop), Item(Cmd::kOffshoreCatamaran),
                           // The skiff is listed a second time at the end.
                           Item(Cmd::kSkiff)}),
            Item(Cmd::kDesign), Item(Cmd::kWheel),
            Menu("難易度(15：難) ", Run(Cmd::kDifficulty1, Cmd::kDifficulty15)), Separator(),
            Menu("セーリング ", Run(Cmd::kAreaCoast, Cmd::kAreaRiver)),
            Menu("セーリングスキル ", Join({Run(Cmd::kSteeringPractice, Cmd::kMooring),
                                            {Separator()},
                                            Run(Cmd::kDocking, Cmd::kCollisionAvoidance)})),
            Menu("レーススキル ", Join({Run(Cmd::kRacingRulesLesson, Cmd::kTacticsLesson),
                                        {Separator(), Item(Cmd::kJustStartTriangleRace),
                                         Item(Cmd::kJustStartWindwardLeewardRace), Item(Cmd::kTriangleRace),
                                         Item(Cmd::kWindwardLeewardRace)}})),
            Item(Cmd::kBigFleet), Separator(), Menu("風", Run(Cmd::kWindSteadyNoShifts, Cmd::kWindStrong)),
            Item(Cmd::kCurrent), Item(Cmd::kVerticalSteeringZone), Separator(), Item(Cmd::kNoAutopilot),
            Item(Cmd::kNoMainAutoTrim), Separator(), Item(Cmd::kUsePreviousScore)}),
      Menu("シミュレータ速度(&S)", Join({Run(Cmd::kSimSpeed1, Cmd::kSimSpeed10),
                                         Run(Cmd::kSimSpeed11, Cmd::kSimSpeed15),
                                         {Separator(), Item(Cmd::kFaster), Item(Cmd::kSlower)}})),
      Menu("表示(&V)", {Item(Cmd::kZoomIn3d), Item(Cmd::kZoomOut3d), Separator(), Item(Cmd::kLookAhead),
                        Item(Cmd::kTurnLookLeft), Item(Cmd::kTurnLookRight), Item(Cmd::kLookAstern),
                        Separator(), Item(Cmd::kChart), Separator(), Item(Cmd::kMainTransparent),
                        Item(Cmd::kMainAndJibTransparent), Separator(), Item(Cmd::kChordLines),
                        Item(Cmd::kLaylines), Separator(), Item(Cmd::kZoomIn2d), Item(Cmd::kZoomOut2d),
                        Separator(), Item(Cmd::kFitToWindow),
                        Separator(), Item(Cmd::kPolar), Item(Cmd::kReplay)}),
      Menu("メイン(&M)", Join({Run(Cmd::kMainSheetIn, Cmd::kMainAutoTrim),
                               {Separator()},
                               Run(Cmd::kCunninghamTight, Cmd::kCunninghamLoose),
                               {Separator()},
                               Run(Cmd::kOuthaulTight, Cmd::kOuthaulLoose),
                               {Separator()},
                               Run(Cmd::kVangTight, Cmd::kVangLoose),
                               {Separator()},
                               Run(Cmd::kSpritTight, Cmd::kSpritLoose),
                               {Separator(), Item(Cmd::kReef)}})),
      Menu("リグ(&R)",
           Join({{Item(Cmd::kTravellerTop), Item(Cmd::kTravellerQuarter), Item(Cmd::kTravellerHalf),
                  Item(Cmd::kTravellerThreeQuarters), Item(Cmd::kTravellerBottom), Separator()},
                 Run(Cmd::kMastBendMost, Cmd::kMastBendNone),
                 {Separator()},
                 Run(Cmd::kForestayTight, Cmd::kForestayLoose),
                 {Separator()},
                 Run(Cmd::kAllSheetsAuto, Cmd::kAllSheetsOut),
                 {Separator(), Item(Cmd::kSailPowerLeast), Item(Cmd::kSailPowerMedium),
                  Item(Cmd::kSailPowerMost)}})),
      Menu("ジブ(&J)", Join({Run(Cmd::kJibSheetIn, Cmd::kWingOnWing),
                             {Separator()},
                             Run(Cmd::kGenoa, Cmd::kStormJib),
                             {Separator()},
                             Run(Cmd::kJibLuffTight, Cmd::kJibLuffLoose),
                             {Separator()},
                             Run(Cmd::kJibLeadForward, Cmd::kJibLeadAft),
                             {Separator()},
                             Run(Cmd::kBarberHaulerOut, Cmd::kBarberHaulerIn),
                             {Separator()},
                             Run(Cmd::kFurlJib, Cmd::kUnfurlJib)})),
      Menu("スピン(&N)", Join({Run(Cmd::kSpinnakerSet, Cmd::kSpinnakerDrop),
                               {Separator()},
                               Run(Cmd::kSpinnakerSheetIn, Cmd::kSpinnakerAutoTrim),
                               {Separator()},
                               Run(Cmd::kGuyForward, Cmd::kGuyAutoTrim),
                               {Separator()},
                               Run(Cmd::kPoleHigh, Cmd::kPoleLow)})),
      Menu("乗員(&P)",
           {Item(Cmd::kSkipperToWindward), Item(Cmd::kSkipperToLeeward), Separator(),
            Item(Cmd::kCrewToWindward), Item(Cmd::kCrewToLeeward), Separator(), Item(Cmd::kHikeOutFully),
            Separator(), Item(Cmd::kCrewAft), Item(Cmd::kCrewCentre), Item(Cmd::kCrewForward)}),
      Menu("ルール(&R)", Join({Run(Cmd::kRulesIntroduction, Cmd::kRulesPowerVessels),
                               {Separator()},
                               Run(Cmd::kRulesMarksAndObstructions, Cmd::kRulesTackingAtObstruction),
                               {Separator()},
                               Run(Cmd::kRulesSameTackBeforeStart, Cmd::kRulesOther)})),
      Menu("ヘルプ(&H)", {Item(Cmd::kHelpUsingSimulator),
                          Item(Cmd::kHelpCommands),
                          Item(Cmd::kHelpCurrentScreen),
                          Item(Cmd::kHelpPerformanceData),
                          Separator(),
                          Item(Cmd::kHelpDisplaySettings),
                          Item(Cmd::kHelpSteering),
                          Item(Cmd::kHelpMainsailTrim),
                          Item(Cmd::kHelpJibAndSpinnakerTrim),
                          Separator(),
                          Item(Cmd::kHelpScoring),
                          Item(Cmd::kHelpFirstTime),
                          Item(Cmd::kHelpNewFeatures),
                          Separator(),
                          Item(Cmd::kHelpCatamaranAndScow),
                          Item(Cmd::kHelpAsymmetricSpinnaker),
                          Separator(),
                          Item(Cmd::kCoach),
                          Item(Cmd::kGlossary),
                          Separator(),
                          Item(Cmd::kStatusBar),
                          Item(Cmd::kButtonHelp),
                          Item(Cmd::kAbout)}),
  };
}

}  // namespace

const std::vector<MenuNode>& MenuBar() {
  static const std::vector<MenuNode> bar = BuildBar();
  return bar;
}

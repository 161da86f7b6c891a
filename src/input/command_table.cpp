#include "input/command_table.h"

#include <algorithm>

#include "world/world.h"

namespace {

bool AtTitle(const World& w) { return w.SailingState == 0; }
bool Sailing(const World& w) { return w.SailingState >= 1; }

void StartSailing(World& w) { w.SailingState = 1; }

void NextSailing(World& w) {
  w.SailingState = 0;
  w.ResultsShown = 0;
  w.Stopped = 0;
  w.InstructionPage = 0;
  w.CoachShown = 0;
  w.BoatX[1] = w.BoatY[1] = 0;
  const int m = w.ActivityMode;
  const int firstPage = m == 10 ? 101 : m == 7 ? 201 : m == 12 ? 501 : 0;
  if (firstPage) {
    w.TutorialStep = 0;
    w.InstructionPage = w.LastInstructionPage = firstPage;
  }
  w.LessonIntroPending = (m == 2 || m == 7 || m == 10 || m == 11 || m == 12) ? 1 : 0;
}

void ToggleStopped(World& w) { w.Stopped = w.Stopped + 1 > 1 ? 0 : w.Stopped + 1; }

const std::vector<Command>& Table() {
  static const std::vector<Command> table = {
      {32789, "セーリングスタート(スペースバー)", StartSailing,
       [](const World& w, CommandUi& ui) { ui.enabled = AtTitle(w); }, "シミュレーションまたは教習を開始する"},
      {32776, "停止  &F", ToggleStopped,
       [](const World& w, CommandUi& ui) {
         ui.enabled = Sailing(w);
         ui.checked = w.Stopped == 1;
       },
       "艇速を止める　その他の艇の動作は継続する"},
      {32777, "次のセーリング  &N", NextSailing,
       [](const World& w, CommandUi& ui) { ui.enabled = Sailing(w); },
       "初期画面に戻る　別のシミュレーションや教習を始めることができる"},
      {kIdExit, "終了  &X", nullptr, nullptr, "プログラムを終了する", WindowAction::Exit},
  };
  return table;
}

}  // namespace

const std::vector<Command>& AllCommands() { return Table(); }

const Command* FindCommand(int id) {
  const auto& t = Table();
  auto it = std::find_if(t.begin(), t.end(), [id](const Command& c) { return c.id == id; });
  return it == t.end() ? nullptr : &*it;
}

const std::vector<MenuNode>& MenuBar() {
  using K = MenuNode::Kind;
  static const std::vector<MenuNode> bar = {
      {K::SubMenu, 0, "コントロール(&C)",
       {{K::Item, 32789},
        {K::Separator},
        {K::Item, 32776},
        {K::Separator},
        {K::Item, 32777},
        {K::Separator},
        {K::Item, kIdExit}}},
      {K::SubMenu, 0, "オプション(&O)", {}},
      {K::SubMenu, 0, "シミュレータ速度(&S)", {}},
      {K::SubMenu, 0, "表示(&V)", {}},
      {K::SubMenu, 0, "メイン(&M)", {}},
      {K::SubMenu, 0, "リグ(&R)", {}},
      {K::SubMenu, 0, "ジブ(&J)", {}},
      {K::SubMenu, 0, "スピン(&N)", {}},
      {K::SubMenu, 0, "乗員(&P)", {}},
      {K::SubMenu, 0, "ルール(&R)", {}},
      {K::SubMenu, 0, "ヘルプ(&H)", {}},
  };
  return bar;
}

CommandUi EvaluateCommand(const World& w, int id) {
  CommandUi ui;
  const Command* c = FindCommand(id);
  if (!c) {
    ui.enabled = false;
    return ui;
  }
  if (c->update) c->update(w, ui);
  return ui;
}

void MenuOpened(World& w) { w.RepaintSuspended = 1; }

bool RunCommand(World& w, int id, WindowAction* action) {
  const Command* c = FindCommand(id);
  if (action) *action = WindowAction::None;
  if (!c || !EvaluateCommand(w, id).enabled) return false;
  if (c->handler) c->handler(w);
  if (action) *action = c->action;
  if (c->redraw) w.RepaintSuspended = 0;
  return true;
}

void InvokeCommand(World& w, int id) {
  const Command* c = FindCommand(id);
  if (!c) return;
  if (c->handler) c->handler(w);
  if (c->redraw) w.RepaintSuspended = 0;
}

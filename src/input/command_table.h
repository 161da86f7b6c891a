// The menu commands: identifiers, labels, handlers, update rules and status-bar prompts, and
// the menu bar that arranges them. The window builds its menus from this table; the probe,
// the keys and the on-screen buttons run the same handlers.
#pragma once

#include <vector>

#include "input/command_ids.h"

struct World;

// The framework's own commands, under their older names.
constexpr int kIdAbout = Cmd::kAbout;
constexpr int kIdExit = Cmd::kExit;
constexpr int kIdStatusBar = Cmd::kStatusBar;

struct CommandUi {
  bool enabled = true;
  bool checked = false;
};

// What a command asks of the window beyond changing the world.
enum class WindowAction { None, Exit, ToggleStatusBar, AboutBox, DesignDialog };

using CommandHandler = void (*)(World& w, int arg);
using CommandTest = bool (*)(const World& w, int arg);

struct Command {
  int id = 0;
  const char* label = "";
  CommandHandler handler = nullptr;  // null for the framework's own commands
  int arg = 0;                       // the value the handler and the tests share
  CommandTest enabled = nullptr;     // null: the framework's default, always enabled
  CommandTest checked = nullptr;     // null: never checked
  WindowAction action = WindowAction::None;
  bool redraw = true;                // false for the one handler that does not redraw
};

struct MenuNode {
  enum class Kind { Item, Separator, SubMenu };
  Kind kind = Kind::Item;
  int id = 0;                 // Item: command id
  const char* label = "";     // SubMenu: its label
  std::vector<MenuNode> children;
};

// The eleven pop-up menus in order.
const std::vector<MenuNode>& MenuBar();

const Command* FindCommand(int id);
const std::vector<Command>& AllCommands();

// The status-bar prompt of a command; empty when the string table has none.
const char* CommandPrompt(int id);

// The update rule's verdict; an unknown id is disabled.
CommandUi EvaluateCommand(const World& w, int id);

// Sets RepaintSuspended, as the framework's menu initialisation does.
void MenuOpened(World& w);

// The window's side of the commands that need it. Without one (the probe), a dialog is
// taken as opened and closed at once.
class CommandWindow {
 public:
  virtual ~CommandWindow() = default;
  virtual void Perform(WindowAction action) = 0;
};

// Runs the command when its update rule enables it: the handler, then the window's part,
// then the redraw that clears RepaintSuspended. False when unknown or disabled.
bool RunCommand(World& w, int id, CommandWindow* window = nullptr);

// Runs the handler and the redraw without consulting the update rule.
void InvokeCommand(World& w, int id);

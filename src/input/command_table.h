// The menu commands: identifiers, labels, handlers, update rules and status-bar prompts, and
// the menu bar that arranges them. The window builds its menus from this table; the probe
// and the keyboard run the same handlers.
#pragma once

#include <string>
#include <vector>

struct World;

// Framework identifiers.
constexpr int kIdAbout = 57664;
constexpr int kIdExit = 57665;
constexpr int kIdStatusBar = 59393;

struct CommandUi {
  bool enabled = true;
  bool checked = false;
};

// What a handler asks of the window beyond the redraw.
enum class WindowAction { None, Exit, ToggleStatusBar, AboutBox, DesignDialog };

struct Command {
  int id = 0;
  const char* label = "";
  void (*handler)(World&) = nullptr;           // null for the framework's own commands
  void (*update)(const World&, CommandUi&) = nullptr;  // null: always enabled, never checked
  const char* prompt = "";                     // status-bar text while highlighted
  WindowAction action = WindowAction::None;
  bool redraw = true;                          // false for the rare handler that does not redraw
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

// The update rule's verdict.
CommandUi EvaluateCommand(const World& w, int id);

// Sets RepaintSuspended, as the framework's menu initialisation does.
void MenuOpened(World& w);

// Runs the command's handler when its update rule enables it; the redraw clears
// RepaintSuspended. Returns false when the command is unknown or disabled.
bool RunCommand(World& w, int id, WindowAction* action = nullptr);

// Runs the handler without consulting the update rule, as the keys do.
void InvokeCommand(World& w, int id);

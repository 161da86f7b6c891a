// The main frame: menu bar built from the command table, the status bar and the view.
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <map>

#include "input/command_table.h"

class CBRMDoc;
class CBRMView;
class QAction;
class QMenu;

class CMainFrame : public QMainWindow, public CommandWindow {
  Q_OBJECT

 public:
  explicit CMainFrame(CBRMDoc& doc);

  int MenuBarHeight() const;
  // Pixel heights of the menu bar's font and of the desktop's standard menu font.
  int MenuFontPixels() const;
  int StandardMenuFontPixels() const;
  // Called after every paint, with the number of paints so far.
  void FramePainted(long long paints, int largeMenuFont);
  // The window's part of a command: dialogs, the status bar, closing.
  void Perform(WindowAction action) override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenu(QMenu* menu, const std::vector<MenuNode>& nodes);
  void ApplyUpdateRules(QMenu* menu);
  void Execute(int id);

  CBRMDoc& doc_;
  CBRMView* view_ = nullptr;
  std::map<QAction*, int> actionIds_;
  QLabel* frameLabel_ = nullptr;
  bool showPaintCount_ = false;
};

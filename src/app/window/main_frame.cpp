#include "app/window/main_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontInfo>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "app/window/about_dialog.h"
#include "app/window/brm_doc.h"
#include "app/window/brm_view.h"
#include "app/window/design_dialog.h"
#include "app/window/program_icon.h"
#include "state/world.h"

CMainFrame::CMainFrame(CBRMDoc& doc) : doc_(doc) {
  setWindowTitle(QStringLiteral("Brisamar"));
  setWindowIcon(ProgramIcon());
  view_ = new CBRMView(doc_, *this);
  setCentralWidget(view_);

  for (const MenuNode& top : MenuBar()) {
    QMenu* menu = menuBar()->addMenu(QString::fromUtf8(top.label));
    BuildMenu(menu, top.children);
  }

  statusBar()->showMessage(QString());
  // A paint counter in the status bar, for watching the frame loop run and stop, with the
  // menu-font reading the layout follows.
  showPaintCount_ = qEnvironmentVariableIsSet("BRISAMAR_SHOW_PAINTS");
  if (showPaintCount_) {
    frameLabel_ = new QLabel(this);
    statusBar()->addPermanentWidget(frameLabel_);
  }
  view_->setFocus();
}

void CMainFrame::BuildMenu(QMenu* menu, const std::vector<MenuNode>& nodes) {
  // Opening any menu stops the frame loop until a command is chosen.
  connect(menu, &QMenu::aboutToShow, this, [this, menu] {
    MenuOpened(doc_.world());
    ApplyUpdateRules(menu);
  });
  for (const MenuNode& node : nodes) {
    switch (node.kind) {
      case MenuNode::Kind::Separator:
        menu->addSeparator();
        break;
      case MenuNode::Kind::SubMenu: {
        QMenu* sub = menu->addMenu(QString::fromUtf8(node.label));
        BuildMenu(sub, node.children);
        break;
      }
      case MenuNode::Kind::Item: {
        const Command* c = FindCommand(node.id);
        if (!c) break;
        QAction* action = menu->addAction(QString::fromUtf8(c->label));
        action->setStatusTip(QString::fromUtf8(CommandPrompt(c->id)));
        actionIds_[action] = c->id;
        const int id = c->id;
        connect(action, &QAction::triggered, this, [this, id] { Execute(id); });
        break;
      }
    }
  }
}

void CMainFrame::ApplyUpdateRules(QMenu* menu) {
  for (QAction* action : menu->actions()) {
    auto it = actionIds_.find(action);
    if (it == actionIds_.end()) continue;
    CommandUi ui = EvaluateCommand(doc_.world(), it->second);
    // The framework's own status-bar item carries its check from the bar itself.
    if (it->second == Cmd::kStatusBar) ui.checked = statusBar()->isVisible();
    action->setEnabled(ui.enabled);
    action->setCheckable(ui.checked);
    action->setChecked(ui.checked);
  }
}

void CMainFrame::Execute(int id) {
  World& w = doc_.world();
  if (!RunCommand(w, id, this)) return;
  if (w.RepaintSuspended == 0) view_->Redraw();
}

void CMainFrame::Perform(WindowAction action) {
  switch (action) {
    case WindowAction::Exit:
      close();
      break;
    case WindowAction::ToggleStatusBar:
      statusBar()->setVisible(!statusBar()->isVisible());
      break;
    case WindowAction::AboutBox: {
      AboutDialog about(this);
      about.exec();
      break;
    }
    case WindowAction::DesignDialog: {
      DesignDialog design(doc_.world(), this);
      design.exec();
      break;
    }
    case WindowAction::None:
      break;
  }
}

int CMainFrame::MenuBarHeight() const { return menuBar()->height(); }

int CMainFrame::MenuFontPixels() const { return QFontInfo(menuBar()->font()).pixelSize(); }

// The desktops' standard interface fonts run from 9 to 11 points; a menu font above 11 points
// is one the user chose to be large.
int CMainFrame::StandardMenuFontPixels() const {
  QFont standard = menuBar()->font();
  standard.setPointSizeF(11);
  return QFontInfo(standard).pixelSize();
}

void CMainFrame::FramePainted(long long paints, int largeMenuFont) {
  if (frameLabel_) frameLabel_->setText(QStringLiteral("paints %1 LargeMenuFont %2").arg(paints).arg(largeMenuFont));
}

// Closing the window ends the program; the document, destroyed after the event loop,
// saves the settings.
void CMainFrame::closeEvent(QCloseEvent* event) { event->accept(); }

#include "app/window/main_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "app/window/brm_doc.h"
#include "app/window/brm_view.h"
#include "world/world.h"

CMainFrame::CMainFrame(CBRMDoc& doc) : doc_(doc) {
  setWindowTitle(QStringLiteral("Brisamar"));
  view_ = new CBRMView(doc_, *this);
  setCentralWidget(view_);

  for (const MenuNode& top : MenuBar()) {
    QMenu* menu = menuBar()->addMenu(QString::fromUtf8(top.label));
    BuildMenu(menu, top.children);
  }

  statusBar()->showMessage(QString());
  // A paint counter in the status bar, for watching the frame loop run and stop.
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
        action->setStatusTip(QString::fromUtf8(c->prompt));
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
    const CommandUi ui = EvaluateCommand(doc_.world(), it->second);
    action->setEnabled(ui.enabled);
    action->setCheckable(ui.checked);
    action->setChecked(ui.checked);
  }
}

void CMainFrame::Execute(int id) {
  WindowAction action = WindowAction::None;
  World& w = doc_.world();
  if (!RunCommand(w, id, &action)) return;
  switch (action) {
    case WindowAction::Exit:
      close();
      return;
    case WindowAction::ToggleStatusBar:
      statusBar()->setVisible(!statusBar()->isVisible());
      break;
    default:
      break;
  }
  if (w.RepaintSuspended == 0) view_->Redraw();
}

int CMainFrame::MenuBarHeight() const { return menuBar()->height(); }

void CMainFrame::FramePainted(long long paints) {
  if (frameLabel_) frameLabel_->setText(QStringLiteral("paints %1").arg(paints));
}

void CMainFrame::closeEvent(QCloseEvent* event) { event->accept(); }

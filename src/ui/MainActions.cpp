#include "ui/MainActions.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "ui/CommandAvailability.h"
#include "ui/MainSession.h"
#include "ui/ToolIcons.h"

namespace lumo::ui {
namespace {

// Menu items that are the same command, with the same state, as a tool-panel button.
struct SharedCommand {
  Menu menu;
  Tool tool;
};
constexpr SharedCommand kShared[] = {
    {Menu::mnuOpenFiles, Tool::SSROpenData}, {Menu::mnuCloseFiles, Tool::SSRCloseData},
    {Menu::mnuOpenFit, Tool::SSCOpen},        {Menu::mnuSaveFit, Tool::SSCSave},
    {Menu::mnuPrint, Tool::SSCPrint},         {Menu::mnuSetScrollBarProperties, Tool::SSCSetProperties},
    {Menu::mnuAbout, Tool::SSCAbout},         {Menu::mnuMultiPlot, Tool::SSRMultiPlot},
    {Menu::mnuLine, Tool::SSRLine},           {Menu::mnuPoints, Tool::SSRPoints},
    {Menu::mnuErrorBars, Tool::SSRErrorBars}, {Menu::mnuLogX, Tool::SSRLogX},
    {Menu::mnuLogY, Tool::SSRLogY},           {Menu::mnuRefine, Tool::SSCRefine},
};

// Two-state buttons whose down state is only a moment of their command.
bool momentary(Tool t) {
  return t == Tool::SSROpenData || t == Tool::SSRCloseData || t == Tool::SSRSaveData;
}

// The tool bar, in groups.
constexpr Tool kToolBarOrder[] = {
    Tool::SSROpenData, Tool::SSRCloseData, Tool::SSCReload, Tool::SSRSaveData, Tool::Count,
    Tool::SSCOpen, Tool::SSCSave, Tool::SSCPrint, Tool::Count,
    Tool::SSRFitting, Tool::SSCPause, Tool::SSRIncreasePoints, Tool::SSRResidual, Tool::SSRAutoFit,
    Tool::SSCRefine, Tool::Count,
    Tool::SSRBackGroundSub, Tool::SSRScaleFactor, Tool::SSRRemoveNegatives, Tool::Count,
    Tool::SSRPoints, Tool::SSRLine, Tool::SSRErrorBars, Tool::SSRLogX, Tool::SSRLogY,
    Tool::SSRMultiPlot, Tool::Count,
    Tool::SSCSetProperties, Tool::SSRToolTips, Tool::SSCAbout,
};

// The text of a tool's action: its hover text, or a name of its own.
QString toolText(Tool t) {
  switch (t) {
    case Tool::SSCAbout: return QStringLiteral("About");
    case Tool::SSCPause: return QStringLiteral("Calculation Paused");
    case Tool::SSRMultiPlot: return QStringLiteral("MultiPlot");
    default: return QString::fromStdString(hoverText(t));
  }
}

// "&1  /data/run&1.vld" with the path's own ampersands shown as such.
QString historyCaption(int number, const std::string& path) {
  QString shown = QString::fromStdString(path);
  shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
  return QStringLiteral("&%1  %2").arg(number).arg(shown);
}

}  // namespace

MainActions::MainActions(QMainWindow* window) : QObject(window), window_(window) {
  createToolActions();
  createMenus(window);
}

void MainActions::createToolActions() {
  for (int i = 0; i < kToolCount; ++i) {
    const Tool t = static_cast<Tool>(i);
    auto* a = new QAction(toolIcon(t), toolText(t), this);
    a->setObjectName(QString::fromLatin1(toolName(t)));
    a->setCheckable(isTwoState(t) && !momentary(t));
    connect(a, &QAction::triggered, this, [this, t](bool checked) { emit toolTriggered(t, checked); });
    tools_[static_cast<size_t>(i)] = a;
  }
  toolBar_ = new QToolBar(QStringLiteral("Tools"), window_);
  toolBar_->setObjectName(QStringLiteral("toolPanel"));
  toolBar_->setMovable(false);
  toolBar_->setIconSize({22, 22});
  for (Tool t : kToolBarOrder) {
    if (t == Tool::Count)
      toolBar_->addSeparator();
    else
      toolBar_->addAction(tool(t));
  }
  window_->addToolBar(toolBar_);
}

QAction* MainActions::menuOnly(Menu m, bool checkable) {
  auto* a = new QAction(QString::fromUtf8(menuCaption(m)), this);
  a->setObjectName(QString::fromLatin1(menuName(m)));
  a->setCheckable(checkable);
  connect(a, &QAction::triggered, this, [this, m] { emit menuTriggered(m); });
  menus_[static_cast<size_t>(m)] = a;
  return a;
}

void MainActions::createMenus(QMainWindow* window) {
  for (const SharedCommand& s : kShared) {
    QAction* a = tool(s.tool);
    // A shared action reads as the menu item in the menu and as the button's hover text
    // on the tool bar.
    a->setIconText(a->text());
    a->setText(QString::fromUtf8(menuCaption(s.menu)));
    menus_[static_cast<size_t>(s.menu)] = a;
    shared_[static_cast<size_t>(s.menu)] = true;
  }
  QMenuBar* bar = window->menuBar();
  fileMenu_ = bar->addMenu(QStringLiteral("&File"));
  fileMenu_->addActions({menu(Menu::mnuOpenFiles), menu(Menu::mnuCloseFiles)});
  fileMenu_->addSeparator();
  fileMenu_->addActions({menu(Menu::mnuOpenFit), menu(Menu::mnuSaveFit)});
  fileMenu_->addSeparator();
  fileMenu_->addActions({menu(Menu::mnuPrint), menuOnly(Menu::mnuExportPlot)});
  fileMenu_->addSeparator();
  fileMenu_->addAction(menuOnly(Menu::mnuStartDataConv));
  fileMenu_->addSeparator();
  fileMenu_->addAction(menuOnly(Menu::mnuExit));
  // A separator with a text is drawn as a heading showing that text ("-").
  for (Menu m : {Menu::mnuClearHistorySeparator, Menu::mnuFileArraySeparator}) {
    QAction* separator = menuOnly(m);
    separator->setText(QString());
    separator->setSeparator(true);
  }
  fileMenu_->addActions({menu(Menu::mnuClearHistorySeparator), menuOnly(Menu::mnuClearHistory),
                         menu(Menu::mnuFileArraySeparator)});

  QMenu* fitting = bar->addMenu(QStringLiteral("Fi&tting"));
  fitting->addActions({menuOnly(Menu::mnuOn, true), menuOnly(Menu::mnuOff, true)});
  fitting->addSeparator();
  fitting->addActions({menuOnly(Menu::mnuResidual, true), menuOnly(Menu::mnuPointsInCalculation)});
  fitting->addSeparator();
  fitting->addActions({menuOnly(Menu::mnuAutoFit), menu(Menu::mnuRefine)});

  QMenu* plot = bar->addMenu(QStringLiteral("&Plot"));
  plot->addAction(menu(Menu::mnuMultiPlot));
  plot->addSeparator();
  plot->addActions({menu(Menu::mnuLine), menu(Menu::mnuPoints), menu(Menu::mnuErrorBars)});
  plot->addSeparator();
  plot->addActions({menu(Menu::mnuLogX), menu(Menu::mnuLogY)});

  dataMenu_ = bar->addMenu(QStringLiteral("&Data"));
  menus_[static_cast<size_t>(Menu::mnuData)] = dataMenu_->menuAction();
  for (Menu m : {Menu::mnuSubBgd, Menu::mnuScaleData, Menu::mnuRemoveNegativePoints,
                 Menu::mnuReLoad, Menu::mnuSaveData})
    dataMenu_->addAction(menuOnly(m));

  bar->addMenu(QStringLiteral("&Options"))->addAction(menu(Menu::mnuSetScrollBarProperties));
  QMenu* help = bar->addMenu(QStringLiteral("&Help"));
  help->addActions({menuOnly(Menu::mnuReleaseNotes), menuOnly(Menu::mnuWebsite), menu(Menu::mnuAbout)});
}

QWidget* MainActions::toolButton(Tool t) const { return toolBar_->widgetForAction(tool(t)); }

void MainActions::sync(const MainSession& session) {
  // While a fit runs, the commands are locked except the hover texts, the about box and
  // leaving the program.
  const bool locked = session.fitRunning();
  for (int i = 0; i < kToolCount; ++i) {
    const Tool t = static_cast<Tool>(i);
    const ToolButtonState& s = session.tools()[t];
    QAction* a = tools_[static_cast<size_t>(i)];
    const bool enabled = s.enabled && hasAction(t) &&
                         (!locked || t == Tool::SSRToolTips || t == Tool::SSCAbout);
    if (a->isEnabled() != enabled) a->setEnabled(enabled);
    if (a->isCheckable() && a->isChecked() != s.down) a->setChecked(s.down);
    if (a->isVisible() != s.visible) a->setVisible(s.visible);
  }
  for (int i = 0; i < kMenuCount; ++i) {
    if (shared_[static_cast<size_t>(i)]) continue;
    const Menu m = static_cast<Menu>(i);
    const MenuItemState& s = session.menus()[m];
    QAction* a = menus_[static_cast<size_t>(i)];
    const bool enabled = session.menuEnabled(m) && hasAction(m) && (!locked || m == Menu::mnuExit);
    if (a->isEnabled() != enabled) a->setEnabled(enabled);
    if (a->isCheckable() && a->isChecked() != s.checked) a->setChecked(s.checked);
    if (a->isVisible() != s.visible) a->setVisible(s.visible);
  }
  syncHistory(session);
  for (QAction* a : historyActions_) a->setEnabled(!locked);
}

void MainActions::syncHistory(const MainSession& session) {
  const std::vector<std::string>& paths = session.history().paths();
  if (paths == shownHistory_) return;
  for (QAction* a : historyActions_) {
    fileMenu_->removeAction(a);
    a->deleteLater();
  }
  historyActions_.clear();
  for (size_t i = 0; i < paths.size(); ++i) {
    const int number = static_cast<int>(i) + 1;
    auto* a = new QAction(historyCaption(number, paths[i]), this);
    connect(a, &QAction::triggered, this, [this, number] { emit historyTriggered(number); });
    fileMenu_->addAction(a);
    historyActions_.push_back(a);
  }
  shownHistory_ = paths;
}

}  // namespace lumo::ui

#pragma once
// The fitting frames of the side column, stacked: the limit panel, the residual panel,
// the automatic-fitting panel, the constrained-fit panel and the refinement panel. Each shows when the session
// opens it; the user's choices go to the session's handlers through `run`, the window's
// way of running a handler as a user action.
#include <QWidget>

#include <functional>

namespace lumo::ui {

class AutoFitPanel;
class ConstrainPanel;
class LimitPanel;
class MainSession;
class RefineFrame;
class ResidualPanel;

class FittingFrames : public QWidget {
  Q_OBJECT

 public:
  using Handler = std::function<void(MainSession&)>;
  using Runner = std::function<void(const Handler&)>;

  FittingFrames(Runner run, QWidget* parent = nullptr);
  // Shows the open frames; while a fit runs they take no input.
  void sync(const MainSession& session);

 private:
  void connectResidual();
  void connectAutoFit();
  void connectConstrain();

  Runner run_;
  LimitPanel* limit_;
  ResidualPanel* residual_;
  AutoFitPanel* autoFit_;
  ConstrainPanel* constrain_;
  RefineFrame* refine_;
};

}  // namespace lumo::ui

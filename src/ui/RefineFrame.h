#pragma once
// The refinement panel of the side column: the measure in force, a tick box per
// parameter of the layers in use, the seed, Start and Cancel, and the results table of
// the last refinement. It shows the session's RefinePanel and forwards the user's
// choices to the session's handlers.
#include <QGroupBox>

#include <vector>

#include "ui/PanelWidgets.h"
#include "ui/RefinePanel.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class QVBoxLayout;

namespace lumo::ui {

class RefineFrame : public QGroupBox {
  Q_OBJECT

 public:
  explicit RefineFrame(SessionRunner run, QWidget* parent = nullptr);
  void sync(const MainSession& session);

 private:
  void rebuildChoices(const std::vector<RefineChoice>& choices);
  void showResults(const RefinePanel& panel);
  void fitTableHeight();

  SessionRunner run_;
  QLabel* measure_;
  QVBoxLayout* choiceList_;
  std::vector<QCheckBox*> boxes_;
  std::vector<ScrollId> shownIds_;
  QLineEdit* seed_;
  QTableWidget* results_;
  QLabel* summary_;
};

}  // namespace lumo::ui

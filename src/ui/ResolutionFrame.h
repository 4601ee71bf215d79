#pragma once
// "Resolution" (frameResolution): dQ/Q in per cent, the choice of each data set's own
// resolution, "&OK" and "&Cancel". It shows the session's ResolutionPanel and hands
// every edit and click to the session.
#include <QGroupBox>

#include "ui/PanelWidgets.h"

class QCheckBox;
class QLineEdit;

namespace lumo::ui {

class ResolutionFrame : public QGroupBox {
  Q_OBJECT

 public:
  explicit ResolutionFrame(SessionRunner run, QWidget* parent = nullptr);
  void sync(const MainSession& session);

 private:
  SessionRunner run_;
  QLineEdit* percent_ = nullptr;
  QCheckBox* fromData_ = nullptr;
};

}  // namespace lumo::ui

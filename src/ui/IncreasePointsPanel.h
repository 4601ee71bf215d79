#pragma once
// The "Number Of Points" panel: the grid size for the calculated curves, with OK and
// "&Reset" (back to the data's own points).
#include <QGroupBox>

class QLineEdit;

namespace lumo::ui {

class IncreasePointsPanel : public QGroupBox {
  Q_OBJECT

 public:
  explicit IncreasePointsPanel(QWidget* parent = nullptr);
  void setText(const QString& text);
  QString text() const;

 signals:
  void textEdited(const QString& text);
  void accepted();
  void reset();

 private:
  QLineEdit* points_;
};

}  // namespace lumo::ui

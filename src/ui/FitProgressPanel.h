#pragma once
// The progress of a long fit in the status bar: a bar with the evaluations done, the
// best residual so far, and a Cancel button (Esc does the same).
#include <QWidget>

class QProgressBar;
class QPushButton;

namespace lumo::ui {

struct FitStatus;

class FitProgressPanel : public QWidget {
  Q_OBJECT

 public:
  explicit FitProgressPanel(QWidget* parent = nullptr);
  // Shown while the status asks for it, with its fraction and text.
  void sync(const FitStatus& status);
  QString text() const;

 signals:
  void cancelled();

 private:
  QProgressBar* bar_;
  QPushButton* cancel_;
};

}  // namespace lumo::ui

#pragma once
// The widgets of the converter's text view, mirroring a TextView: the view buttons, the
// upper list with its name box and stepping buttons, and the lower ones.
#include <QWidget>

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace lumo::converter {
class TextView;
}

namespace lumo::ui {

class TextViewPanel : public QWidget {
  Q_OBJECT

 public:
  TextViewPanel(converter::TextView& view, QWidget* parent = nullptr);

  // Shows the view's state.
  void refresh();

  QPushButton* cmdViewOne = nullptr;
  QPushButton* cmdViewTwo = nullptr;
  QPushButton* cmdReturn = nullptr;
  QLineEdit* txtNameOne = nullptr;
  QPushButton* cmdPrevious = nullptr;
  QPushButton* cmdNext = nullptr;
  QListWidget* lstText = nullptr;
  QGroupBox* lowerFrame = nullptr;
  QLineEdit* txtNameTwo = nullptr;
  QPushButton* cmdPreviousTwo = nullptr;
  QPushButton* cmdNextTwo = nullptr;
  QListWidget* lstTextTwo = nullptr;

 signals:
  void returnRequested();

 private:
  QWidget* paneControls(QLineEdit*& name, QPushButton*& previous, const QString& previousText,
                        QPushButton*& next, const QString& nextText);
  void onClick(QPushButton* button, void (*handler)(converter::TextView&));

  converter::TextView& view_;
};

}  // namespace lumo::ui

#pragma once
// The converter window ("Data Manager"): picks files in a drive, folder and file browser,
// converts them between reflectivity formats, deletes them, and shows their text. Its
// behaviour lives in converter::ConverterState; the widgets mirror it and forward to it.
#include <QMainWindow>

#include <array>
#include <memory>

#include "converter/ConverterState.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace lumo::plot {
class QtFigureWriter;
class QtPagePrinter;
}  // namespace lumo::plot

namespace lumo::ui {

class FileBrowser;
class PlotViewPanel;
class TextViewPanel;

class DataConverter : public QMainWindow {
  Q_OBJECT

 public:
  // Messages go through `dialogs`; without one the window uses Qt's message boxes.
  explicit DataConverter(Dialogs* dialogs = nullptr, QWidget* parent = nullptr);
  ~DataConverter() override;

  converter::ConverterState& state() { return *state_; }
  FileBrowser* browser() const { return browser_; }
  TextViewPanel* textPanel() const { return textPanel_; }
  PlotViewPanel* plotPanel() const { return plotPanel_; }
  // Where the plot view prints (tests: a PDF file); null restores Qt's print dialog.
  void setPrinter(PagePrinter* printer);

  // The controls, named as the window's behaviour names them.
  std::array<QRadioButton*, converter::kInputFormats.size()> inputOptions{};  // optISISData .. optUserDefinedData
  std::array<QCheckBox*, converter::kOutputFormats.size()> outputBoxes{};  // chkLumo .. chkGO, chkORSO
  QLineEdit* txtTitle = nullptr;
  QLineEdit* txtSLD = nullptr;
  QCheckBox* chkOverWrite = nullptr;
  QPushButton* cmdConvert = nullptr;
  QPushButton* cmdPlot = nullptr;
  QPushButton* cmdViewText = nullptr;
  QPushButton* cmdDelete = nullptr;
  QPushButton* cmdReturntoLumo = nullptr;
  QLabel* lblStatus = nullptr;
  QAction* mnuReturntoLumo = nullptr;
  QAction* mnuConvert = nullptr;
  QAction* mnuPlot = nullptr;
  QAction* mnuViewText = nullptr;
  QAction* mnuDelete = nullptr;
  QAction* mnuEnableDeleting = nullptr;

  void cmdConvert_Click();
  void cmdDelete_Click();
  void cmdViewText_Click();
  void cmdPlot_Click();
  void cmdReturn_Click();
  void mnuEnableDeleting_Click();

 signals:
  // The converter closes; the main window comes back (maximised).
  void returnToLumoRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* buildConversionView();
  QGroupBox* buildInputFrame();
  QGroupBox* buildOutputFrame();
  QGroupBox* buildVariablesFrame();
  QWidget* buildButtons();
  void buildMenus();
  void refresh();
  void showStatus();

  std::unique_ptr<Dialogs> ownDialogs_;
  std::unique_ptr<plot::QtPagePrinter> qtPrinter_;
  std::unique_ptr<plot::QtFigureWriter> figureWriter_;
  std::unique_ptr<converter::ConverterState> state_;
  FileBrowser* browser_ = nullptr;
  TextViewPanel* textPanel_ = nullptr;
  PlotViewPanel* plotPanel_ = nullptr;
  QStackedWidget* views_ = nullptr;
  bool returned_ = false;
  bool busyCursor_ = false;
};

}  // namespace lumo::ui

#pragma once
// The main window's behaviour without a window: the layer model with the editor's
// controls, the four data-set slots, the calculation, the plot surfaces, the tool panel
// and menus, the history and the window-level fields. The Qt window shows this state and
// forwards the user's actions to the handlers below; tests call the handlers directly.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/LayerEditorState.h"
#include "files/CalcSettingsFile.h"
#include "files/DataFile.h"
#include "files/ModelScrollValues.h"
#include "files/DataSet.h"
#include "files/RecentFiles.h"
#include "model/CalcOptions.h"
#include "model/FitCurve.h"
#include "model/LayerModel.h"
#include "model/ReflectivityEngine.h"
#include "fitting/ConstrainedFitPlan.h"
#include "fitting/FitController.h"
#include "fitting/FitWorkers.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/FolderKeepingDialogs.h"
#include "platform/WorkingFolder.h"
#include "plot/DataPlot.h"
#include "plot/FigureExport.h"
#include "plot/FigureWriter.h"
#include "plot/PagePrinter.h"
#include "plot/PlotMapping.h"
#include "plot/PlotSurface.h"
#include "ui/DataOpsPanels.h"
#include "ui/ExportPlotPanel.h"
#include "ui/FittingPanels.h"
#include "ui/MenuState.h"
#include "ui/PlotInteraction.h"
#include "ui/PrintForms.h"
#include "ui/ResolutionPanel.h"
#include "ui/RefinePanel.h"
#include "ui/SaveFitPanel.h"
#include "ui/SldProfilePanel.h"
#include "ui/ScrollPropertiesForm.h"
#include "ui/ToolPanelState.h"

namespace lumo::ui {

inline constexpr int kShiftKey = 16;
inline constexpr int kEscapeKey = 27;
inline constexpr int kPlotSurfaces = 5;  // 0 is the enlarged plot, 1..4 the small ones

inline constexpr const char* kLogYAxisCaption = "L o g   R e f l e c t i v i t y";
inline constexpr const char* kLinearYAxisCaption = "R e f l e c t i v i t y";
inline constexpr const char* kXAxisCaption = "Q / A-1";
inline constexpr const char* kMessageTitle = "LUMO";

struct FitJob;

// What the window shows of a running fit.
struct FitStatus {
  bool running = false;
  bool progressVisible = false;  // the run has gone on long enough to show its progress
  std::int64_t done = 0;         // evaluations made
  std::int64_t total = 0;        // evaluations the whole run makes
  double fraction = 0;           // done of total, 0..1
  std::string text;              // "Thickness of layer 1: 40 of 101 trials, best residual ..."
};

// The layer model as the scroll bars hold it, into `model` (SLDs in Å^-2, fractions
// 0..1), all layers and contrasts, whatever the count in use.
void fillModelFromScrollBars(LayerModel& model, const LayerEditorState& editor);

class MainSession {
 public:
  // Without `clock` the session times its fits by the steady clock.
  MainSession(Dialogs& dialogs, WorkingFolder& folder, Clock* clock = nullptr);
  ~MainSession();

  // ---- State, for the view and for tests
  const LayerEditorState& editor() const { return editor_; }
  const ToolPanelState& tools() const { return tools_; }
  const MenuState& menus() const { return menus_; }
  const RecentFiles& history() const { return history_; }
  const DataStore& store() const { return store_; }
  const LayerModel& model() const { return model_; }
  const PlotSurface& picPlot(int p) const { return picPlot_[static_cast<size_t>(p)]; }
  const PlotMapping& mapping(int d) const { return mapping_[static_cast<size_t>(d)]; }
  int XTicksPerUnit() const { return xTicksPerUnit_; }
  int YTicksPerUnit() const { return yTicksPerUnit_; }
  int CurrentPlot() const { return currentPlot_; }
  bool CalcPaused() const { return calcPaused_; }
  bool BusyFlag() const { return busy_; }
  const std::string& increasePointsMarker() const { return marker_; }
  const std::string& txtIncreasePointsNumPts() const { return pointsText_; }
  bool increasePointsPanelVisible() const { return pointsPanelVisible_; }
  bool picLoadFileVisible(int i) const { return loadPictureVisible_[static_cast<size_t>(i)]; }
  bool PicYFixVisible(int p) const { return yFixVisible_[static_cast<size_t>(p)]; }
  // The Y axis title follows the Log Y switch on every path (data, start-up curves, none).
  std::string lblYAxis() const;
  const std::string& lblCumulativeResidual() const { return cumulativeResidual_; }
  const FittingPanels& fittingPanels() const { return panels_; }
  const SaveFitPanel& saveFitPanel() const { return saveFit_; }
  const ScrollPropertiesForm& scrollProperties() const { return properties_; }
  const PrintForms& printForms() const { return print_; }
  const std::string& homeFolder() const { return homeFolder_; }
  const std::string& lastWorkingFolder() const { return lastFolder_; }
  bool exitRequested() const { return exitRequested_; }
  // A command the user can choose now: enabled, shown and with an action.
  bool toolUsable(Tool tool) const;
  bool menuUsable(Menu item) const;
  // A menu item's enabled state: its own, and for "Export Plot" a plot shown to export.
  bool menuEnabled(Menu item) const;
  // The loaded-data test: data are loaded exactly while "&Close Files" is enabled.
  bool dataLoaded() const { return menus_.enabled(Menu::mnuCloseFiles); }
  // The data store holds log10 Q: "Log X" is down and data files are loaded (the
  // start-up curves are always linear in Q).
  bool storeHoldsLogX() const { return tools_.down(Tool::SSRLogX) && dataLoaded(); }
  bool fittingOn() const { return tools_.down(Tool::SSRFitting); }
  // The options the calculation reads now.
  CalcOptions calcOptions() const;
  // How many times the reflectivity has been calculated (Prof_Calc_2 runs).
  int calculationCount() const { return calculations_; }

  // ---- Start-up, settings file, history
  void Form_Load();
  void UpdateMenu(int m);
  void mnuFileArray_Click(int index);
  void mnuClearHistory_Click();
  void mnuExit_Click();
  // The window is closed by its close button: the settings are saved as by "E&xit
  // Lumo", unless that has just done it.
  void Form_Unload();
  // Entry point of the data converter window; the window that owns this session opens it.
  void mnuStartDataConv_Click() {}

  // ---- Tool panel and menus. A two-state button takes its new value before its
  // handler runs; a menu item performs its button's action.
  void toolClicked(Tool tool, bool down = false);
  void menuClicked(Menu item);
  void toolMouseMove(Tool tool);
  void Form_MouseMove();

  // ---- Layer editor
  // Sets a scroll bar (clamped to its range); when the value changes, the bar's change
  // handler runs, as for a user's move.
  void setScrollValue(ScrollId id, int value);
  // Gives a scroll bar new properties (Value is ignored); a value outside the new range
  // moves to its nearest end through the change handler, so the model follows.
  void setScrollProperties(ScrollId id, const ScrollBar& properties);
  void hsbThickness_Change(int i) { layerParameterChanged({ScrollFamily::Thickness, i}); }
  void hsbSLD_Change(int i) { layerParameterChanged({ScrollFamily::SLD, i}); }
  void hsbSolvent_Change(int i) { layerParameterChanged({ScrollFamily::Solvent, i}); }
  void hsbRoughness_Change(int i) { layerParameterChanged({ScrollFamily::Roughness, i}); }
  void hsbSolidSLD_Change();
  void hsbSLDRun_Change(int k);
  void hsbNumLayers_Change();
  void hsbWhichLayers_Change();
  // Typed entry into a layer parameter's box (thickness, SLD, solvent, roughness).
  void txtParameter_GotFocus(ScrollId id);
  void txtParameter_LostFocus(ScrollId id, const std::string& typed);
  void optAirLiquid_Click();
  void optSolidLiquid_Click();
  // Caption labels: while automatic fitting is on, a click scans the parameter (a
  // thickness in "Constrain Thickness" mode is selected or deselected instead).
  void lblThickness_Click(int i);
  void lblSLD_Click(int i);
  void lblSolvent_Click(int i);
  void lblRoughness_Click(int i);

  // ---- Residual display
  void SSRResidual_Click(bool down);
  void optChiSquared_Click();
  void optLeastSquares_Click();
  void cmdResidualOK_Click();
  void cmdResidualCancel_Click();

  // ---- Automatic fitting and the constrained thickness fit
  void SSRAutoFit_Click(bool down);
  void mnuAutoFit_Click();
  void optFitStandard_Click();
  void optFitConstrainThickness_Click();
  void cmdAutoFitOK_Click();
  void cmdAutoFitCancel_Click();
  void setConstrainStartText(const std::string& text);
  void setConstrainFinishText(const std::string& text);
  void cmdConstrainGO_Click();
  void cmdConstrainCancel_Click();
  void cmdTooManyOK_Click();

  // ---- Refinement of many parameters ("&Refine…"): the panel ticks parameters of the
  // layers in use; Start refines them together with the residual panel's measure.
  const RefinePanel& refinePanel() const { return refine_; }
  // The panel's tick boxes for the present number of layers.
  std::vector<RefineChoice> refineChoices() const;
  void SSCRefine_Click();
  void chkRefine_Click(ScrollId id, bool ticked);
  void setRefineSeedText(const std::string& text);
  void cmdRefineStart_Click();
  void cmdRefineCancel_Click();

  // ---- Fits in progress. A fit runs in slices: the window calls fitTick() whenever it
  // has nothing else to do, until fitRunning() is false. While a fit runs, every command
  // that would change the model or the data is refused; Esc (Form_KeyDown with
  // kEscapeKey) or cancelFit() ends it with everything as it was before it started.
  bool fitRunning() const { return job_ != nullptr; }
  void fitTick();
  void cancelFit();
  FitStatus fitStatus() const;

  // ---- Pause and full recalculation (Shift), resizing
  // Shift pauses the calculation; Esc cancels a running fit.
  void Form_KeyDown(int keyCode, int shift);
  void Form_KeyUp(int keyCode, int shift);
  // Shift down and up: recalculates and refreshes the curves while "Calculate Fit" is on.
  void fullRecalculation();
  void Form_Resize() { fullRecalculation(); }

  // ---- Data files
  void openDataAction();    // SSROpenData, mnuOpenFiles
  // The files named on the program's command line, opened at start as "Open Data Files"
  // opens the files chosen in its dialogs; more than four are refused with a message.
  void openDataFiles(const std::vector<std::string>& paths);
  void reloadDataAction();  // SSCReload, mnuReLoad
  void closeDataAction();   // SSRCloseData, mnuCloseFiles
  void picLoadFile_Click(int index);
  void LoadData();
  bool ReLoadData();
  // Reads `path` into the next free slot and shows it; false (with the file's message
  // shown) when it cannot be read.
  bool LoadOneDataSet(const std::string& path);

  // ---- Model files: "Open Fit" and the Save Fit panel
  void SSCOpen_Click();
  // Reads and checks a whole model file, then puts it on the scroll bars; false (with
  // the file's message shown, nothing changed) when it cannot be used.
  bool openModelFile(const std::string& path);
  void SSCSave_Click();
  void chkDataSet_Click(int slot, bool checked);
  void chkKeepOriginalPoints_Click(bool checked);
  void chkSaveDataAsWell_Click(bool checked) { saveFit_.saveDataAsWell = checked; }
  void setSaveFitText(SaveFitBox box, const std::string& text);
  void cmdSaveFitOK_Click();
  void cmdSaveFitCancel_Click();
  // The layer part of a model file as the scroll bars hold it now.
  ModelScrollValues modelScrollValues() const;

  // ---- Scroll-bar properties (frameSetScrollBars)
  void SSCSetProperties_Click();
  void hsbWhichLayerProperties_Change(int layer);
  void setPropertyText(ScrollFamily family, ScrollProperty property, const std::string& text);
  // Checks all sixteen boxes first; a fault is shown naming its box and changes nothing.
  void cmdSetProperties_Click();
  void cmdDefault_Click();
  void CmdOK2_Click();

  // ---- Printing: the print options and the print form
  // Where pages are printed; without a printer, printing says that none is available.
  void setPrinter(PagePrinter* printer) { printer_ = printer; }
  void SSCPrint_Click();
  void chkPrintSet_Click(int slot, bool ticked);
  void cmdPrintPreview_Click();
  void cmdPrintPrint_Click();
  void cmdPrintCancel_Click() { print_.optionsVisible = false; }
  void cmdLumoPrintPrint_Click();
  void cmdLumoPrintCancel_Click() { print_.formVisible = false; }
  // The picture of data set d as the print form shows it: frame, ticks and labels (the
  // x ones also on a logarithmic X axis), data and, while "Calculate Fit" is on, the
  // calculated curve.
  PlotSurface printPicture(int d) { return figurePicture(d); }

  // ---- Figure export: "&Export Plot…" writes the shown plots (or the enlarged or
  // combined plot) as an SVG, PDF or PNG figure through the figure-writer seam.
  void setFigureWriter(FigureWriter* writer) { figureWriter_ = writer; }
  const ExportPlotPanel& exportPlotPanel() const { return export_; }
  // The surfaces shown now: the enlarged plot (0) alone, or the visible small plots.
  std::vector<int> shownPlots() const;
  void mnuExportPlot_Click();
  void setExportPlotText(ExportPlotBox box, const std::string& text) { export_.text(box) = text; }
  // Checks the boxes, asks for the file, and writes the figure; every fault is shown
  // with the file's name, and the panel stays open for another try.
  void cmdExportPlotOK_Click();
  void cmdExportPlotCancel_Click() { export_.visible = false; }
  // The figure of the shown plots with the axis captions of the window, and the SLD
  // profile beside them while its panel is shown.
  PrintPage figurePage(const FigureSize& size);
  // Surface p drawn afresh as a figure shows it: frame, ticks and labels (the x ones
  // also on a logarithmic X axis), title, data and, while "Calculate Fit" is on, the
  // curves; the combined plot with every set, its legend and every curve. The plots on
  // the screen stay as they are.
  PlotSurface figurePicture(int p);

  // ---- Calculation grid and the Calculate-Fit switch
  void SSRFitting_Click(bool down);
  void SSRIncreasePoints_Click();
  void setIncreasePointsText(const std::string& text) { pointsText_ = text; }
  void cmdIncreasePointsOK_Click();
  void cmdIncreasePointsCancel_Click();
  void SetUpDummyData();

  // ---- Display switches
  void SSRLogX_Click(bool down);
  void SSRLogY_Click(bool down);
  void SSRPoints_Click(bool down) { displaySwitched(Menu::mnuPoints, down); }
  void SSRLine_Click(bool down) { displaySwitched(Menu::mnuLine, down); }
  void SSRErrorBars_Click(bool down) { displaySwitched(Menu::mnuErrorBars, down); }
  void SSRMultiPlot_Click(bool down);
  void picEnlarge_Click(int p);

  // ---- Calculation settings: "Resolution…" and "Exact Wave Vector (wavelength-free)"
  // of the Options menu, remembered in lumo-calc.ini; every calculation, residual, scan
  // and fit takes them through calcOptions().
  const CalcSettings& calcSettings() const { return calcSettings_; }
  const ResolutionPanel& resolutionPanel() const { return resolution_; }
  // The line beside the cumulative residual that says how the curves are calculated.
  std::string lblCalcSettings() const { return calcSettingsCaption(calcSettings_); }
  void mnuResolution_Click();
  void setResolutionText(const std::string& text) { resolution_.percentText = text; }
  void chkResolutionFromData_Click(bool checked) { resolution_.fromData = checked; }
  // Checks the typed value (a message, and the panel stays open, when it is no
  // percentage from 0 to 20), then applies it.
  void cmdResolutionOK_Click();
  void cmdResolutionCancel_Click() { resolution_.visible = false; }
  void mnuExactQ_Click();

  // ---- The SLD profile panel ("SLD &Profile", SSRSldProfile): the model the scroll
  // bars hold, one curve per contrast in use (the data sets', or the four start-up
  // contrasts without data). Printing and figure export take sldProfilePlot() while
  // sldProfileShown().
  void SSRSldProfile_Click(bool down);
  bool sldProfileShown() const { return profile_.visible; }
  // Always current: redrawn here when the model or the contrasts changed since last.
  const PlotSurface& sldProfilePlot() const;
  int sldProfileDrawings() const { return profile_.drawings(); }

  // ---- Drawing
  void PlotIt_Data(int PlotNum);
  void PlotIt_Fit(int PlotNum);
  // Clears plot p and draws its data and, while "Calculate Fit" is on, its curve.
  void redrawSurface(int p);
  // The enlarged plot if it is visible, otherwise every small plot, drawn anew.
  void redrawSequence();
  // Only the calculated curves of the visible plot(s), over the unchanged data.
  void curveRefresh();
  // Prof_Calc_1 from the scroll bars, then Prof_Calc_2.
  void recalculate();

  // ---- Plot interaction: the mouse on the plots (logical surface coordinates), the
  // picture buttons of each plot and the Y-range dialog.
  const PlotInteraction& interaction() const { return interaction_; }
  void picPlot_MouseMove(int p, LogicalPoint at, bool leftHeld);
  void picPlot_MouseLeave(int p);
  void picPlot_MouseDown(int p, MouseButton button, LogicalPoint at);
  void picPlot_MouseUp(int p, MouseButton button, LogicalPoint at);
  void picDeletePlot_Click(int p);
  // The enlarge picture of plot p (p = 0: the return of the enlarged plot, which on the
  // combined plot raises "MultiPlot").
  void picEnlargePicture_Click(int p);
  void PicYFix_Click(int p);
  void setYFixTexts(const std::string& min, const std::string& max);
  void cmdOKYFix_Click();
  void cmdDefaultYFix_Click();
  void cmdCancelYFix_Click();

  // ---- Data operations and saving data sets
  const DataOpsPanels& dataOpsPanels() const { return dataPanels_; }
  void SSRBackGroundSub_Click(bool down);
  void setBackgroundText(const std::string& text) { dataPanels_.background.text = text; }
  void cmdBackGroundSubOK_Click();
  void cmdBackGroundSubCancel_Click();
  void SSRScaleFactor_Click();
  void setScaleFactorText(int k, const std::string& text);
  void cmdScaleFactorOK_Click();
  void cmdScaleFactorCancel_Click();
  void SSRRemoveNegatives_Click(bool down);
  void optRemoveNegatives_Click() { dataPanels_.negatives.setToValue = false; }
  void optSetNegativesToValue_Click() { dataPanels_.negatives.setToValue = true; }
  void setNegativesValueText(const std::string& text) { dataPanels_.negatives.text = text; }
  void cmdRemoveNegativesOK_Click();
  void cmdRemoveNegativesCancel_Click();
  void SSRSaveData_Click();
  void chkLumoDataSave_Click(int i, bool checked);
  void cmdOKLumoDataSave_Click();
  void cmdCancelLumoDataSave_Click();
  void SaveLumoData();

 private:
  // The combined plot is on and p is its surface.
  bool combinedPlotOn(int p) const;
  CurveSource curveSource() const;

  struct PlannedFitFile {
    int slot = 0;
    std::string path;
  };

  void layerParameterChanged(ScrollId id);
  // PlotIt_Data onto any surface; `logXAxis` leaves out the x ticks and labels.
  void plotDataOn(PlotSurface& surface, int p, bool logXAxis);
  void storeParameter(ScrollId id);
  void syncModelFromScrollBars();
  void calculate();
  void dispatchScrollChange(ScrollId id);
  void resetLayerControls(int layer);
  void colourLayerLabels(int layer, int colour);
  void setMarker(const std::string& marker);
  void setSolventFromFile(int slot);
  void enableDataCommands(bool loaded);
  void hideAllPlots();
  void showSmallPlots();
  void finishOpening();
  // The open action with the paths of slots 1.. given by `nextPath` (nothing: stop).
  using NextPath = std::function<std::optional<std::string>(int slot)>;
  void openFrom(const NextPath& nextPath);
  void loadDataFrom(const NextPath& nextPath);
  void commitDataSets(const std::vector<DataFileContents>& sets, const std::string& path);
  void showFileError(const DataFileError& error);
  void displaySwitched(Menu item, bool down);
  void flipFromMenu(Tool tool);
  void runToolHandler(Tool tool, bool down);
  void runPushButton(Tool tool);
  void showHistoryItems(bool visible);
  void saveSettings();
  void readCalcSettings();
  // Takes new settings: remembered, written to lumo-calc.ini, and every curve recalculated.
  void applyCalcSettings(const CalcSettings& settings);
  std::vector<ProfileEntry> profileEntries() const;
  // The model the scroll bars hold, as the profile shows it.
  LayerModel profileModel() const;
  // Fitting.
  void setScrollValueAndNotify(ScrollId id, int value);
  void colourFittingLabels(int colour);
  void showResidualLabels(bool visible);
  void residualOffSteps();
  void autoFitOffSteps();
  void updateFittingMenus();
  bool readyToFit();
  void scanLabelClicked(ScrollId id);
  void startConstrainedFit(const fitting::ConstrainedFitPlan& plan);
  void startRun(std::unique_ptr<FitJob> job);
  void showTrial();
  void finishScan();
  void finishConstrainedFit();
  void finishRefinement();
  void resetConstraintBoxes();
  fitting::FitWorkers& fitWorkers();
  // Model files.
  void setScrollValueWidening(ScrollId id, int value);
  void putModelOnScrollBars(const ModelScrollValues& values);
  std::optional<FitCurveRequest> saveFitRequestFromPanel();
  std::vector<PlannedFitFile> chooseFitFiles();
  void SaveFit(const std::vector<PlannedFitFile>& plan, const FitCurveRequest& request);
  // Scroll-bar properties.
  void fillPropertyBoxes(int layer);
  bool readPropertyBoxes(LayerBars& bars);
  void applyBarProperties(const std::vector<ScrollId>& ids, const LayerBars& bars);
  // Figure export.
  std::string proposedFigureName() const;
  // Printing.
  void composePrintForm();
  void printPage();
  // Plot interaction and data operations.
  int dataSetOf(int p) const;
  PointerView pointerView(int p) const;
  RangeGrid rangeGrid(int d) const;
  void applyRange(int p, int d, bool fitRanges);
  void hideDataDialogs();
  void dataChanged();
  bool dataSetReady(int d) const;
  bool saveOneDataSet(int i);
  void showError(const std::string& text);

  FolderKeepingDialogs dialogs_;
  WorkingFolder& folder_;

  LayerEditorState editor_;
  LayerModel model_;
  DataStore store_;
  ReflectivityEngine engine_;
  ToolPanelState tools_;
  MenuState menus_;
  RecentFiles history_;
  std::array<PlotSurface, kPlotSurfaces> picPlot_;
  std::array<PlotMapping, kMaxDataSets + 1> mapping_;
  FittingPanels panels_;
  SaveFitPanel saveFit_;
  ScrollPropertiesForm properties_;
  PrintForms print_;
  PagePrinter* printer_ = nullptr;
  ExportPlotPanel export_;
  FigureWriter* figureWriter_ = nullptr;
  PlotInteraction interaction_;
  DataOpsPanels dataPanels_;
  CalcSettings calcSettings_;
  ResolutionPanel resolution_;
  mutable SldProfilePanel profile_;
  RefinePanel refine_;
  std::unique_ptr<Clock> ownClock_;
  fitting::FitController controller_;
  std::unique_ptr<fitting::FitWorkers> workers_;  // made at the first fit (about 7 MB a core)
  std::unique_ptr<FitJob> job_;

  int xTicksPerUnit_ = 1, yTicksPerUnit_ = 1;
  int currentPlot_ = 1;
  bool calcPaused_ = false;
  bool busy_ = false;
  std::string marker_ = "0";
  int gridPoints_ = 0;  // points of the grid last built
  std::string pointsText_;
  bool pointsPanelVisible_ = false;
  std::array<bool, kMaxDataSets + 1> loadPictureVisible_{};
  std::array<bool, kPlotSurfaces> yFixVisible_{};
  std::string cumulativeResidual_;
  std::string homeFolder_, lastFolder_;
  std::string missingHome_;  // the home folder lumo.ini named, when it is not a folder
  bool exitRequested_ = false;
  int calculations_ = 0;
};

}  // namespace lumo::ui

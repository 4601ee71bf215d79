#pragma once
// The layer editor's frames: the six layer panels with the top interface, and the side
// frame with the contrasts' solvent SLDs, the layer count and the paging. They show the
// session's editor state; every parameter row reports to whoever connects to rows().
#include <QGroupBox>
#include <QList>
#include <QWidget>

#include "editor/LayerEditorState.h"
#include "editor/ParameterRow.h"

class QRadioButton;

namespace lumo::editor {

// "Layer n": thickness, SLD, solvent and roughness of one layer.
class LayerPanel : public QGroupBox {
  Q_OBJECT

 public:
  explicit LayerPanel(int layer, QWidget* parent = nullptr);
  void bind(int layer);
  void sync(const LayerEditorState& state);
  const QList<ParameterRow*>& rows() const { return rows_; }

 private:
  int layer_;
  QList<ParameterRow*> rows_;
};

// Below the plots: the top interface (roughness 0, incident SLD, geometry) and the six
// visible layer panels.
class LayerPanelsWidget : public QWidget {
  Q_OBJECT

 public:
  explicit LayerPanelsWidget(QWidget* parent = nullptr);
  void sync(const LayerEditorState& state);
  QList<ParameterRow*> rows() const;
  LayerPanel* panel(int j) const { return panels_.at(j); }

 signals:
  void geometryChosen(bool solidLiquid);

 private:
  QList<LayerPanel*> panels_;
  QList<ParameterRow*> interfaceRows_;
  QRadioButton* solidLiquid_;
  QRadioButton* airLiquid_;
};

// Beside the plots: "SLD Run 1".."SLD Run 4", "Number of Layers", "View Other Layers".
class ModelSideWidget : public QWidget {
  Q_OBJECT

 public:
  explicit ModelSideWidget(QWidget* parent = nullptr);
  void sync(const LayerEditorState& state);
  const QList<ParameterRow*>& rows() const { return rows_; }

 private:
  QList<ParameterRow*> rows_;
};

}  // namespace lumo::editor

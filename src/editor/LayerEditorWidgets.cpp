#include "editor/LayerEditorWidgets.h"

#include <QHBoxLayout>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace lumo::editor {
namespace {

const char* const kLayerCaptions[] = {"Thickness", "SLD (x10-6)", "% Solvent", "Roughness"};

ParameterRow* addRow(QBoxLayout* layout, ScrollId id, const QString& caption,
                     ParameterRow::TextBox box = ParameterRow::TextBox::Typed) {
  auto* row = new ParameterRow(id, box);
  row->setCaption(caption);
  layout->addWidget(row);
  return row;
}

QVBoxLayout* compactColumn(QWidget* frame) {
  auto* layout = new QVBoxLayout(frame);
  layout->setContentsMargins(3, 2, 3, 4);
  layout->setSpacing(3);
  return layout;
}

}  // namespace

LayerPanel::LayerPanel(int layer, QWidget* parent) : QGroupBox(parent), layer_(layer) {
  auto* layout = compactColumn(this);
  for (int f = 0; f < 4; ++f)
    rows_ << addRow(layout, {kLayerFamilies[f], layer}, QString::fromLatin1(kLayerCaptions[f]));
  layout->addStretch();
  bind(layer);
}

void LayerPanel::bind(int layer) {
  layer_ = layer;
  setTitle(tr("Layer %1").arg(layer));
  for (int f = 0; f < 4; ++f) rows_[f]->bind({kLayerFamilies[f], layer});
}

void LayerPanel::sync(const LayerEditorState& state) {
  setEnabled(state.layerEnabled(layer_));
  for (ParameterRow* row : rows_) row->sync(state.control(row->id()));
}

LayerPanelsWidget::LayerPanelsWidget(QWidget* parent) : QWidget(parent) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(4);

  auto* top = new QGroupBox(tr("Top Interface"), this);
  auto* column = compactColumn(top);
  interfaceRows_ << addRow(column, {ScrollFamily::Roughness, 0}, QStringLiteral("Roughness Layer 0"));
  interfaceRows_ << addRow(column, {ScrollFamily::SolidSLD}, QStringLiteral("Solid / Air SLD (x 10-6)"),
                           ParameterRow::TextBox::ReadOnly);
  solidLiquid_ = new QRadioButton(QStringLiteral("Solid / Liquid"), top);
  airLiquid_ = new QRadioButton(QStringLiteral("Air / Liquid"), top);
  column->addWidget(solidLiquid_);
  column->addWidget(airLiquid_);
  column->addStretch();
  connect(solidLiquid_, &QRadioButton::clicked, this, [this] { emit geometryChosen(true); });
  connect(airLiquid_, &QRadioButton::clicked, this, [this] { emit geometryChosen(false); });
  layout->addWidget(top, 1);

  for (int j = 0; j < kVisibleLayerPanels; ++j) {
    panels_ << new LayerPanel(j + 1, this);
    layout->addWidget(panels_.back(), 1);
  }
}

QList<ParameterRow*> LayerPanelsWidget::rows() const {
  QList<ParameterRow*> all = interfaceRows_;
  for (LayerPanel* p : panels_) all += p->rows();
  return all;
}

void LayerPanelsWidget::sync(const LayerEditorState& state) {
  const int first = state.firstVisibleLayer();
  for (int j = 0; j < panels_.size(); ++j) {
    panels_[j]->bind(first + j);
    panels_[j]->sync(state);
  }
  for (ParameterRow* row : interfaceRows_) row->sync(state.control(row->id()));
  const QSignalBlocker a(solidLiquid_), b(airLiquid_);
  solidLiquid_->setChecked(state.optSolidLiquid);
  airLiquid_->setChecked(!state.optSolidLiquid);
}

ModelSideWidget::ModelSideWidget(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* contrasts = new QGroupBox(tr("Solvent Contrasts"), this);
  auto* column = compactColumn(contrasts);
  for (int k = 1; k <= kMaxContrasts; ++k)
    rows_ << addRow(column, {ScrollFamily::SLDRun, k}, QStringLiteral("SLD Run %1 (x 10-6)").arg(k),
                    ParameterRow::TextBox::ReadOnly);
  layout->addWidget(contrasts);

  auto* layers = new QGroupBox(tr("Layers"), this);
  column = compactColumn(layers);
  rows_ << addRow(column, {ScrollFamily::NumLayers}, QStringLiteral("Number of Layers"),
                  ParameterRow::TextBox::ReadOnly);
  rows_ << addRow(column, {ScrollFamily::WhichLayers}, QStringLiteral("View Other Layers"),
                  ParameterRow::TextBox::None);
  layout->addWidget(layers);
  layout->addStretch();
}

void LayerPanelsWidget::setLocked(bool locked) {
  for (ParameterRow* row : rows()) row->setLocked(locked);
  solidLiquid_->setEnabled(!locked);
  airLiquid_->setEnabled(!locked);
}

void ModelSideWidget::setLocked(bool locked) {
  for (ParameterRow* row : rows_)
    if (row->id().family != ScrollFamily::WhichLayers) row->setLocked(locked);
}

void ModelSideWidget::sync(const LayerEditorState& state) {
  for (ParameterRow* row : rows_) row->sync(state.control(row->id()));
}

}  // namespace lumo::editor

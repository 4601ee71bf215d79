#include "ui/ScrollPropertiesFrame.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>

#include "ui/MainSession.h"

namespace lumo::ui {
namespace {

// "txtSethsbThicknessMin" .. "txtSethsbRoughnessSmallChange".
QString boxName(ScrollFamily family, ScrollProperty property) {
  static const char* const families[] = {"Thickness", "SLD", "Solvent", "Roughness"};
  static const char* const properties[] = {"Min", "Max", "LargeChange", "SmallChange"};
  size_t f = 0;
  while (kLayerFamilies[f] != family) ++f;
  return QStringLiteral("txtSethsb%1%2").arg(QLatin1String(families[f]),
                                              QLatin1String(properties[static_cast<size_t>(property)]));
}

}  // namespace

ScrollPropertiesFrame::ScrollPropertiesFrame(SessionRunner run, QWidget* parent)
    : QWidget(parent, Qt::Tool), run_(std::move(run)) {
  setObjectName(QStringLiteral("frameSetScrollBars"));
  setWindowTitle(QStringLiteral("Set the Scroll Bar Properties"));
  auto* grid = new QGridLayout(this);
  addBoxes(grid);
  addSelector(grid, 5);
  addButtons(grid, 6);
}

void ScrollPropertiesFrame::addBoxes(QGridLayout* grid) {
  for (ScrollProperty p : kScrollProperties) {
    auto* caption = new QLabel(QString::fromLatin1(propertyCaption(p)), this);
    caption->setWordWrap(true);
    caption->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    grid->addWidget(caption, 0, 1 + static_cast<int>(p));
  }
  for (size_t f = 0; f < 4; ++f) {
    const ScrollFamily family = kLayerFamilies[f];
    const int row = 1 + static_cast<int>(f);
    grid->addWidget(new QLabel(QString::fromLatin1(familyCaption(family)), this), row, 0);
    for (ScrollProperty p : kScrollProperties) {
      auto* edit = new QLineEdit(this);
      edit->setObjectName(boxName(family, p));
      edit->setAlignment(Qt::AlignRight);
      edit->setMaximumWidth(72);
      grid->addWidget(edit, row, 1 + static_cast<int>(p));
      boxes_[f][static_cast<size_t>(p)] = edit;
      connect(edit, &QLineEdit::textEdited, this, [this, family, p](const QString& t) {
        run_([family, p, text = t.toStdString()](MainSession& s) { s.setPropertyText(family, p, text); });
      });
    }
  }
}

void ScrollPropertiesFrame::addSelector(QGridLayout* grid, int row) {
  grid->addWidget(new QLabel(QStringLiteral("Select Layer"), this), row, 0);
  selector_ = new QScrollBar(Qt::Horizontal, this);
  selector_->setObjectName(QStringLiteral("hsbWhichLayerProperties"));
  selector_->setRange(1, kMaxLayers);
  selector_->setPageStep(5);
  grid->addWidget(selector_, row, 1, 1, 3);
  selected_ = new QLineEdit(this);
  selected_->setObjectName(QStringLiteral("txtWhichLayerProperties"));
  selected_->setReadOnly(true);
  selected_->setAlignment(Qt::AlignRight);
  grid->addWidget(selected_, row, 4);
  connect(selector_, &QScrollBar::valueChanged, this,
          [this](int w) { run_([w](MainSession& s) { s.hsbWhichLayerProperties_Change(w); }); });
}

void ScrollPropertiesFrame::addButtons(QGridLayout* grid, int row) {
  grid->addLayout(commandButtons(this, run_,
                                 {{"cmdSetProperties", "&Set", &MainSession::cmdSetProperties_Click},
                                  {"cmdDefault", "&Default", &MainSession::cmdDefault_Click},
                                  {"CmdOK2", "&OK", &MainSession::CmdOK2_Click}}),
                  row, 0, 1, 5);
}

void ScrollPropertiesFrame::closeEvent(QCloseEvent* event) {
  if (!syncing_) run_([](MainSession& s) { s.CmdOK2_Click(); });
  event->accept();
}

void ScrollPropertiesFrame::sync(const MainSession& session) {
  const ScrollPropertiesForm& form = session.scrollProperties();
  if (isVisible() != form.visible) {
    syncing_ = true;
    setVisible(form.visible);
    syncing_ = false;
  }
  if (!form.visible) return;
  for (size_t f = 0; f < 4; ++f)
    for (ScrollProperty p : kScrollProperties)
      setTextQuietly(boxes_[f][static_cast<size_t>(p)], form.box(kLayerFamilies[f], p));
  if (selector_->value() != form.whichLayer) {
    const QSignalBlocker block(selector_);
    selector_->setValue(form.whichLayer);
  }
  selected_->setText(QString::number(form.whichLayer));
  setEnabled(!session.fitRunning());
}

}  // namespace lumo::ui

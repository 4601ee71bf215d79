#include "ui/PrintOptionsFrame.h"

#include <QCheckBox>
#include <QGridLayout>

#include "ui/MainSession.h"

namespace lumo::ui {

PrintOptionsFrame::PrintOptionsFrame(SessionRunner run, QWidget* parent)
    : QGroupBox(QStringLiteral("Print Options"), parent), run_(std::move(run)) {
  setObjectName(QStringLiteral("FramePrint"));
  QGridLayout* grid = compactGrid(this);
  // Two columns of their own, as wide as the frame.
  auto* sets = new QGridLayout;
  grid->addLayout(sets, 0, 0, 2, 2);
  for (int i = 1; i <= 4; ++i) {
    auto* c = new QCheckBox(QStringLiteral("Data Set &%1").arg(i), this);
    c->setObjectName(QStringLiteral("chkPrintSet%1").arg(i));
    sets_[static_cast<size_t>(i)] = c;
    sets->addWidget(c, (i - 1) / 2, (i - 1) % 2);
    connect(c, &QCheckBox::clicked, this,
            [this, i](bool on) { run_([i, on](MainSession& s) { s.chkPrintSet_Click(i, on); }); });
  }
  grid->addLayout(commandButtons(this, run_,
                                 {{"cmdPrintPrint", "&Print", &MainSession::cmdPrintPrint_Click},
                                  {"cmdPrintPreview", "P&review", &MainSession::cmdPrintPreview_Click},
                                  {"cmdPrintCancel", "&Cancel", &MainSession::cmdPrintCancel_Click}},
                                 2),
                  2, 0, 1, 2);
}

void PrintOptionsFrame::sync(const MainSession& session) {
  const PrintForms& forms = session.printForms();
  setVisible(forms.optionsVisible);
  for (int i = 1; i <= 4; ++i) {
    QCheckBox* c = sets_[static_cast<size_t>(i)];
    c->setVisible(forms.setVisible[static_cast<size_t>(i)]);
    setCheckedQuietly(c, forms.setTicked[static_cast<size_t>(i)]);
  }
  setEnabled(!session.fitRunning());
}

}  // namespace lumo::ui

#include "ui/LumoPrint.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "plot/PageView.h"
#include "ui/MainSession.h"

namespace lumo::ui {

LumoPrint::LumoPrint(SessionRunner run, QWidget* parent)
    : QWidget(parent, Qt::Window), run_(std::move(run)), view_(new plot::PageView(this)) {
  setObjectName(QStringLiteral("LumoPrint"));
  setWindowTitle(QStringLiteral("Lumo - Print"));
  view_->setObjectName(QStringLiteral("picPrint"));
  auto* column = new QVBoxLayout(this);
  column->addWidget(view_, 1);
  QGridLayout* buttons =
      commandButtons(this, run_,
                     {{"cmdLumoPrintPrint", "&Print", &MainSession::cmdLumoPrintPrint_Click},
                      {"cmdLumoPrintCancel", "&Cancel", &MainSession::cmdLumoPrintCancel_Click}});
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  row->addLayout(buttons);
  column->addLayout(row);
  resize(820, 620);
}

void LumoPrint::sync(const MainSession& session) {
  const PrintForms& forms = session.printForms();
  syncing_ = true;
  if (forms.formVisible && forms.pageVersion != shownVersion_) {
    // A new composition: shown and brought forward.
    shownVersion_ = forms.pageVersion;
    view_->setPage(forms.page);
    show();
    raise();
    activateWindow();
  } else if (!forms.formVisible && isVisible()) {
    hide();
  }
  syncing_ = false;
}

void LumoPrint::closeEvent(QCloseEvent* event) {
  // Closed by its window's frame: the same as "&Cancel".
  if (!syncing_) run_([](MainSession& s) { s.cmdLumoPrintCancel_Click(); });
  event->accept();
}

}  // namespace lumo::ui

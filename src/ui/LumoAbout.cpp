#include "ui/LumoAbout.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumo::ui {

QString LumoAbout::versionText() {
  return QStringLiteral("Lumo Version %1.%2.%3")
      .arg(LUMO_VERSION_MAJOR)
      .arg(LUMO_VERSION_MINOR)
      .arg(LUMO_VERSION_PATCH);
}

LumoAbout::LumoAbout(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About Lumo"));
  setAttribute(Qt::WA_DeleteOnClose);
  auto* layout = new QVBoxLayout(this);
  auto* version = new QLabel(versionText(), this);
  QFont big = version->font();
  big.setPointSizeF(big.pointSizeF() * 1.4);
  big.setBold(true);
  version->setFont(big);
  layout->addWidget(version);
  auto* description = new QLabel(
      tr("Analysis of specular neutron reflectivity from thin films at solid/liquid and "
         "air/liquid interfaces.\n\nUp to four contrasts are fitted with one stack of up to "
         "twenty layers, calculated with the characteristic-matrix method and Névot–Croce "
         "roughness at a wavelength of 12 Å."),
      this);
  description->setWordWrap(true);
  layout->addWidget(description);
  auto* credits = new QLabel(tr("Written by the Lumo developers."), this);
  credits->setEnabled(false);
  layout->addWidget(credits);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdAboutLumoOK"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::close);
  layout->addWidget(buttons);
  setMinimumWidth(380);
}

}  // namespace lumo::ui

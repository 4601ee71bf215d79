#include "ui/QtDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

namespace lumo::ui {

namespace {

// A description without the patterns it ends with ("Lumo Files (*.VLD)" gives "Lumo
// Files"), which the dialog shows again from the pattern list; other brackets stay
// ("Lumo(with bgd sub)(*.VLB)" gives "Lumo(with bgd sub)").
QString filterName(const QString& description) {
  QString name = description.trimmed();
  const qsizetype open = name.lastIndexOf(QLatin1Char('('));
  if (open >= 0 && name.endsWith(QLatin1Char(')')) && name.indexOf(QLatin1Char('*'), open) > open)
    name.truncate(open);
  return name.trimmed();
}

}  // namespace

QString qtFilter(const std::string& filter) {
  // Descriptions and patterns alternate; an empty item ("||") is dropped.
  const QStringList parts =
      QString::fromStdString(filter).split(QLatin1Char('|'), Qt::SkipEmptyParts);
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString pattern = parts[i + 1];
    pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
    // Files on Linux keep the case they were saved with; offer both cases of an
    // upper-case pattern so that "run1.vld" shows under "*.VLD".
    if (pattern != pattern.toLower()) pattern += QLatin1Char(' ') + pattern.toLower();
    filters << QStringLiteral("%1 (%2)").arg(filterName(parts[i]), pattern);
  }
  return filters.join(QStringLiteral(";;"));
}

std::optional<std::string> QtDialogs::chooseFile(const FileDialogRequest& request) {
  const QString title = QString::fromStdString(request.title);
  const QString filter = qtFilter(request.filter);
  QString path;
  if (request.save) {
    const QFileDialog::Options options =
        request.callerConfirmsReplace ? QFileDialog::DontConfirmOverwrite : QFileDialog::Options();
    path = QFileDialog::getSaveFileName(parent_, title, QString::fromStdString(request.fileName),
                                        filter, nullptr, options);
    if (!path.isEmpty() && !request.defaultExtension.empty() && QFileInfo(path).suffix().isEmpty())
      path += QLatin1Char('.') + QString::fromStdString(request.defaultExtension);
  } else {
    path = QFileDialog::getOpenFileName(parent_, title, QString::fromStdString(request.fileName), filter);
  }
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

MessageAnswer QtDialogs::showMessage(const Message& message) {
  QMessageBox box(parent_);
  box.setWindowTitle(QString::fromStdString(message.title));
  box.setText(QString::fromStdString(message.text));
  switch (message.icon) {
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MessageIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MessageIcon::None: break;
  }
  switch (message.buttons) {
    case MessageButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MessageButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MessageButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
  }
  switch (box.exec()) {
    case QMessageBox::Ok: return MessageAnswer::Ok;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    default: return MessageAnswer::Cancel;
  }
}

}  // namespace lumo::ui

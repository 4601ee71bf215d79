#include "converter/FileBrowser.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

#include <set>

#include "converter/FileSelection.h"

namespace lumo::ui {

FileBrowser::FileBrowser(QWidget* parent) : QWidget(parent) {
  TheDrive = new QComboBox(this);
  TheDirectory = new QTreeView(this);
  TheFile = new QListWidget(this);
  TheFilter = new QComboBox(this);

  folders_ = new QFileSystemModel(this);
  folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  folders_->setRootPath(QDir::rootPath());
  TheDirectory->setModel(folders_);
  TheDirectory->setHeaderHidden(true);
  for (int column = 1; column < folders_->columnCount(); ++column) TheDirectory->hideColumn(column);

  TheFile->setSelectionMode(QAbstractItemView::ExtendedSelection);
  TheFilter->setEditable(true);
  TheFilter->setInsertPolicy(QComboBox::NoInsert);
  TheFilter->addItems({"*.asc", "*.dat", "*.vld", "*.csv", "*.*"});
  TheFilter->setCurrentIndex(4);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(TheDrive);
  layout->addWidget(TheDirectory, 1);
  layout->addWidget(TheFile, 1);
  layout->addWidget(TheFilter);

  fillDrives();
  connect(TheDrive, &QComboBox::activated, this, &FileBrowser::driveChosen);
  connect(TheDirectory->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (!current.isValid()) return;
            folder_ = folders_->filePath(current).toStdString();
            syncDrive();
            refreshFiles();
          });
  // The folder model reads folders in the background: bring the shown folder into view
  // once its parents are listed.
  connect(folders_, &QFileSystemModel::directoryLoaded, this,
          [this] { TheDirectory->scrollTo(TheDirectory->currentIndex()); });
  connect(TheFilter, &QComboBox::activated, this,
          [this](int index) { setPattern(TheFilter->itemText(index)); });
  connect(TheFilter->lineEdit(), &QLineEdit::returnPressed, this,
          [this] { setPattern(TheFilter->currentText()); });
  setFolder(QDir::currentPath());
}

void FileBrowser::fillDrives() {
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
    if (volume.isValid() && volume.isReady()) TheDrive->addItem(volume.rootPath());
}

void FileBrowser::driveChosen(int index) { setFolder(TheDrive->itemText(index)); }

void FileBrowser::syncDrive() {
  const QSignalBlocker block(TheDrive);
  const int index = TheDrive->findText(QStorageInfo(QString::fromStdString(folder_)).rootPath());
  if (index >= 0) TheDrive->setCurrentIndex(index);
}

void FileBrowser::setFolder(const QString& path) {
  folder_ = QDir::cleanPath(path).toStdString();
  const QModelIndex index = folders_->index(QString::fromStdString(folder_));
  {
    const QSignalBlocker block(TheDirectory->selectionModel());
    TheDirectory->setCurrentIndex(index);
  }
  for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
    TheDirectory->expand(parent);
  TheDirectory->scrollTo(index);
  syncDrive();
  refreshFiles();
}

void FileBrowser::setPattern(const QString& pattern) {
  pattern_ = pattern;
  {
    const QSignalBlocker block(TheFilter);
    TheFilter->setEditText(pattern);
  }
  refreshFiles();
}

void FileBrowser::refreshFiles() {
  std::set<QString> kept;
  for (const QListWidgetItem* item : TheFile->selectedItems()) kept.insert(item->text());
  const QSignalBlocker block(TheFile);
  TheFile->clear();
  for (const std::string& name : converter::listFiles(folder_, pattern_.toStdString())) {
    auto* item = new QListWidgetItem(QString::fromStdString(name), TheFile);
    item->setSelected(kept.count(item->text()) > 0);
  }
}

std::vector<std::string> FileBrowser::selectedNames() const {
  std::vector<std::string> names;
  for (int row = 0; row < TheFile->count(); ++row)
    if (TheFile->item(row)->isSelected()) names.push_back(TheFile->item(row)->text().toStdString());
  return names;
}

void FileBrowser::selectNames(const QStringList& names) {
  for (int row = 0; row < TheFile->count(); ++row)
    TheFile->item(row)->setSelected(names.contains(TheFile->item(row)->text()));
}

QStringList FileBrowser::listedNames() const {
  QStringList names;
  for (int row = 0; row < TheFile->count(); ++row) names << TheFile->item(row)->text();
  return names;
}

}  // namespace lumo::ui

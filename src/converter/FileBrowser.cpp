#include "converter/FileBrowser.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

#include <filesystem>
#include <set>
#include <system_error>

#include "converter/FileSelection.h"

namespace lumo::ui {
namespace {

// The role of a file-list row that holds the file's name as the file system gave it:
// its text shows the name, which for bytes that are not UTF-8 is not the name itself.
constexpr int kNativeNameRole = Qt::UserRole;

QString shown(const std::string& nativeName) {
  return QFile::decodeName(QByteArray::fromStdString(nativeName));
}

// The native path of a folder that the folder tree names. A folder whose name is not
// UTF-8 comes out of the tree with replacement characters: such a part is looked up
// among its parent's entries by the name they show.
std::string nativeFolder(const QString& path) {
  namespace fs = std::filesystem;
  const QStringList parts = QDir::cleanPath(path).split(u'/');
  fs::path native = path.startsWith(u'/') ? fs::path("/") : fs::path();
  for (const QString& part : parts) {
    if (part.isEmpty()) continue;
    fs::path next = native / QFile::encodeName(part).toStdString();
    std::error_code ec;
    if (!fs::exists(next, ec)) {
      for (fs::directory_iterator it(native.empty() ? "." : native, ec), end; !ec && it != end;
           it.increment(ec))
        if (shown(it->path().filename().string()) == part) next = it->path();
    }
    native = next;
  }
  return native.empty() ? QFile::encodeName(path).toStdString() : native.string();
}

}  // namespace

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
            folder_ = nativeFolder(folders_->filePath(current));
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
  const int index = TheDrive->findText(QStorageInfo(shown(folder_)).rootPath());
  if (index >= 0) TheDrive->setCurrentIndex(index);
}

void FileBrowser::setFolder(const QString& path) {
  folder_ = nativeFolder(path);
  const QModelIndex index = folders_->index(QDir::cleanPath(path));
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
  std::set<QByteArray> kept;
  for (const QListWidgetItem* item : TheFile->selectedItems())
    kept.insert(item->data(kNativeNameRole).toByteArray());
  const QSignalBlocker block(TheFile);
  TheFile->clear();
  for (const std::string& name : converter::listFiles(folder_, pattern_.toStdString())) {
    auto* item = new QListWidgetItem(shown(name), TheFile);
    const QByteArray native = QByteArray::fromStdString(name);
    item->setData(kNativeNameRole, native);
    item->setSelected(kept.count(native) > 0);
  }
}

std::vector<std::string> FileBrowser::selectedNames() const {
  std::vector<std::string> names;
  for (int row = 0; row < TheFile->count(); ++row)
    if (const QListWidgetItem* item = TheFile->item(row); item->isSelected())
      names.push_back(item->data(kNativeNameRole).toByteArray().toStdString());
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

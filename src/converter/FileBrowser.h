#pragma once
// The converter's file browser: the drive list (mounted volumes), the folder tree, the
// file list with several files selectable at once, and the pattern box.
#include <QWidget>

#include <string>
#include <vector>

class QComboBox;
class QFileSystemModel;
class QListWidget;
class QTreeView;

namespace lumo::ui {

class FileBrowser : public QWidget {
  Q_OBJECT

 public:
  explicit FileBrowser(QWidget* parent = nullptr);

  // The folder shown by the file list, as the file system names it.
  std::string folder() const { return folder_; }
  void setFolder(const QString& path);
  // The selected file names as the file system names them (not always UTF-8), in list
  // order: the selection step's input.
  std::vector<std::string> selectedNames() const;
  // Selects exactly these names (those that are listed).
  void selectNames(const QStringList& names);
  QStringList listedNames() const;
  void setPattern(const QString& pattern);
  // Lists the folder's files again, keeping the selection of those still there.
  void refreshFiles();

  QComboBox* TheDrive = nullptr;
  QTreeView* TheDirectory = nullptr;
  QListWidget* TheFile = nullptr;
  QComboBox* TheFilter = nullptr;

 private:
  void fillDrives();
  void driveChosen(int index);
  void syncDrive();

  QFileSystemModel* folders_ = nullptr;
  std::string folder_;
  QString pattern_ = QStringLiteral("*.*");
};

}  // namespace lumo::ui

#include "converter/TextView.h"

#include "files/FileText.h"
#include "files/PrintableText.h"
#include "files/TextItemReader.h"

namespace lumo::converter {

std::vector<std::string> textItems(std::string_view text) {
  std::vector<std::string> items;
  text::TextItemReader reader(text);
  while (!reader.atEnd() && items.size() < static_cast<size_t>(kMaxTextItems))
    items.push_back(reader.readString());
  return items;
}

void TextView::open(const FileSelection& selection) {
  selection_ = selection;
  lowerShown_ = viewOneShown_ = false;
  viewTwoShown_ = selection_.NumFiles > 1;
  upper_ = Pane{};
  upper_.nextEnabled = lower_.nextEnabled = selection_.NumFiles > 1;
  upper_.previousEnabled = lower_.previousEnabled = false;
  load(upper_, 1);
}

void TextView::cmdViewTwo_Click() {
  lowerShown_ = true;
  viewOneShown_ = true;
  viewTwoShown_ = false;
  // The lower list starts again at the first file, so its buttons start there too.
  lower_.previousEnabled = false;
  lower_.nextEnabled = selection_.NumFiles > 1;
  load(lower_, 1);
}

void TextView::cmdViewOne_Click() {
  lowerShown_ = false;
  viewOneShown_ = false;
  viewTwoShown_ = true;
}

void TextView::cmdNext_Click() { step(upper_, +1); }
void TextView::cmdPrevious_Click() { step(upper_, -1); }
void TextView::cmdNextTwo_Click() { step(lower_, +1); }
void TextView::cmdPreviousTwo_Click() { step(lower_, -1); }

void TextView::step(Pane& pane, int by) {
  const int index = pane.index + by;
  if (index < 1 || index > selection_.NumFiles) return;
  load(pane, index);
  pane.nextEnabled = index < selection_.NumFiles;
  pane.previousEnabled = index > 1;
}

void TextView::load(Pane& pane, int index) {
  pane.index = index;
  pane.name = selection_.FileName[static_cast<size_t>(index)];
  pane.items.clear();
  const std::string& path = selection_.FullName[static_cast<size_t>(index)];
  // The first items of even a huge file lie near its start: reading that much shows
  // them, unless single items run to megabytes, whose rows then end where the reading did.
  const text::FileContents file = text::readTextFileStart(path, text::kMaxTextFileBytes);
  if (file.status != text::ReadStatus::Ok) {
    dialogs_.showMessage({"Error Opening File!\n\n" + text::printable(path) +
                              "\nthe file does not exist or cannot be read",
                          "Data Manager", MessageIcon::Exclamation, MessageButtons::Ok});
    return;
  }
  pane.items = textItems(file.text);
}

}  // namespace lumo::converter

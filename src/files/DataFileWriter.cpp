#include "files/DataFileWriter.h"

#include "files/DisplayScale.h"
#include "files/NumberText.h"
#include "files/TextItemReader.h"
#include "files/TextWriter.h"

namespace lumo {
namespace {

constexpr const char* kBackgroundLabel = "bgd = ";

void pointLine(text::TextWriter& w, double q, double r, double dr) {
  w.printString(text::formatSci4(static_cast<float>(q))).tab(15);
  w.printString(text::formatSci4(static_cast<float>(r))).tab(30);
  w.printString(text::formatSci4(static_cast<float>(dr))).endLine();
}

}  // namespace

DataFileText savedDataFileText(const DataSet& set, bool logX, bool logY) {
  DataFileText out;
  text::TextWriter lines;
  for (int pt = 1; pt <= set.NumPoints; ++pt) {
    if (isPlaceholder(set.DataR[pt], logY)) {
      ++out.leftOut;
      continue;
    }
    const double q = logX ? pow10Of(set.DataQ[pt]) : set.DataQ[pt];
    const double r = logY ? pow10Of(set.DataR[pt]) : set.DataR[pt];
    const double upper = logY ? pow10Of(set.ErrUpper[pt]) : set.ErrUpper[pt];
    pointLine(lines, q, r, upper - r);
    ++out.written;
  }
  text::TextWriter w;
  w.writeString("LUMO").endLine();
  w.writeString(set.DataTitle).endLine();
  w.writeNumber(set.FileSolventSLD).endLine();
  w.writeInteger(out.written).endLine();
  out.text = w.text() + lines.text();
  return out;
}

std::string backgroundCaption(float background) {
  return kBackgroundLabel + text::formatSci2(background);
}

std::string titleWithBackground(const std::string& title, float background) {
  std::string base = title;
  const std::string marker = std::string(" ") + kBackgroundLabel;
  const size_t at = title.rfind(marker);
  double earlier = 0;
  if (at != std::string::npos && text::parseDecimal(std::string_view(title).substr(at + marker.size()), earlier))
    base = title.substr(0, at);
  return base + " " + backgroundCaption(background);
}

void markBackgroundInTitle(DataSet& set) {
  if (set.Background > 0) set.DataTitle = titleWithBackground(set.DataTitle, set.Background);
}

std::string savedDataFileName(const std::string& dataFileName) {
  const size_t slash = dataFileName.find_last_of('/');
  const std::string name = slash == std::string::npos ? dataFileName : dataFileName.substr(slash + 1);
  const size_t dot = name.find_last_of('.');
  // A leading dot starts a hidden file's name, not an extension.
  return (dot == std::string::npos || dot == 0 ? name : name.substr(0, dot)) + ".VLB";
}

}  // namespace lumo

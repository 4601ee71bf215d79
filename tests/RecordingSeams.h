#pragma once
// Printer and figure writer for tests: they record what they are given and answer as
// scripted.
#include <optional>
#include <string>
#include <vector>

#include "plot/FigureWriter.h"
#include "plot/PagePrinter.h"

namespace lumo::test {

class RecordingPrinter : public PagePrinter {
 public:
  PrintResult print(const PrintPage& page, const std::string& /*documentName*/) override {
    pages.push_back(page);
    return answer;
  }
  std::vector<PrintPage> pages;
  PrintResult answer;
};

class RecordingFigureWriter : public FigureWriter {
 public:
  std::optional<std::string> write(const PrintPage& page, const FigureFile& file) override {
    pages.push_back(page);
    files.push_back(file);
    return answer;
  }
  std::vector<PrintPage> pages;
  std::vector<FigureFile> files;
  std::optional<std::string> answer;
};

}  // namespace lumo::test

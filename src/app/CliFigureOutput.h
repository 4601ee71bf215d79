#pragma once
// The figure writer of lumo-cli: Qt's drawing on the offscreen platform, so that plot
// works without a display. The Qt application is made at the first figure, so the other
// commands start without it.
#include <QGuiApplication>

#include <memory>

#include "plot/FigureWriter.h"

namespace lumo::cli {

class OffscreenFigureWriter : public FigureWriter {
 public:
  std::optional<std::string> write(const PrintPage& page, const FigureFile& file) override;

 private:
  int argc_ = 1;
  char name_[9] = "lumo-cli";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> app_;
};

}  // namespace lumo::cli

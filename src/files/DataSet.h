#pragma once
// The four data-set slots of the main window: measured points, ranges, and the
// calculated curve of the contrast that belongs to each slot.
//
// Arrays are indexed from 1 (slot 0 and point 0 are spare), so that slot i is data set
// i and point pt is point pt of the file.
#include <array>
#include <string>

namespace lumo {

inline constexpr int kMaxPoints = 512;
inline constexpr int kMaxDataSets = 4;

using PointArray = std::array<double, kMaxPoints + 1>;

struct DataSet {
  std::string DataFileName;
  std::string DataTitle;
  double FileSolventSLD = 0.0;  // 10^-6 Å^-2, as read
  int NumPoints = 0;

  // Stored representation: log10 of Q while "Log X" is on, log10 of R and of the
  // error-bar ends while "Log Y" is on.
  PointArray DataQ{};
  PointArray DataR{};
  PointArray DataErr{};  // dR as read, never converted
  PointArray ErrUpper{};
  PointArray ErrLower{};
  // Resolution of Q (standard deviation, Å^-1, never converted) as an ORSO file's sQz
  // column gives it, for a calculation that smears the curve; 0 where none was given.
  PointArray DataQResolution{};
  bool HasQResolution = false;
  // Which data set of its file the slot holds (an ORSO file may hold several), and
  // whether the file gave the solvent SLD (ORSO files do not: the contrast keeps its own).
  int DataFileEntry = 0;
  bool SolventFromFile = true;

  int DataFirst = 1;
  int DataLast = 0;

  float XMin = 0, XMax = 0, YMin = 0, YMax = 0;
  // Ranges as loaded, always linear.
  float XMinSaved = 0, XMaxSaved = 0, YMinSaved = 0, YMaxSaved = 0;

  float ScaleFactor = 1.0f;
  float Background = 0.0f;

  // Calculation of the contrast paired with this slot.
  PointArray GridQ{};  // linear Q of the calculation grid
  PointArray CalcR{};  // R, or log10 R while "Log Y" was on at calculation time
  int CalcFirst = 1;
  int CalcLast = 0;
  float SetResidual = 0.0f;
  int ResidualPointsLeftOut = 0;  // chi-squared points without a usable error bar
  int ResidualPlaceholdersLeftOut = 0;  // placeholders of R <= 0, left out of either measure
};

struct DataStore {
  std::array<DataSet, kMaxDataSets + 1> sets{};  // slots 1..4
  int NumDataSets = 0;
  int FirstCalcSet = 1;
  int LastCalcSet = 0;

  DataSet& operator[](int slot) { return sets[static_cast<size_t>(slot)]; }
  const DataSet& operator[](int slot) const { return sets[static_cast<size_t>(slot)]; }
};

}  // namespace lumo

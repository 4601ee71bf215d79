#pragma once
// The range of a layer scroll bar as the fits read it: a scan runs from Min to Max in
// steps of SmallChange, the constrained fit from Min to Max in steps of 1.
namespace lumo::fitting {

struct ScrollRange {
  int Min = 0;
  int Max = 0;
  int SmallChange = 1;
};

}  // namespace lumo::fitting

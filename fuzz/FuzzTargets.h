#pragma once
// Every reader of the program's files as a fuzz target: each takes any bytes, must never
// crash, and checks what it read (a failed check throws FuzzCheckFailure).
#include <span>
#include <stdexcept>
#include <string_view>

namespace lumo::fuzz {

struct FuzzCheckFailure : std::logic_error {
  using std::logic_error::logic_error;
};

struct FuzzTarget {
  const char* name;  // also the folder of its seed corpus, fuzz/corpus/<name>/
  void (*run)(std::string_view input);
};

std::span<const FuzzTarget> fuzzTargets();
const FuzzTarget* findFuzzTarget(std::string_view name);

}  // namespace lumo::fuzz

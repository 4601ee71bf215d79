// The libFuzzer entry points. One binary holds every target; LUMO_FUZZ_TARGET names the
// one to run, and LUMO_FUZZ_LIST=1 prints their names.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "FuzzTargets.h"

namespace {
const lumo::fuzz::FuzzTarget* target = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  if (std::getenv("LUMO_FUZZ_LIST")) {
    for (const auto& t : lumo::fuzz::fuzzTargets()) std::printf("%s\n", t.name);
    std::exit(0);
  }
  const char* name = std::getenv("LUMO_FUZZ_TARGET");
  target = name ? lumo::fuzz::findFuzzTarget(name) : nullptr;
  if (!target) {
    std::fprintf(stderr, "Set LUMO_FUZZ_TARGET to one of the targets (LUMO_FUZZ_LIST=1 lists them).\n");
    std::exit(2);
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  target->run(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}

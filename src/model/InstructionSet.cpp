#include "model/InstructionSet.h"

#include <cstdlib>
#include <cstring>

namespace lumo {
namespace {

bool supports(InstructionSet set) {
#if defined(LUMO_KERNEL_CLONES)
  __builtin_cpu_init();
  switch (set) {
    case InstructionSet::X86_64_V4: return __builtin_cpu_supports("x86-64-v4");
    case InstructionSet::X86_64_V3: return __builtin_cpu_supports("x86-64-v3");
    case InstructionSet::Generic: return true;
  }
  return false;
#else
  return set == InstructionSet::Generic;
#endif
}

// The kernel named by LUMO_INSTRUCTION_SET, or the best one when it names none.
InstructionSet requested() {
  const char* value = std::getenv("LUMO_INSTRUCTION_SET");
  if (!value) return InstructionSet::X86_64_V4;
  for (InstructionSet set :
       {InstructionSet::Generic, InstructionSet::X86_64_V3, InstructionSet::X86_64_V4})
    if (std::strcmp(value, nameOf(set)) == 0) return set;
  return InstructionSet::X86_64_V4;
}

}  // namespace

const char* nameOf(InstructionSet set) {
  switch (set) {
    case InstructionSet::X86_64_V4: return "x86-64-v4";
    case InstructionSet::X86_64_V3: return "x86-64-v3";
    case InstructionSet::Generic: break;
  }
  return "generic";
}

std::vector<InstructionSet> supportedInstructionSets() {
  std::vector<InstructionSet> sets;
  for (InstructionSet set :
       {InstructionSet::Generic, InstructionSet::X86_64_V3, InstructionSet::X86_64_V4})
    if (supports(set)) sets.push_back(set);
  return sets;
}

InstructionSet bestSupportedInstructionSet() { return supportedInstructionSets().back(); }

InstructionSet selectedInstructionSet() {
  static const InstructionSet selected = [] {
    const InstructionSet wanted = requested();
    InstructionSet best = InstructionSet::Generic;
    for (InstructionSet set : supportedInstructionSets())
      if (set <= wanted) best = set;
    return best;
  }();
  return selected;
}

}  // namespace lumo

#pragma once
// The instruction sets the calculation kernels are compiled for, and the one this
// processor runs. The kernels are chosen by instruction set, never by processor model,
// so every x86-64 processor gets the best kernel its instructions allow, and one without
// AVX runs the generic kernel.
//
// The environment variable LUMO_INSTRUCTION_SET ("generic", "x86-64-v3" or "x86-64-v4")
// asks for a lower kernel than the processor allows, for example to check the generic
// kernel on a processor with AVX-512; a kernel the processor cannot run is never chosen.
#include <vector>

namespace lumo {

enum class InstructionSet {
  Generic,   // x86-64 (SSE2), or any other processor
  X86_64_V3, // AVX2 and FMA
  X86_64_V4, // AVX-512
};

const char* nameOf(InstructionSet set);

// The best kernel this processor runs, and every kernel it runs (lowest first).
InstructionSet bestSupportedInstructionSet();
std::vector<InstructionSet> supportedInstructionSets();

// The best supported kernel, lowered by LUMO_INSTRUCTION_SET; read once.
InstructionSet selectedInstructionSet();

}  // namespace lumo

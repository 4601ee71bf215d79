// The kernel tables of the instruction sets this build was compiled for.
#include "model/ReflectivityKernel.h"

namespace lumo::kernel {

extern const Table kgenericKernels;
#if defined(LUMO_KERNEL_CLONES)
extern const Table kx86_64_v3Kernels;
extern const Table kx86_64_v4Kernels;
#endif

const Table& tableFor(InstructionSet set) {
#if defined(LUMO_KERNEL_CLONES)
  if (set == InstructionSet::X86_64_V4) return kx86_64_v4Kernels;
  if (set == InstructionSet::X86_64_V3) return kx86_64_v3Kernels;
#endif
  (void)set;
  return kgenericKernels;
}

}  // namespace lumo::kernel

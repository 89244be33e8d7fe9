#include "playback/keyedtable/processor_features.h"

#if (defined(__GNUC__) || defined(__clang__)) && (defined(__x86_64__) || defined(__i386__))
#include <cpuid.h>
#define QUINTREL_HAS_CPUID 1
#endif

namespace quintrel {
namespace {

#ifdef QUINTREL_HAS_CPUID
// XGETBV(0): which register states the operating system saves on a context switch. Written as
// the raw instruction so that no target attribute or -mxsave is needed; only run when CPUID says
// OSXSAVE, since the instruction faults otherwise.
unsigned long long extendedControlRegister0() {
  unsigned int low = 0;
  unsigned int high = 0;
  __asm__ volatile("xgetbv" : "=a"(low), "=d"(high) : "c"(0));
  return (static_cast<unsigned long long>(high) << 32) | low;
}

ProcessorFeatures probe() {
  ProcessorFeatures features;
  unsigned int eax = 0, ebx = 0, ecx = 0, edx = 0;
  if (__get_cpuid(1, &eax, &ebx, &ecx, &edx) == 0) return features;
  features.sse2 = (edx >> 26) & 1U;
  features.sse42 = (ecx >> 20) & 1U;
  const bool osxsave = (ecx >> 27) & 1U;
  const bool avx = (ecx >> 28) & 1U;
  unsigned int leaf7ebx = 0;
  if (__get_cpuid_count(7, 0, &eax, &leaf7ebx, &ecx, &edx) != 0 && osxsave && avx) {
    // Bits 1 and 2: the OS saves both the XMM and the YMM state.
    const bool ymmSaved = (extendedControlRegister0() & 0x6U) == 0x6U;
    features.avx2 = ((leaf7ebx >> 5) & 1U) && ymmSaved;
  }
  return features;
}
#else
ProcessorFeatures probe() { return {}; }
#endif

}  // namespace

const ProcessorFeatures& processorFeatures() {
  static const ProcessorFeatures features = probe();
  return features;
}

}  // namespace quintrel

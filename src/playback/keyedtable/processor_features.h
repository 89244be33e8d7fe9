// What the processor offers the keyed table: the CRC32 instruction (SSE4.2) for hashing, and the
// vector widths that the C library's string routines already exploit.
//
// Probed once per process. On compilers or processors without CPUID every feature reads as absent,
// and the table falls back to portable code with the same results.
#pragma once

namespace quintrel {

struct ProcessorFeatures {
  bool sse2 = false;
  bool sse42 = false;  // decides the hash family and the CRC32 instruction
  bool avx2 = false;   // only with operating-system support for the YMM registers (XGETBV)
};

// The probe's result, computed at first use and kept for the life of the process.
const ProcessorFeatures& processorFeatures();

}  // namespace quintrel

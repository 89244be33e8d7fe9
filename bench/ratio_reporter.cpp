#include "ratio_reporter.h"

#include <cstdio>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace quintrel::bench {

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
    const std::string name = run.benchmark_name();
    const auto first = name.find('/');
    if (first == std::string::npos) continue;
    const auto second = name.find('/', first + 1);
    Key key{name.substr(0, first), second == std::string::npos ? "" : name.substr(second + 1)};
    const std::string implementation = name.substr(first + 1, second - first - 1);
    times_[key][implementation] = run.GetAdjustedRealTime();
  }
}

void RatioReporter::Finalize() {
  ConsoleReporter::Finalize();
  bool header = false;
  for (const auto& [key, implementations] : times_) {
    const auto ours = implementations.find("quintrel");
    if (ours == implementations.end()) continue;
    for (const auto& [implementation, time] : implementations) {
      if (implementation == "quintrel" || ours->second <= 0) continue;
      if (!header) {
        std::printf(
            "\nSpeed-up of quintrel over the alternative (time ratio, higher is better):\n");
        header = true;
      }
      std::printf("  %-28s %-16s vs %-22s %6.2fx\n", key.group.c_str(), key.args.c_str(),
                  implementation.c_str(), time / ours->second);
    }
  }
  std::fflush(stdout);
}

int runWithRatios(int argc, char** argv) {
#ifdef __GLIBC__
  // Keep freed memory in the process. Otherwise glibc hands big frees back to the kernel and each
  // iteration pays fresh page faults (several microseconds each on a virtual machine), which
  // measures the kernel and the allocator's trimming heuristics rather than the code under test.
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  mallopt(M_MMAP_THRESHOLD, 32 << 20);  // the largest glibc accepts on 64-bit systems
#endif
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}

}  // namespace quintrel::bench

// Console output of Google Benchmark plus, at the end, how much faster each of our benchmarks ran
// than the alternative measured in the same run.
//
// Pairs are found by name: "Group/quintrel/args" is compared with "Group/<other>/args" for every
// other implementation measured under the same group and arguments.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace quintrel::bench {

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  struct Key {
    std::string group;
    std::string args;
    bool operator<(const Key& other) const {
      return group != other.group ? group < other.group : args < other.args;
    }
  };
  // (group, args) -> implementation -> real time per iteration
  std::map<Key, std::map<std::string, double>> times_;
};

// Runs the registered benchmarks with RatioReporter; use as the benchmark program's main.
// On glibc it first tells the allocator to keep freed memory, so that every iteration runs on
// warm memory, as a long-running program does.
int runWithRatios(int argc, char** argv);

}  // namespace quintrel::bench

#include "bench/enumeration_calls.h"

#include <string>

#include "platform/memory/memory_platform.h"

namespace vantiro::bench {

namespace {

std::size_t EnumerationCallsSoFar() {
  return memory::TheMemoryPlatform().Count(memory::Operation::EnumDisplaySettings);
}

}  // namespace

EnumerationCallCheck::EnumerationCallCheck(benchmark::State& state, std::size_t enumerated)
    : state_(state), expected_(enumerated + 1), start_(EnumerationCallsSoFar()), checked_(start_) {}

bool EnumerationCallCheck::CheckIteration() {
  const std::size_t now = EnumerationCallsSoFar();
  const std::size_t calls = now - checked_;
  checked_ = now;
  if (calls == expected_) return true;
  const std::string message = "a catalogue of " + std::to_string(expected_ - 1) + " modes cost " +
                              std::to_string(calls) + " enumeration calls, not " +
                              std::to_string(expected_);
  state_.SkipWithError(message.c_str());
  return false;
}

void EnumerationCallCheck::Report() {
  state_.counters["enum_calls"] = benchmark::Counter(static_cast<double>(checked_ - start_),
                                                     benchmark::Counter::kAvgIterations);
}

}  // namespace vantiro::bench

// Fuzz target: the whole run over the in-memory platform, with arbitrary
// adapters, monitors, modes, current and stored modes, change and start
// results, lead bytes and command lines, checking what every run must keep.
#include <cstddef>
#include <cstdint>

#include "app/run_driver.h"
#include "cmdline/program_command_line.h"
#include "fuzz/case_text.h"
#include "fuzz/run_case.h"
#include "fuzz/run_properties.h"
#include "fuzz/violations.h"

using namespace vantiro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::RunCase runCase = fuzz::ReadRunCase(data, size);
  fuzz::InstallRunCase(runCase);
  memory::ArgumentVector vector(runCase.arguments);

  fuzz::RunFacts facts;
  facts.arguments = runCase.arguments;
  facts.adaptersBefore = runCase.adapters;
  facts.status = static_cast<int>(RunVantiro(vector.Count(), vector.Vector()));
  if (vector.Count() > 0) {
    facts.programCommandLine =
        ExtractProgramCommandLine(runCase.commandLine.c_str(), vector.Vector()[0]);
  }

  fuzz::StopOnViolations(fuzz::RunViolations(facts, memory::TheMemoryPlatform()),
                         fuzz::DescribeRunCase(runCase));
  return 0;
}

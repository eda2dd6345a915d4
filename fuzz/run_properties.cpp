#include "fuzz/run_properties.h"

#include <optional>

#include "fuzz/leading_switches.h"

namespace vantiro::fuzz {

namespace {

using memory::Describe;
using memory::Operation;
using memory::PlatformCall;

constexpr WORD kModeRecordSize = 156;
constexpr DWORD kModeFields = 0x005C0000;

bool SameCaps(const memory::DeviceCaps& left, const memory::DeviceCaps& right) {
  return left.width == right.width && left.height == right.height &&
         left.bitsPerPixel == right.bitsPerPixel && left.refresh == right.refresh;
}

std::string DescribeCaps(const memory::DeviceCaps& caps) {
  return std::to_string(caps.width) + "x" + std::to_string(caps.height) + "x" +
         std::to_string(caps.bitsPerPixel) + "@" + std::to_string(caps.refresh);
}

bool IsDisplayOrProgramEffect(const PlatformCall& call) {
  return call.operation == Operation::ChangeDisplaySettings ||
         call.operation == Operation::SendMessage || call.operation == Operation::CreateProcess ||
         call.operation == Operation::WaitForSingleObject;
}

class RunChecker {
 public:
  RunChecker(const RunFacts& facts, const memory::MemoryPlatform& after)
      : facts_(facts),
        after_(after),
        quiet_(HasSwitch(facts.arguments, "quiet")),
        test_(HasSwitch(facts.arguments, "test")),
        program_(!facts.programCommandLine.empty()) {}

  std::vector<std::string> Check() {
    if (facts_.status < 0 || facts_.status > 7) {
      Add("exit status " + std::to_string(facts_.status) + " is outside 0 to 7");
    }
    for (const PlatformCall& call : after_.calls) CheckCall(call);
    CheckTotals();
    CheckStatusFollowsOutcome();
    CheckAdapters();
    return violations_;
  }

 private:
  void Add(std::string violation) { violations_.push_back(std::move(violation)); }

  DWORD ExpectedFlags() const {
    return (program_ ? 0 : CDS_UPDATEREGISTRY) | (test_ ? CDS_TEST : 0);
  }

  void CheckCall(const PlatformCall& call) {
    if (refusal_ && IsDisplayOrProgramEffect(call)) {
      Add(Describe(call) + " after the refused " + Describe(*refusal_));
    }
    switch (call.operation) {
      case Operation::MessageBox:
        if (quiet_) Add("a notice under -quiet: " + Describe(call));
        break;
      case Operation::ChangeDisplaySettings:
        if (test_ && (call.flags & CDS_TEST) == 0)
          Add("a real change under -test: " + Describe(call));
        if (call.mode) {
          CheckChange(call);
        } else {
          CheckRestore(call);
        }
        break;
      case Operation::GetLastError:
        if (startFailed_ && !startError_) startError_ = static_cast<DWORD>(call.result);
        break;
      case Operation::SendMessage:
      case Operation::CreateProcess:
        if (call.operation == Operation::CreateProcess && call.result == FALSE) startFailed_ = true;
        if (!realChange_) Add(Describe(call) + " without a real change before it");
        if (call.operation == Operation::CreateProcess && !program_) {
          Add(Describe(call) + " without a program command line");
        }
        break;
      default: break;
    }
  }

  void CheckChange(const PlatformCall& call) {
    ++changes_;
    if (changes_ > 1) Add("a second change: " + Describe(call));
    if (call.mode->dmSize != kModeRecordSize) {
      Add("dmSize " + std::to_string(call.mode->dmSize) + " in " + Describe(call));
    }
    if (call.mode->dmFields != kModeFields) {
      Add("dmFields " + std::to_string(call.mode->dmFields) + " in " + Describe(call));
    }
    if (call.flags != ExpectedFlags()) {
      Add("flags " + std::to_string(call.flags) + " where " + std::to_string(ExpectedFlags()) +
          " belong: " + Describe(call));
    }
    if (call.result != DISP_CHANGE_SUCCESSFUL) {
      refusal_ = call;
    } else if ((call.flags & CDS_TEST) == 0) {
      realChange_ = call;
    }
  }

  void CheckRestore(const PlatformCall& call) {
    ++restores_;
    if (restores_ > 1) Add("a second restore: " + Describe(call));
    if (!realChange_ || !program_) {
      Add(Describe(call) + " without a dynamic change to undo");
    } else if (call.device != realChange_->device) {
      Add(Describe(call) + " undoes another device than " + Describe(*realChange_));
    }
    if (call.flags != 0) Add("restore flags " + std::to_string(call.flags));
  }

  void CheckTotals() {
    if (realChange_ && program_ && restores_ == 0) {
      Add("no restore after " + Describe(*realChange_) + " with the program command line \"" +
          facts_.programCommandLine + "\"");
    }
    std::size_t started = 0;
    for (const PlatformCall& call : after_.calls) {
      if (call.operation == Operation::CreateProcess && call.result != FALSE) ++started;
    }
    if (after_.Count(Operation::WaitForSingleObject) != started) {
      Add(std::to_string(started) + " programs started, " +
          std::to_string(after_.Count(Operation::WaitForSingleObject)) + " waited for");
    }
    if (after_.Count(Operation::CloseHandle) != 2 * started) {
      Add(std::to_string(started) + " programs started, " +
          std::to_string(after_.Count(Operation::CloseHandle)) + " handles closed");
    }
    if (after_.Count(Operation::DeleteDC) != after_.Count(Operation::CreateDC)) {
      Add(std::to_string(after_.Count(Operation::CreateDC)) + " device contexts made, " +
          std::to_string(after_.Count(Operation::DeleteDC)) + " released");
    }
  }

  // The status that the last thing to go wrong, or a completed change, calls
  // for; a failure must never read as success.
  void CheckStatusFollowsOutcome() {
    std::optional<int> expected;
    if (refusal_) {
      switch (refusal_->result) {
        case DISP_CHANGE_NOTUPDATED: expected = 3; break;
        case DISP_CHANGE_RESTART: expected = 4; break;
        case DISP_CHANGE_BADMODE: expected = 2; break;
        default: expected = 5; break;
      }
    } else if (startFailed_) {
      expected = startError_ == ERROR_FILE_NOT_FOUND ? 6 : 7;
    } else if (changes_ > 0) {
      expected = 0;
    }
    if (expected && facts_.status != *expected) {
      Add("exit status " + std::to_string(facts_.status) + " where the run calls for " +
          std::to_string(*expected));
    }
  }

  void CheckAdapters() {
    for (std::size_t index = 0; index < after_.adapters.size(); ++index) {
      const memory::Adapter& now = after_.adapters[index];
      if (index < facts_.adaptersBefore.size()) {
        const memory::Adapter& before = facts_.adaptersBefore[index];
        if (SameCaps(now.current, before.current) && SameCaps(now.registry, before.registry)) {
          continue;
        }
      }
      if (!SameCaps(now.current, now.registry)) {
        Add("adapter \"" + now.deviceName + "\" left in " + DescribeCaps(now.current) + " while " +
            DescribeCaps(now.registry) + " is stored");
      }
    }
  }

  const RunFacts& facts_;
  const memory::MemoryPlatform& after_;
  const bool quiet_;
  const bool test_;
  const bool program_;
  std::optional<PlatformCall> refusal_;
  std::optional<PlatformCall> realChange_;
  bool startFailed_ = false;
  std::optional<DWORD> startError_;
  std::size_t changes_ = 0;
  std::size_t restores_ = 0;
  std::vector<std::string> violations_;
};

}  // namespace

std::vector<std::string> RunViolations(const RunFacts& facts, const memory::MemoryPlatform& after) {
  return RunChecker(facts, after).Check();
}

}  // namespace vantiro::fuzz

// Runs vorantis-replay as a child under limits: its own process group (ended whole on
// every path), a wall-clock safety net, and a memory ceiling (an address-space limit,
// or in a sanitizer build the sanitizer's own limits, since ASan reserves far more
// address space than it uses).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vorantis::testing {

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kSanitizerBuild = true;
#else
inline constexpr bool kSanitizerBuild = false;
#endif

struct ToolOutcome {
  bool timedOut = false;
  int timeoutSeconds = 0;
  int signal = 0;      // the signal that ended it, or 0
  int exitCode = -1;   // when it exited
  std::string output;  // standard output
  std::string errors;
  std::string state;

  // Exited 0 in time, with a state written and no sanitizer or runtime complaint.
  bool Clean() const;
  // What went wrong, with the start of standard error.
  std::string Describe() const;
};

struct ToolLimits {
  int timeoutSeconds = 60;
  long memoryMegabytes = 2048;
};

// Runs the tool with `arguments`, its output, standard error and state kept in `workFolder`.
ToolOutcome RunReplayTool(const std::vector<std::string>& arguments, const std::filesystem::path& workFolder,
                          const ToolLimits& limits = {});

std::string ReplayToolPath();

// A folder that reads like `source` but is made of symbolic links, with real folders
// along `replaced` (relative to `source`) and a real copy of the file it names, so that
// one file can be changed without copying the whole data set.
void MirrorData(const std::filesystem::path& source, const std::filesystem::path& target,
                const std::filesystem::path& replaced);

}  // namespace vorantis::testing

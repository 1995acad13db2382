// Runs vorantis-replay as a child under limits (see support/child_process.h) and keeps what it
// wrote.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "support/child_process.h"

namespace vorantis::testing {

struct ToolOutcome : ChildEnd {
  int timeoutSeconds = 0;
  std::string output;  // standard output
  std::string errors;
  std::string state;

  // Exited 0 in time, with a state written and no sanitizer or runtime complaint.
  bool Clean() const;
  // What went wrong, with the start of standard error.
  std::string Describe() const;
};

struct ToolLimits : ChildLimits {
  ToolLimits() { memoryMegabytes = 2048; }
};

std::string ReadText(const std::filesystem::path& path);

// Runs the tool with `arguments`, its output, standard error and state kept in `workFolder`.
ToolOutcome RunReplayTool(const std::vector<std::string>& arguments, const std::filesystem::path& workFolder,
                          const ToolLimits& limits = {});

// A folder that reads like `source` but is made of symbolic links, with real folders
// along `replaced` (relative to `source`) and a real copy of the file it names, so that
// one file can be changed without copying the whole data set.
void MirrorData(const std::filesystem::path& source, const std::filesystem::path& target,
                const std::filesystem::path& replaced);

}  // namespace vorantis::testing

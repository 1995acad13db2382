// Runs of vorantis-replay under limits (see support/child_process.h) for the settings matrix,
// the damaged data files and the monkey, and the short game the first two play.
#pragma once

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/child_process.h"

namespace vorantis::testing {

// Leaves the title at once, walks in all four directions, sets off a bomb, pauses
// and continues: start-up, a level build, play, a dialog and a tile placement.
inline constexpr const char* kShortPlayScript =
    "0 +SPACE\n1 -SPACE\n"
    "3 +RIGHT\n22 -RIGHT\n23 +DOWN\n38 -DOWN\n"
    "39 +SPACE\n41 -SPACE\n"
    "42 +P\n43 -P\n45 +X\n46 -X\n"
    "47 +LEFT\n62 -LEFT\n63 +UP\n79 -UP\n";
inline constexpr int kShortPlayPasses = 80;

inline const std::filesystem::path kDefaultData = VORANTIS_BINARY_DIR "/game";
inline const std::filesystem::path kLevelFileData = VORANTIS_BINARY_DIR "/game-levelfile";

inline std::string ReadText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

struct ToolOutcome : ChildEnd {
  int timeoutSeconds = 0;
  std::string output;  // standard output
  std::string errors;
  std::string state;

  // Exited 0 in time, with a state written and no sanitizer or runtime complaint.
  bool Clean() const {
    if (timedOut || signal != 0 || exitCode != 0 || state.empty()) return false;
    for (const char* mark : {"Sanitizer", "runtime error:", "terminate called"}) {
      if (errors.find(mark) != std::string::npos) return false;
    }
    return true;
  }
  // What went wrong, with the start of standard error.
  std::string Describe() const {
    std::string out = timedOut ? "still running after " + std::to_string(timeoutSeconds) + " s, ended"
                      : signal != 0
                          ? "ended by signal " + std::to_string(signal) + " (" + strsignal(signal) + ")"
                          : "exit code " + std::to_string(exitCode);
    if (state.empty()) out += ", no state written";
    if (!errors.empty()) out += "; standard error:\n" + errors.substr(0, 4000);
    return out;
  }
};

// A run takes a fraction of a second (a few times that under the sanitizers), or some
// seconds where every pass builds a new level (over ten on a busy machine); the timeout
// catches a run that would never end, within the two minutes CTest gives a test.
inline constexpr ChildLimits kToolLimits{100, 2048};

// Runs the tool with `arguments`, its output, standard error and state kept in `workFolder`.
inline ToolOutcome RunReplayTool(const std::vector<std::string>& arguments,
                                 const std::filesystem::path& workFolder,
                                 const ChildLimits& limits = kToolLimits) {
  std::filesystem::create_directories(workFolder);
  const std::filesystem::path statePath = workFolder / "state.json";
  std::filesystem::remove(statePath);
  std::vector<std::string> argv{VORANTIS_BINARY_DIR "/tools/replay/vorantis-replay", "--state",
                                statePath.string()};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  ToolOutcome outcome;
  static_cast<ChildEnd&>(outcome) =
      RunChild(argv, workFolder / "output.txt", workFolder / "errors.txt", limits);
  outcome.timeoutSeconds = limits.timeoutSeconds;
  outcome.output = ReadText(workFolder / "output.txt");
  outcome.errors = ReadText(workFolder / "errors.txt");
  outcome.state = ReadText(statePath);
  return outcome;
}

// The short play on `data`, its script written into `work`.
inline ToolOutcome RunShortPlay(const std::filesystem::path& data, const std::filesystem::path& work) {
  std::filesystem::create_directories(work);
  std::ofstream(work / "input.txt", std::ios::binary) << kShortPlayScript;
  return RunReplayTool({"--data", data.string(), "--renderer", "record", "--input",
                        (work / "input.txt").string(), "--passes", std::to_string(kShortPlayPasses)},
                       work);
}

// A folder that reads like `source` but is made of symbolic links, with real folders
// along `replaced` (relative to `source`) and a real copy of the file it names, so that
// one file can be changed without copying the whole data set.
inline void MirrorData(const std::filesystem::path& source, const std::filesystem::path& target,
                       const std::filesystem::path& replaced) {
  namespace fs = std::filesystem;
  fs::create_directories(target);
  const auto first = replaced.begin();
  for (const fs::directory_entry& entry : fs::directory_iterator(source)) {
    const fs::path name = entry.path().filename();
    const fs::path to = target / name;
    if (first == replaced.end() || name != *first) {
      fs::create_symlink(fs::absolute(entry.path()), to);
      continue;
    }
    fs::path rest;
    for (auto part = std::next(first); part != replaced.end(); ++part) rest /= *part;
    if (rest.empty()) {
      fs::copy_file(entry.path(), to);
    } else {
      MirrorData(entry.path(), to, rest);
    }
  }
}

}  // namespace vorantis::testing

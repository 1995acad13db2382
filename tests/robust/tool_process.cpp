#include "robust/tool_process.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace vorantis::testing {
namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool ToolOutcome::Clean() const {
  if (timedOut || signal != 0 || exitCode != 0 || state.empty()) return false;
  for (const char* mark : {"Sanitizer", "runtime error:", "terminate called"}) {
    if (errors.find(mark) != std::string::npos) return false;
  }
  return true;
}

std::string ToolOutcome::Describe() const {
  std::string out;
  if (timedOut) {
    out = "still running after " + std::to_string(timeoutSeconds) + " s, ended";
  } else if (signal != 0) {
    out = "ended by signal " + std::to_string(signal) + " (" + strsignal(signal) + ")";
  } else {
    out = "exit code " + std::to_string(exitCode);
  }
  if (state.empty()) out += ", no state written";
  if (!errors.empty()) out += "; standard error:\n" + errors.substr(0, 4000);
  return out;
}

ToolOutcome RunReplayTool(const std::vector<std::string>& arguments, const fs::path& workFolder,
                          const ToolLimits& limits) {
  fs::create_directories(workFolder);
  const fs::path statePath = workFolder / "state.json";
  fs::remove(statePath);
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

void MirrorData(const fs::path& source, const fs::path& target, const fs::path& replaced) {
  fs::create_directories(target);
  const auto first = replaced.begin();
  for (const fs::directory_entry& entry : fs::directory_iterator(source)) {
    const fs::path name = entry.path().filename();
    const fs::path to = target / name;
    if (first != replaced.end() && name == *first) {
      fs::path rest;
      for (auto part = std::next(first); part != replaced.end(); ++part) rest /= *part;
      if (rest.empty()) {
        fs::copy_file(entry.path(), to);
      } else {
        MirrorData(entry.path(), to, rest);
      }
    } else {
      fs::create_symlink(fs::absolute(entry.path()), to);
    }
  }
}

}  // namespace vorantis::testing

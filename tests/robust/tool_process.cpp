#include "robust/tool_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace vorantis::testing {
namespace fs = std::filesystem;

namespace {

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool StartsWith(const char* text, const char* prefix) {
  return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

// The child's environment: ours, with the sanitizers told to stop at the memory ceiling
// (and allocations beyond it to fail as they would under an address-space limit).
std::vector<std::string> ChildEnvironment(const ToolLimits& limits) {
  std::vector<std::string> out;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    if (StartsWith(*entry, "ASAN_OPTIONS=") || StartsWith(*entry, "UBSAN_OPTIONS=")) continue;
    out.emplace_back(*entry);
  }
  if (kSanitizerBuild) {
    const std::string megabytes = std::to_string(limits.memoryMegabytes);
    out.push_back("ASAN_OPTIONS=detect_leaks=1:hard_rss_limit_mb=" + megabytes +
                  ":max_allocation_size_mb=" + megabytes + ":allocator_may_return_null=1");
    out.push_back("UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1");
  }
  return out;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> out;
  for (std::string& text : texts) out.push_back(text.data());
  out.push_back(nullptr);
  return out;
}

// Ends the child's whole process group unless it has been reaped already.
class ChildGroup {
 public:
  explicit ChildGroup(pid_t pid) : pid_(pid) {}
  ~ChildGroup() {
    if (pid_ <= 0) return;
    kill(-pid_, SIGKILL);
    int status = 0;
    waitpid(pid_, &status, 0);
  }
  ChildGroup(const ChildGroup&) = delete;
  ChildGroup& operator=(const ChildGroup&) = delete;

  // The child's wait status, or nothing when the time ran out (the group is then ended).
  bool Wait(std::chrono::seconds timeout, int& status) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    auto nap = std::chrono::milliseconds(1);
    for (;;) {
      const pid_t done = waitpid(pid_, &status, WNOHANG);
      if (done == pid_) {
        kill(-pid_, SIGKILL);  // anything it left behind in its group
        pid_ = 0;
        return true;
      }
      if (done < 0 && errno != EINTR) throw std::runtime_error("waitpid failed");
      if (std::chrono::steady_clock::now() >= deadline) return false;
      std::this_thread::sleep_for(nap);
      nap = std::min(nap * 2, std::chrono::milliseconds(20));
    }
  }

 private:
  pid_t pid_;
};

}  // namespace

std::string ReplayToolPath() {
  return VORANTIS_BINARY_DIR "/tools/replay/vorantis-replay";
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
  const fs::path outputPath = workFolder / "output.txt";
  const fs::path errorsPath = workFolder / "errors.txt";
  const fs::path statePath = workFolder / "state.json";
  fs::remove(statePath);

  std::vector<std::string> argv{ReplayToolPath(), "--state", statePath.string()};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  std::vector<std::string> environment = ChildEnvironment(limits);
  std::vector<char*> argvPointers = Pointers(argv);
  std::vector<char*> environmentPointers = Pointers(environment);

  const int errorsFile = open(errorsPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  const int outputFile = open(outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (errorsFile < 0 || outputFile < 0) throw std::runtime_error("cannot open the child's output files");
  const pid_t parent = getpid();
  const rlim_t addressSpace = static_cast<rlim_t>(limits.memoryMegabytes) << 20;

  const pid_t pid = fork();
  if (pid == 0) {
    // Only async-signal-safe calls from here to exec.
    setpgid(0, 0);
    prctl(PR_SET_PDEATHSIG, SIGKILL);  // a test killed by its own timeout takes the tool along
    if (getppid() != parent) _exit(127);
    dup2(outputFile, STDOUT_FILENO);
    dup2(errorsFile, STDERR_FILENO);
    if (!kSanitizerBuild) {
      const rlimit limit{addressSpace, addressSpace};
      setrlimit(RLIMIT_AS, &limit);
    }
    execve(argvPointers[0], argvPointers.data(), environmentPointers.data());
    _exit(127);
  }
  close(errorsFile);
  close(outputFile);
  if (pid < 0) throw std::runtime_error("fork failed");
  setpgid(pid, pid);  // either side may come first

  ChildGroup child(pid);
  ToolOutcome outcome;
  outcome.timeoutSeconds = limits.timeoutSeconds;
  int status = 0;
  if (!child.Wait(std::chrono::seconds(limits.timeoutSeconds), status)) {
    outcome.timedOut = true;
  } else if (WIFSIGNALED(status)) {
    outcome.signal = WTERMSIG(status);
  } else if (WIFEXITED(status)) {
    outcome.exitCode = WEXITSTATUS(status);
  }
  outcome.output = ReadText(outputPath);
  outcome.errors = ReadText(errorsPath);
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

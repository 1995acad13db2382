// Runs a program (the replay tool, mostly) as a child of a test: in a process group of its own
// that is ended whole on every path, under a time limit that only stops a run that would never
// end, and under an optional memory ceiling. POSIX only.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace vorantis::testing {

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kSanitizerBuild = true;
#else
inline constexpr bool kSanitizerBuild = false;
#endif

struct ChildLimits {
  int timeoutSeconds = 60;
  // An address-space limit; in a sanitizer build, which reserves far more address space than it
  // uses, the sanitizer's own limits instead. 0: none.
  long memoryMegabytes = 0;
};

struct ChildEnd {
  bool timedOut = false;
  int signal = 0;     // the signal that ended it, or 0
  int exitCode = -1;  // when it exited
  long peakKilobytes = 0;
};

// Runs `argv` (a full path first) with standard output and error written to the given files.
// `environment` entries replace the test's own of the same name.
inline ChildEnd RunChild(std::vector<std::string> argv, const std::filesystem::path& outputPath,
                         const std::filesystem::path& errorsPath, const ChildLimits& limits,
                         std::vector<std::string> environment = {}) {
  if (kSanitizerBuild && limits.memoryMegabytes > 0) {
    const std::string megabytes = std::to_string(limits.memoryMegabytes);
    environment.push_back("ASAN_OPTIONS=detect_leaks=1:hard_rss_limit_mb=" + megabytes +
                          ":max_allocation_size_mb=" + megabytes + ":allocator_may_return_null=1");
    environment.push_back("UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1");
  }
  const auto replaced = [&environment](std::string_view entry) {
    return std::any_of(environment.begin(), environment.end(), [entry](const std::string& mine) {
      return entry.substr(0, mine.find('=') + 1) == mine.substr(0, mine.find('=') + 1);
    });
  };
  for (char** entry = environ; *entry != nullptr; ++entry)
    if (!replaced(*entry)) environment.emplace_back(*entry);
  const auto pointers = [](std::vector<std::string>& texts) {
    std::vector<char*> out;
    for (std::string& text : texts) out.push_back(text.data());
    out.push_back(nullptr);
    return out;
  };
  const std::vector<char*> argvPointers = pointers(argv);
  const std::vector<char*> environmentPointers = pointers(environment);
  const int output = open(outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  const int errors = open(errorsPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  const rlim_t addressSpace = static_cast<rlim_t>(limits.memoryMegabytes) << 20;
  const pid_t parent = getpid();
  const pid_t pid = output < 0 || errors < 0 ? -1 : fork();
  if (pid == 0) {
    // Only async-signal-safe calls from here to exec.
    setpgid(0, 0);
    prctl(PR_SET_PDEATHSIG, SIGKILL);  // a test killed by its own timeout takes the child along
    if (getppid() != parent) _exit(127);
    dup2(output, STDOUT_FILENO);
    dup2(errors, STDERR_FILENO);
    if (!kSanitizerBuild && addressSpace > 0) {
      const rlimit limit{addressSpace, addressSpace};
      setrlimit(RLIMIT_AS, &limit);
    }
    execve(argvPointers[0], argvPointers.data(), environmentPointers.data());
    _exit(127);
  }
  if (output >= 0) close(output);
  if (errors >= 0) close(errors);
  if (pid < 0) throw std::runtime_error("cannot start " + argv[0]);
  setpgid(pid, pid);  // either side may come first

  ChildEnd end;
  int status = 0;
  rusage usage{};
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(limits.timeoutSeconds);
  auto nap = std::chrono::milliseconds(1);
  for (;;) {
    const pid_t done = wait4(pid, &status, WNOHANG, &usage);
    if (done == pid || (done < 0 && errno != EINTR)) break;
    if (std::chrono::steady_clock::now() >= deadline) {
      end.timedOut = true;
      kill(-pid, SIGKILL);
      wait4(pid, &status, 0, &usage);
      break;
    }
    std::this_thread::sleep_for(nap);
    nap = std::min(nap * 2, std::chrono::milliseconds(20));
  }
  kill(-pid, SIGKILL);  // anything it left behind in its group
  end.peakKilobytes = usage.ru_maxrss;
  if (!end.timedOut && WIFSIGNALED(status)) end.signal = WTERMSIG(status);
  if (!end.timedOut && WIFEXITED(status)) end.exitCode = WEXITSTATUS(status);
  return end;
}

}  // namespace vorantis::testing

// The game with pictures in its tile folder that claim gigapixels (and one file of a
// gigabyte): it starts, plays and ends at its pass count without taking their memory.
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>
#include <thread>

#include "hostile/picture_files.h"
#include "support/test_game.h"

extern char** environ;

namespace vorantis {
namespace {

namespace fs = std::filesystem;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitizerBuild = true;
#else
constexpr bool kSanitizerBuild = false;
#endif

// The game runs in some 60 MB (a few times that under the sanitizers); one lying picture
// decoded as claimed took 4 GB and more.
constexpr long kMemoryMegabytes = 1024;

struct Outcome {
  bool timedOut = false;
  int status = 0;
  long peakKilobytes = 0;
  std::string errors;
};

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs the replay tool in a process group of its own, which is ended on every path; the
// time limit only stops a run that would never end.
Outcome RunTool(std::vector<std::string> arguments, const fs::path& work) {
  arguments.insert(arguments.begin(), VORANTIS_BINARY_DIR "/tools/replay/vorantis-replay");
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  // AddressSanitizer reserves far more address space than it uses: there the ceiling is
  // its own, given through ASAN_OPTIONS.
  std::vector<std::string> environment;
  for (char** entry = environ; *entry != nullptr; ++entry)
    if (std::string_view(*entry).substr(0, 13) != "ASAN_OPTIONS=") environment.emplace_back(*entry);
  if (kSanitizerBuild) {
    const std::string limit = std::to_string(kMemoryMegabytes);
    environment.push_back("ASAN_OPTIONS=hard_rss_limit_mb=" + limit + ":max_allocation_size_mb=" + limit);
  }
  std::vector<char*> envp;
  for (std::string& entry : environment) envp.push_back(entry.data());
  envp.push_back(nullptr);
  const std::string errorsPath = (work / "errors.txt").string();
  const int errors = open(errorsPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  const int nothing = open("/dev/null", O_WRONLY | O_CLOEXEC);
  const pid_t parent = getpid();
  const pid_t pid = fork();
  if (pid == 0) {
    setpgid(0, 0);
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) _exit(127);
    dup2(nothing, STDOUT_FILENO);
    dup2(errors, STDERR_FILENO);
    if (!kSanitizerBuild) {
      const rlim_t bytes = static_cast<rlim_t>(kMemoryMegabytes) << 20;
      const rlimit limit{bytes, bytes};
      setrlimit(RLIMIT_AS, &limit);
    }
    execve(argv[0], argv.data(), envp.data());
    _exit(127);
  }
  close(errors);
  close(nothing);
  Outcome outcome;
  if (pid < 0) return outcome;
  setpgid(pid, pid);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(kSanitizerBuild ? 120 : 30);
  rusage usage{};
  for (;;) {
    const pid_t done = wait4(pid, &outcome.status, WNOHANG, &usage);
    if (done == pid || done < 0) break;
    if (std::chrono::steady_clock::now() > deadline) {
      outcome.timedOut = true;
      kill(-pid, SIGKILL);
      wait4(pid, &outcome.status, 0, &usage);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  kill(-pid, SIGKILL);  // anything the tool left behind in its group
  outcome.peakKilobytes = usage.ru_maxrss;
  outcome.errors = ReadText(work / "errors.txt");
  return outcome;
}

TEST(LyingPicturesInTheGame, TheGameEndsNormallyAtItsPassCount) {
  testing::ScratchFolder scratch;
  const fs::path data = scratch.path() / "game";
  fs::copy(VORANTIS_BINARY_DIR "/game", data, fs::copy_options::recursive);
  using testing::LyingJpeg;
  using testing::LyingPng;
  using testing::LyingTiff;
  const std::pair<const char*, std::string> lies[] = {
      {"claims-32767-png.png", LyingPng(32767, 32767)},
      {"claims-65535-tga.png", testing::TgaHeader(65535, 65535, 2, 32)},
      {"claims-32767-jpeg.png", LyingJpeg(32767, 32767, false)},
      {"claims-32767-progressive-jpeg.png", LyingJpeg(32767, 32767, true)},
      {"claims-32767-tiff.png", LyingTiff(32767, 32767)},
  };
  for (const auto& [name, bytes] : lies) std::ofstream(data / "TILES" / name, std::ios::binary) << bytes;
  // A gigabyte of nothing: no disk space, and never read.
  std::ofstream(data / "TILES" / "gigabyte.png", std::ios::binary) << "\x89PNG\r\n\x1a\n";
  fs::resize_file(data / "TILES" / "gigabyte.png", 1u << 30);
  std::ofstream(scratch.path() / "input.txt", std::ios::binary) << "0 +SPACE\n1 -SPACE\n";

  const Outcome outcome =
      RunTool({"--data", data.string(), "--renderer", "record", "--passes", "300", "--input",
               (scratch.path() / "input.txt").string(), "--state", (scratch.path() / "state.json").string()},
              scratch.path());
  ASSERT_FALSE(outcome.timedOut);
  ASSERT_TRUE(WIFEXITED(outcome.status) && WEXITSTATUS(outcome.status) == 0)
      << "status " << outcome.status << ": " << outcome.errors.substr(0, 2000);
  EXPECT_LT(outcome.peakKilobytes, kMemoryMegabytes * 1024);
  const std::string state = ReadText(scratch.path() / "state.json");
  EXPECT_NE(state.find("\"end\":{\"kind\":\"running\"},\"passes\":300,"), std::string::npos)
      << state.substr(0, 200);
  EXPECT_NE(state.find("\"builtLevelNumber\":1,"), std::string::npos) << "the level was built and played";
}

}  // namespace
}  // namespace vorantis

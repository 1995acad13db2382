// The replay tool's command line.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace vorantis::replay {

enum class RendererKind { kOffscreenGl, kRecording };

struct Options {
  std::string dataFolder;
  int width = 800;
  int height = 600;
  std::string inputFile;
  bool gamepad = false;
  std::int64_t passes = 600;
  std::string stateFile;
  std::string traceFile;
  std::set<std::int64_t> frames;  // presents to save, numbered from 1
  std::string outFolder;
  std::optional<RendererKind> renderer;     // unset: offscreen GL when the build has it
  std::optional<std::uint64_t> monkeySeed;  // random input in place of a script; games follow games
  std::int64_t rssEvery = 0;                // passes between memory samples on standard output; 0: none
  bool buildTimes = false;                  // report each level build's real time on standard error
  // Virtual milliseconds each drawn frame costs, on a clock that paces passes to 60 per
  // second; below 0: no pacing, and every frame is drawn.
  std::int64_t drawCostMs = -1;
  bool help = false;
};

// The options of argv[1..]; on a mistake, nothing and `error` says what is wrong.
std::optional<Options> ParseOptions(const std::vector<std::string>& arguments,
                                    const std::string& defaultDataFolder, std::string& error);

const char* UsageText();

}  // namespace vorantis::replay

// The short game the settings matrix and the damaged data files are played through.
#pragma once

#include <filesystem>
#include <string>

#include "robust/tool_process.h"

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

inline std::filesystem::path DefaultDataFolder() {
  return VORANTIS_BINARY_DIR "/game";
}
inline std::filesystem::path LevelFileDataFolder() {
  return VORANTIS_BINARY_DIR "/game-levelfile";
}

// A run takes a fraction of a second (a few times that under the sanitizers), or some
// seconds where every pass builds a new level (over ten on a busy machine); the timeout
// catches a run that would never end, within the two minutes CTest gives a test.
inline ToolLimits ShortPlayLimits() {
  ToolLimits limits;
  limits.timeoutSeconds = 100;
  limits.memoryMegabytes = 2048;
  return limits;
}

inline ToolOutcome RunShortPlay(const std::filesystem::path& data, const std::filesystem::path& script,
                                const std::filesystem::path& work) {
  return RunReplayTool({"--data", data.string(), "--renderer", "record", "--input", script.string(),
                        "--passes", std::to_string(kShortPlayPasses)},
                       work, ShortPlayLimits());
}

}  // namespace vorantis::testing

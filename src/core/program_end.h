// How the program ends: EndProgram releases the engine and unwinds to main (or to the
// replay harness) by throwing ProgramEnded, which carries the exit code and, after a
// report, what the report showed.
#pragma once

#include <string>

namespace vorantis {

struct Game;

struct ProgramEnded {
  int exitCode = 0;
  bool reported = false;
  int reportCode = 0;
  std::string title;
  std::string text;
};

inline constexpr int kReportConfiguration = 0;
inline constexpr int kReportScreen = 1;
inline constexpr int kReportWindow = 2;
inline constexpr int kReportLevelFile = 4;
inline constexpr int kReportSelfCreateBase = 5;

// Shows the report's message box, then ends the program.
[[noreturn]] void EngineReport(Game& game, int code);

// Releases everything and ends the program with exit code 0.
[[noreturn]] void EndProgram(Game& game);

}  // namespace vorantis

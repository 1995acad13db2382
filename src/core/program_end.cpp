#include "core/program_end.h"

#include "core/game.h"
#include "engine/engine.h"
#include "engine/files.h"

namespace vorantis {

namespace {

constexpr const char* kReportTitle = "ERROR ";

// The message of a report code; paths are shown as the file layer opens them.
std::string ReportText(const Game& game, int code) {
  switch (code) {
    case kReportConfiguration:
      return " Could not open " + MapPath(game.baseDirectory + "DATA\\ini.txt");
    case kReportScreen:
      return " Could not open screen";
    case kReportWindow:
      return " Could not open window";
    case kReportLevelFile:
      return " Could not open topographic data";
    case kReportSelfCreateBase:
      return " Could not open:" + MapPath(game.settings.SELFCREATEBASE);
    default:
      return std::string();
  }
}

[[noreturn]] void Finish(Game& game, ProgramEnded ended) {
  game.engine.Shutdown();
  throw ended;
}

}  // namespace

void EngineReport(Game& game, int code) {
  ProgramEnded ended;
  ended.reported = true;
  ended.reportCode = code;
  ended.title = kReportTitle;
  ended.text = ReportText(game, code);
  game.engine.ShowMessageBox(ended.title, ended.text);
  Finish(game, std::move(ended));
}

void EndProgram(Game& game) {
  Finish(game, ProgramEnded{});
}

}  // namespace vorantis

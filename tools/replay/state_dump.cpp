#include "state_dump.h"

#include <variant>

#include "core/game.h"
#include "core/settings.h"
#include "json_writer.h"

namespace vorantis::replay {
namespace {

void WriteEnd(JsonWriter& json, const RunEnd& end) {
  json.BeginObject();
  json.Key("kind");
  switch (end.kind) {
    case RunEnd::Kind::kRunning:
      json.String("running");
      break;
    case RunEnd::Kind::kEnded:
      json.String("ended");
      break;
    case RunEnd::Kind::kReport:
      json.String("report");
      break;
  }
  if (end.kind != RunEnd::Kind::kRunning) {
    json.Key("exitCode");
    json.Int(end.exitCode);
  }
  if (end.kind == RunEnd::Kind::kReport) {
    json.Key("code");
    json.Int(end.reportCode);
    json.Key("title");
    json.String(end.title);
    json.Key("text");
    json.String(end.text);
  }
  json.EndObject();
}

void WriteSettings(JsonWriter& json, const Settings& settings) {
  json.BeginObject();
  for (const NamedSetting& setting : ListSettings(settings)) {
    json.Key(setting.key);
    if (const auto* number = std::get_if<std::int64_t>(&setting.value)) {
      json.Int(*number);
    } else if (const auto* real = std::get_if<double>(&setting.value)) {
      json.Float(static_cast<float>(*real));
    } else {
      json.String(std::get<std::string>(setting.value));
    }
  }
  json.EndObject();
}

bool AreaHasTiles(const Game& game) {
  const LevelState& level = game.level;
  for (int column = 0; column <= level.levelWidth; ++column) {
    for (int row = 0; row <= level.levelHeight; ++row) {
      const MatrixField* field = game.level.matrix.Find(column, row);
      if (field != nullptr && field->tileCode != nullptr) return true;
    }
  }
  return false;
}

// Rows of tile codes; empty until a level has placed tiles. Fields outside the grid are null.
void WriteLevel(JsonWriter& json, const Game& game) {
  const LevelState& level = game.level;
  json.BeginArray();
  if (level.levelWidth >= 0 && level.levelHeight >= 0 && AreaHasTiles(game)) {
    for (int row = 0; row <= level.levelHeight; ++row) {
      json.BeginArray();
      for (int column = 0; column <= level.levelWidth; ++column) {
        const MatrixField* field = game.level.matrix.Find(column, row);
        if (field == nullptr) {
          json.Null();
        } else {
          json.String(Str(field->tileCode));
        }
      }
      json.EndArray();
    }
  }
  json.EndArray();
}

void WriteEnemies(JsonWriter& json, const Game& game) {
  json.BeginArray();
  for (const Enemy& enemy : game.level.enemies) {
    json.BeginObject();
    json.Key("x");
    json.Int(enemy.x);
    json.Key("y");
    json.Int(enemy.y);
    json.Key("heading");
    json.Int(enemy.heading);
    json.EndObject();
  }
  json.EndArray();
}

}  // namespace

std::string StateJson(const Game& game, const RunEnd& end, std::int64_t passes, std::int64_t frames,
                      std::int64_t games) {
  const PlayState& play = game.play;
  JsonWriter json;
  json.BeginObject();
  json.Key("end");
  WriteEnd(json, end);
  json.Key("passes");
  json.Int(passes);
  json.Key("frames");
  json.Int(frames);
  if (games > 0) {
    json.Key("games");
    json.Int(games);
  }
  json.Key("gameState");
  json.Int(play.gameState);
  json.Key("levelNumber");
  json.Int(play.levelNumber);
  json.Key("builtLevelNumber");
  json.Int(game.level.builtLevelNumber);
  json.Key("tilesLeft");
  json.Int(play.tilesLeft);
  json.Key("timeLeft");
  json.Int(play.timeLeft);
  json.Key("timerFrames");
  json.Int(play.timerFrames);
  json.Key("totalScore");
  json.Int(play.totalScore);
  json.Key("countTarget");
  json.Int(play.countTarget);
  json.Key("bankedScore");
  json.Int(play.bankedScore);
  json.Key("bombs");
  json.String(play.bombs);
  json.Key("cursor");
  json.BeginObject();
  json.Key("x");
  json.Float(game.play.cursor.x);
  json.Key("y");
  json.Float(game.play.cursor.y);
  json.Key("heading");
  json.Int(game.play.cursor.heading);
  json.EndObject();
  json.Key("origin");
  json.BeginObject();
  json.Key("column");
  json.Float(play.originColumn);
  json.Key("row");
  json.Float(play.originRow);
  json.EndObject();
  json.Key("levelWidth");
  json.Int(game.level.levelWidth);
  json.Key("levelHeight");
  json.Int(game.level.levelHeight);
  json.Key("tileSize");
  json.Float(game.tileSize());
  json.Key("screen");
  json.BeginObject();
  json.Key("width");
  json.Float(game.screenWidth);
  json.Key("height");
  json.Float(game.screenHeight);
  json.EndObject();
  json.Key("enemies");
  WriteEnemies(json, game);
  json.Key("fieldObjects");
  json.Int(static_cast<std::int64_t>(game.level.fieldObjects.size()));
  json.Key("settings");
  WriteSettings(json, game.settings);
  json.Key("level");
  WriteLevel(json, game);
  json.EndObject();
  return json.text();
}

}  // namespace vorantis::replay

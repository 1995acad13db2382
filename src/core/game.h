// The one object that owns everything the game keeps between calls: settings, play
// state, the labyrinth, the lists and catalogues, the glyph table, the cursor and the
// random generator. It holds the engine; the game's operations are free functions
// that take it.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/matrix.h"
#include "core/random.h"
#include "core/records.h"
#include "core/settings.h"
#include "core/text_pool.h"

namespace vorantis {

class Engine;

// Watches what the game draws and plays (the replay tool's trace).
class GameObserver {
 public:
  virtual ~GameObserver() = default;
  virtual void OnText(const std::string& text, float x, float y, float size, int alpha, float spacing) = 0;
  // A sound effect found by name and started.
  virtual void OnSound(const std::string& name) = 0;
  // Before each poll of the controls (main loop and dialogs alike).
  virtual void OnControlsPoll() {}
  // Before each poll of the title screen's wait for a key or START.
  virtual void OnTitleWait() {}
};

inline constexpr std::int32_t kGameRunning = 19;
inline constexpr std::int32_t kGameOver = 21;

struct PlayState {
  std::int32_t gameState = kGameRunning;
  std::int32_t levelNumber = 1;
  std::int32_t tilesLeft = 0;
  std::int32_t timeLeft = 0;
  std::int32_t timerFrames = 0;
  std::int32_t totalScore = 0;
  std::int32_t countTarget = 0;
  std::int32_t bankedScore = 0;
  std::int8_t levelIntroPending = 0;
  float originColumn = 0;
  float originRow = 0;
  std::string bombs = "&";  // one "&" per bomb carried
  std::int32_t screenShot = 0;
  std::int32_t screenShot3D = 0;
  std::int32_t noticeOffset = 0;
};

struct ProgressBar {
  float length = 1.0f;
  std::int32_t flips = 0;
};

struct LevelState {
  std::int32_t levelWidth = 0;
  std::int32_t levelHeight = 0;
  std::int32_t baseWidth = 0;
  std::int32_t baseHeight = 0;
  float visibleColumns = 0;
  float visibleRows = 0;
  ProgressBar builderBar;
  ProgressBar fileBar;
  std::vector<EdgeCandidate> edgeCandidates;
  // Tile definition files parsed once per path for the run (the data does not change
  // while the game runs); nullptr marks a file that could not be opened.
  std::unordered_map<std::string, std::shared_ptr<const TileDefinition>> tileDefinitions;
  // Off: every placement reads its definition file from disk again (for comparison).
  bool cacheTileDefinitions = true;
};

struct Cursor {
  float x = 0;
  float y = 0;
  std::int32_t sprite = 0;
  std::int32_t sprite3D = 0;
  std::int32_t stepDelay = 0;
  std::int32_t heading = heading::kNone;
};

// Direction and action codes of one controls poll.
namespace control {
inline constexpr int kUp = 6;
inline constexpr int kDown = 7;
inline constexpr int kLeft = 8;
inline constexpr int kRight = 9;
inline constexpr int kPrimary = 0;
inline constexpr int kActionB = 1;
inline constexpr int kActionX = 4;
inline constexpr int kActionY = 5;
inline constexpr int kPause = 14;
inline constexpr int kQuit = 15;
// No direction, or no action, this poll.
inline constexpr int kNone = 16;
}  // namespace control

// Whether the primary control was let go since it last set off a bomb. A type of its
// own: its numbers are never compared with the control codes.
enum class PrimaryMark : std::uint8_t {
  kAtStart = 1,
  kUsed = 16,
  kReleased = 17,
};

struct ControlsState {
  std::int32_t direction = control::kNone;
  std::int32_t lastAction = control::kNone;
  PrimaryMark primaryReleasedMark = PrimaryMark::kAtStart;
  std::uint8_t armed = 0;
  bool dialogOpen = false;
};

struct Game {
  explicit Game(Engine& engine);

  Engine& engine;
  GameObserver* observer = nullptr;

  Settings settings;
  Random random;
  TextPool texts;

  std::string baseDirectory;
  float screenWidth = 0;
  float screenHeight = 0;
  float objectScale = 1.0f;
  std::int8_t gamepadPresent = 0;
  std::int32_t builtLevelNumber = 0;

  // Catalogues.
  std::vector<TileGraphic> tileGraphics;
  std::vector<SoundAsset> soundEffects;
  std::vector<SoundAsset> musicTracks;
  std::vector<EffectSprite> effectSprites;

  // Bitmap font.
  std::array<Glyph, 256> glyphs{};
  float penX = 0;
  float penY = 0;

  // Title screen.
  std::int32_t titleSprite = 0;
  std::int32_t titleSprite3D = 0;

  // Level.
  Matrix matrix;
  std::vector<ObjectDefinition> objectDefinitions;
  // Objects keep their index for the whole level: a field's child slot names it.
  std::vector<FieldObject> fieldObjects;
  std::vector<Enemy> enemies;
  LevelState level;

  PlayState play;
  Cursor cursor;
  ControlsState controls;

  // The tile size: width and height of one field in pixels.
  float tileSize() const { return settings.RESOLUTION; }
};

}  // namespace vorantis

// The configuration: one field per key of DATA\ini.txt, named as the key stands in
// the file, plus the derived cursorDelay. Read once at start-up, then read-only.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace vorantis {

class Random;

struct Settings {
  std::string SOUNDFXPATH;
  std::string INGAMEMUSIC;
  std::string EGFXPATH;
  std::int32_t EGFXMAX = 50;
  std::string FONTPATH;
  std::string FONTSYSTEM;
  std::int32_t MULTITASK = 0;
  std::string SAVEGFX;
  std::string SAVEEVOLUTION;
  std::string APPNAME;
  std::string GFXPATH;
  float RESOLUTION = -1.0f;  // the tile size: width and height of one field in pixels
  std::string TOPO;
  std::string BASICGFX;
  std::int8_t USEEXTENDEDTOPO = 0;
  std::string APPENTRY;
  std::string APPSTART;
  std::string TOPOGFX;
  std::string GFXCODEC;
  std::string SYSTEMCORE;
  std::string CORENAME;
  // Written by both USESPRITE3D and WINDOWMODE: whichever comes later decides.
  std::int8_t USESPRITE3D = 0;
  std::int32_t MAXFOE = 0;
  std::string LOGPATH;
  std::string LOGFILE;
  std::string RGBCODEPATH;
  std::string WORLDGFX;
  std::int8_t USELOGFILE = 0;
  std::string LOADSCREEN;
  std::string LOADANIM;
  float FULLSCREENZOOM = 1.0f;
  std::int32_t RESBASEW = 1;
  std::int32_t RESBASEH = 1;
  std::string CURSOR;
  std::int32_t CURSORSPEED = 0;
  std::int32_t VEGIDENSE = 100;
  std::int8_t USEFULLMATRIX = 0;
  std::int32_t WORLDRANDOM = 0;
  std::int8_t MULTICORE = 1;
  std::int32_t MAPSIZE = 1;  // the largest width and the largest height of a self-created level
  float WORLDTEMPERATURE = 15.0f;
  std::int32_t WORLDREFRESH = 60;
  std::string SELFCREATEBASE;
  std::int8_t USESELFCREATEBASE = 0;
  std::int32_t LABSWITCH = 0;
  std::int8_t SMOOTH = 1;
  std::string GAMEMODE = "DEFAULT";
  std::string VIEW;
  std::string TIMERSOUND;
  std::string ENDTIMERSOUND;
  std::string DEFTILESOUND;
  std::string FIXEDTILESOUND;
  std::string PINKTILEFIXEDSOUND;
  std::int32_t USESCALER = 0;

  std::int32_t cursorDelay = 0;  // 255 - CURSORSPEED
};

// Converts and stores one key's value; a key outside the table has no effect.
// Path keys are prefixed with baseDirectory; WORLDRANDOM reseeds the generator at once.
void ApplySetting(Settings& settings, Random& random, const std::string& baseDirectory,
                  const std::string& key, const std::string& value);

// Reads the file's pairs into the settings; false when the file cannot be opened.
bool ReadSettingsFile(Settings& settings, Random& random, const std::string& baseDirectory,
                      const std::string& path);

// Every key in table order with its stored value (WINDOWMODE shows the shared field).
using SettingValue = std::variant<std::int64_t, double, std::string>;
struct NamedSetting {
  std::string key;
  SettingValue value;
};
std::vector<NamedSetting> ListSettings(const Settings& settings);

}  // namespace vorantis

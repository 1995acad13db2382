#include "core/settings.h"

#include <algorithm>

#include "core/datafile.h"
#include "core/key_table.h"
#include "core/random.h"

namespace vorantis {
namespace {

enum class Kind { kPath, kText, kInt, kFlag, kFloat };

struct KeyEntry {
  const char* key;
  Kind kind;
  std::string Settings::*text = nullptr;
  std::int32_t Settings::*integer = nullptr;
  std::int8_t Settings::*flag = nullptr;
  float Settings::*real = nullptr;
};

constexpr KeyEntry Path(const char* k, std::string Settings::*m) {
  return {k, Kind::kPath, m};
}
constexpr KeyEntry Text(const char* k, std::string Settings::*m) {
  return {k, Kind::kText, m};
}
constexpr KeyEntry Int(const char* k, std::int32_t Settings::*m) {
  return {k, Kind::kInt, nullptr, m};
}
constexpr KeyEntry Flag(const char* k, std::int8_t Settings::*m) {
  return {k, Kind::kFlag, nullptr, nullptr, m};
}
constexpr KeyEntry Float(const char* k, float Settings::*m) {
  return {k, Kind::kFloat, nullptr, nullptr, nullptr, m};
}

// The keys in the order ApplySetting tests them.
const KeyEntry kKeys[] = {
    Path("SOUNDFXPATH", &Settings::SOUNDFXPATH),
    Text("INGAMEMUSIC", &Settings::INGAMEMUSIC),
    Path("EGFXPATH", &Settings::EGFXPATH),
    Int("EGFXMAX", &Settings::EGFXMAX),
    Path("FONTPATH", &Settings::FONTPATH),
    Path("FONTSYSTEM", &Settings::FONTSYSTEM),
    Flag("WINDOWMODE", &Settings::USESPRITE3D),
    Int("MULTITASK", &Settings::MULTITASK),
    Text("SAVEGFX", &Settings::SAVEGFX),
    Text("SAVEEVOLUTION", &Settings::SAVEEVOLUTION),
    Text("APPNAME", &Settings::APPNAME),
    Path("GFXPATH", &Settings::GFXPATH),
    Float("RESOLUTION", &Settings::RESOLUTION),
    Path("TOPO", &Settings::TOPO),
    Path("BASICGFX", &Settings::BASICGFX),
    Flag("USEEXTENDEDTOPO", &Settings::USEEXTENDEDTOPO),
    Text("APPENTRY", &Settings::APPENTRY),
    Text("APPSTART", &Settings::APPSTART),
    Path("TOPOGFX", &Settings::TOPOGFX),
    Text("GFXCODEC", &Settings::GFXCODEC),
    Path("SYSTEMCORE", &Settings::SYSTEMCORE),
    Text("CORENAME", &Settings::CORENAME),
    Flag("USESPRITE3D", &Settings::USESPRITE3D),
    Int("MAXFOE", &Settings::MAXFOE),
    Path("LOGPATH", &Settings::LOGPATH),
    Text("LOGFILE", &Settings::LOGFILE),
    Text("RGBCODEPATH", &Settings::RGBCODEPATH),
    Path("WORLDGFX", &Settings::WORLDGFX),
    Flag("USELOGFILE", &Settings::USELOGFILE),
    Text("LOADSCREEN", &Settings::LOADSCREEN),
    Text("LOADANIM", &Settings::LOADANIM),
    Float("FULLSCREENZOOM", &Settings::FULLSCREENZOOM),
    Int("RESBASEW", &Settings::RESBASEW),
    Int("RESBASEH", &Settings::RESBASEH),
    Path("CURSOR", &Settings::CURSOR),
    Int("CURSORSPEED", &Settings::CURSORSPEED),
    Int("VEGIDENSE", &Settings::VEGIDENSE),
    Flag("USEFULLMATRIX", &Settings::USEFULLMATRIX),
    Int("WORLDRANDOM", &Settings::WORLDRANDOM),
    Flag("MULTICORE", &Settings::MULTICORE),
    Int("MAPSIZE", &Settings::MAPSIZE),
    Float("WORLDTEMPERATURE", &Settings::WORLDTEMPERATURE),
    Int("WORLDREFRESH", &Settings::WORLDREFRESH),
    Path("SELFCREATEBASE", &Settings::SELFCREATEBASE),
    Flag("USESELFCREATEBASE", &Settings::USESELFCREATEBASE),
    Int("LABSWITCH", &Settings::LABSWITCH),
    Flag("SMOOTH", &Settings::SMOOTH),
    Text("GAMEMODE", &Settings::GAMEMODE),
    Text("VIEW", &Settings::VIEW),
    Text("TIMERSOUND", &Settings::TIMERSOUND),
    Text("ENDTIMERSOUND", &Settings::ENDTIMERSOUND),
    Text("DEFTILESOUND", &Settings::DEFTILESOUND),
    Text("FIXEDTILESOUND", &Settings::FIXEDTILESOUND),
    Text("PINKTILEFIXEDSOUND", &Settings::PINKTILEFIXEDSOUND),
    Int("USESCALER", &Settings::USESCALER),
};
static_assert(std::size(kKeys) == 55);

}  // namespace

void ApplySetting(Settings& s, Random& random, const std::string& baseDirectory, const std::string& key,
                  const std::string& value) {
  const KeyEntry* entry = FindKeyRow(kKeys, key);
  if (entry == nullptr) return;
  const std::string name = entry->key;
  if (name == "MAPSIZE") {
    std::int32_t n = ParseInt(value);
    if (n > 1024) n = 1024;
    if (n < 0) n = 32;
    s.MAPSIZE = n;
    return;
  }
  if (name == "CURSORSPEED") {
    std::int32_t n = std::clamp(ParseInt(value), 0, 255);
    s.CURSORSPEED = n;
    s.cursorDelay = 255 - n;
    return;
  }
  switch (entry->kind) {
    case Kind::kPath:
      s.*(entry->text) = baseDirectory + value;
      break;
    case Kind::kText:
      s.*(entry->text) = value;
      break;
    case Kind::kInt:
      s.*(entry->integer) = ParseInt(value);
      break;
    case Kind::kFlag:
      s.*(entry->flag) = ParseFlag(value);
      break;
    case Kind::kFloat:
      s.*(entry->real) = ParseFloat(value);
      break;
  }
  if (name == "WORLDRANDOM") random.SeedRandom(s.WORLDRANDOM);
}

bool ReadSettingsFile(Settings& settings, Random& random, const std::string& baseDirectory,
                      const std::string& path) {
  auto reader = LineReader::Open(path);
  if (!reader) return false;
  while (!reader->AtEnd()) {
    std::string key = reader->ReadLine();
    std::string value = reader->ReadLine();
    ApplySetting(settings, random, baseDirectory, key, value);
  }
  return true;
}

std::vector<NamedSetting> ListSettings(const Settings& s) {
  std::vector<NamedSetting> out;
  for (const auto& e : kKeys) {
    switch (e.kind) {
      case Kind::kPath:
      case Kind::kText:
        out.push_back({e.key, s.*(e.text)});
        break;
      case Kind::kInt:
        out.push_back({e.key, static_cast<std::int64_t>(s.*(e.integer))});
        break;
      case Kind::kFlag:
        out.push_back({e.key, static_cast<std::int64_t>(s.*(e.flag))});
        break;
      case Kind::kFloat:
        out.push_back({e.key, static_cast<double>(s.*(e.real))});
        break;
    }
  }
  out.push_back({"cursorDelay", static_cast<std::int64_t>(s.cursorDelay)});
  return out;
}

}  // namespace vorantis

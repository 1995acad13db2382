// The configuration file: lines, key/value pairs and the table of 55 keys.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/datafile.h"
#include "core/random.h"
#include "core/settings.h"

using namespace vorantis;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  LineReader reader(std::vector<std::uint8_t>(data, data + size));
  Settings settings;
  Random random;
  bool cursorSpeedGiven = false;
  for (const KeyValue& pair : ReadPairs(reader)) {
    for (const std::string* line : {&pair.key, &pair.value}) {
      if (line->find_first_of(std::string("\r\n\0", 3)) != std::string::npos) std::abort();
    }
    if (ParseFlag(pair.value) != static_cast<std::int8_t>(ParseInt(pair.value) & 0xFF)) std::abort();
    ParseFloat(pair.value);
    if (pair.key == "CURSORSPEED") cursorSpeedGiven = true;
    ApplySetting(settings, random, "C:\\GAME\\", pair.key, pair.value);
  }
  if (!reader.AtEnd()) std::abort();
  // The clamps the table promises, whatever the file held.
  if (settings.MAPSIZE < 0 || settings.MAPSIZE > 1024) std::abort();
  if (settings.CURSORSPEED < 0 || settings.CURSORSPEED > 255) std::abort();
  if (cursorSpeedGiven && settings.cursorDelay != 255 - settings.CURSORSPEED) std::abort();
  if (ListSettings(settings).size() != 56) std::abort();
  return 0;
}

// The replay tool's input script: parsed, then applied pass by pass.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/scripted_input.h"
#include "input_script.h"

using namespace vorantis;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::string error;
  std::optional<replay::InputScript> script = replay::InputScript::Parse(text, error);
  if (!script) {
    if (error.rfind("line ", 0) != 0) std::abort();
    return 0;
  }
  ScriptedInput input;
  for (std::int64_t pass = 0; pass < 64; ++pass) {
    script->Apply(pass, input);
    if (input.pad.axisX < -1000 || input.pad.axisX > 1000 || input.pad.axisY < -1000 ||
        input.pad.axisY > 1000)
      std::abort();
  }
  return 0;
}

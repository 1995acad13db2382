#include "options.h"

namespace vorantis::replay {
namespace {

constexpr std::int64_t kLargestNumber = 1'000'000'000'000;
constexpr int kLargestSide = 16384;

// A whole decimal number without sign; nothing when the text is anything else.
std::optional<std::int64_t> ParseCount(const std::string& text) {
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > kLargestNumber) return std::nullopt;
  }
  return value;
}

bool ParseSize(const std::string& text, int& width, int& height) {
  const auto cross = text.find('x');
  if (cross == std::string::npos) return false;
  auto w = ParseCount(text.substr(0, cross));
  auto h = ParseCount(text.substr(cross + 1));
  if (!w || !h || *w < 1 || *h < 1 || *w > kLargestSide || *h > kLargestSide) return false;
  width = static_cast<int>(*w);
  height = static_cast<int>(*h);
  return true;
}

bool ParseFrameList(const std::string& text, std::set<std::int64_t>& frames) {
  std::size_t start = 0;
  for (;;) {
    const auto comma = text.find(',', start);
    auto number =
        ParseCount(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (!number || *number < 1) return false;
    frames.insert(*number);
    if (comma == std::string::npos) return true;
    start = comma + 1;
  }
}

}  // namespace

std::optional<Options> ParseOptions(const std::vector<std::string>& arguments,
                                    const std::string& defaultDataFolder, std::string& error) {
  Options options;
  options.dataFolder = defaultDataFolder;
  bool framesGiven = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& name = arguments[i];
    if (name == "--help" || name == "-h") {
      options.help = true;
      continue;
    }
    if (name == "--gamepad") {
      options.gamepad = true;
      continue;
    }
    if (name == "--build-times") {
      options.buildTimes = true;
      continue;
    }
    if (i + 1 >= arguments.size()) {
      error = name.rfind("--", 0) == 0 ? name + " needs a value" : "unknown argument " + name;
      return std::nullopt;
    }
    const std::string& value = arguments[++i];
    if (name == "--data") {
      options.dataFolder = value;
    } else if (name == "--size") {
      if (!ParseSize(value, options.width, options.height)) {
        error = "--size wants WIDTHxHEIGHT, got " + value;
        return std::nullopt;
      }
    } else if (name == "--input") {
      options.inputFile = value;
    } else if (name == "--passes") {
      auto passes = ParseCount(value);
      if (!passes) {
        error = "--passes wants a whole number, got " + value;
        return std::nullopt;
      }
      options.passes = *passes;
    } else if (name == "--state") {
      options.stateFile = value;
    } else if (name == "--trace") {
      options.traceFile = value;
    } else if (name == "--frames") {
      if (!ParseFrameList(value, options.frames)) {
        error = "--frames wants frame numbers from 1, separated by commas, got " + value;
        return std::nullopt;
      }
      framesGiven = true;
    } else if (name == "--out") {
      options.outFolder = value;
    } else if (name == "--monkey") {
      auto seed = ParseCount(value);
      if (!seed) {
        error = "--monkey wants a whole number (the seed), got " + value;
        return std::nullopt;
      }
      options.monkeySeed = static_cast<std::uint64_t>(*seed);
    } else if (name == "--rss-every") {
      auto every = ParseCount(value);
      if (!every || *every < 1) {
        error = "--rss-every wants a number of passes from 1, got " + value;
        return std::nullopt;
      }
      options.rssEvery = *every;
    } else if (name == "--draw-cost") {
      auto cost = ParseCount(value);
      if (!cost || *cost > 60'000) {
        error = "--draw-cost wants milliseconds per drawn frame, 0 to 60000, got " + value;
        return std::nullopt;
      }
      options.drawCostMs = *cost;
    } else if (name == "--renderer") {
      if (value == "gl") {
        options.renderer = RendererKind::kOffscreenGl;
      } else if (value == "record") {
        options.renderer = RendererKind::kRecording;
      } else {
        error = "--renderer wants gl or record, got " + value;
        return std::nullopt;
      }
    } else {
      error = "unknown option " + name;
      return std::nullopt;
    }
  }
  if (options.monkeySeed && !options.inputFile.empty()) {
    error = "--monkey plays instead of an input script: give one of --monkey and --input";
    return std::nullopt;
  }
  if (framesGiven && options.outFolder.empty()) {
    error = "--frames needs --out";
    return std::nullopt;
  }
  if (framesGiven && options.renderer == RendererKind::kRecording) {
    error = "--frames needs pixels: use the offscreen GL renderer";
    return std::nullopt;
  }
  return options;
}

const char* UsageText() {
  return "usage: vorantis-replay [--data DIR] [--size WxH] [--input FILE] [--gamepad] [--passes N]\n"
         "                       [--state FILE] [--trace FILE] [--frames LIST --out DIR]\n"
         "                       [--renderer gl|record] [--monkey SEED] [--rss-every N]\n"
         "                       [--build-times] [--draw-cost MS]\n";
}

}  // namespace vorantis::replay

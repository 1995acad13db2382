// Runs vorantis-replay on a data folder and reads back its state and trace.
#pragma once

#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "support/child_process.h"
#include "support/test_game.h"

namespace vorantis::testing {

// Just enough JSON for the tool's compact output: objects, lists, texts, numbers and null.
struct Json {
  double number = 0;
  bool isText = false;
  std::string text;
  std::vector<std::string> keys;  // an object's member names, one per item
  std::vector<Json> items;

  static Json Parse(const std::string& s) {
    std::size_t at = 0;
    return Value(s, at);
  }
  int Int() const { return static_cast<int>(number); }
  // Absent items and members read as null.
  const Json& operator[](std::size_t i) const { return i < items.size() ? items[i] : Null(); }
  const Json& operator[](const std::string& key) const {
    for (std::size_t i = 0; i < keys.size(); ++i)
      if (keys[i] == key) return items[i];
    return Null();
  }

 private:
  static const Json& Null() {
    static const Json null;
    return null;
  }
  static std::string Text(const std::string& s, std::size_t& at) {
    std::string out;
    for (++at; at < s.size() && s[at] != '"'; ++at) {
      if (s[at] == '\\' && s[++at] == 'u') {  // the tool escapes control bytes only
        out += static_cast<char>(std::stoi(s.substr(at + 1, 4), nullptr, 16));
        at += 4;
      } else {
        out += s[at];
      }
    }
    ++at;
    return out;
  }
  static Json Value(const std::string& s, std::size_t& at) {
    Json v;
    const char open = s.at(at);
    if (open == '"') {
      v.isText = true;
      v.text = Text(s, at);
    } else if (open == '{' || open == '[') {
      for (++at; at < s.size() && s[at] != (open == '{' ? '}' : ']');) {
        if (s[at] == ',') ++at;
        if (open == '{') v.keys.push_back(Text(s, at)), ++at;  // and the colon
        v.items.push_back(Value(s, at));
      }
      ++at;
    } else if (s.compare(at, 4, "null") == 0) {
      at += 4;
    } else {
      std::size_t used = 0;
      v.number = std::stod(s.substr(at, 40), &used);
      at += used;
    }
    return v;
  }
};

struct ReplayResult {
  int exitCode = -1;
  long peakKilobytes = 0;  // the largest resident size of the tool
  std::string errors, stateText, traceText;
  Json state;
  std::vector<Json> frames;

  // The tile code of a field of the level area, "" outside it.
  std::string Tile(int column, int row) const {
    return state["level"][std::size_t(row)][std::size_t(column)].text;
  }
  int Count(const std::string& member) const { return state[member].Int(); }
  // The numbers of the members named, separated by spaces as the names are.
  std::string Counts(const std::string& members) const {
    std::istringstream names(members);
    std::string out;
    for (std::string name; names >> name;) out += (out.empty() ? "" : " ") + std::to_string(Count(name));
    return out;
  }
  std::string EndKind() const { return state["end"]["kind"].text; }
  std::pair<int, int> CursorField() const {
    const int tile = Count("tileSize");
    return {state["cursor"]["x"].Int() / tile + state["origin"]["column"].Int(),
            state["cursor"]["y"].Int() / tile + state["origin"]["row"].Int()};
  }
  // Frames that drew the exact text, in order.
  std::vector<int> FramesShowing(const std::string& text) const {
    std::vector<int> out;
    for (const Json& frame : frames)
      for (const Json& draw : frame["texts"].items)
        if (draw["text"].text == text && (out.empty() || out.back() != frame["frame"].Int()))
          out.push_back(frame["frame"].Int());
    return out;
  }
  bool Showed(const std::string& text) const { return !FramesShowing(text).empty(); }
};

// Press a key before the poll of one pass and let it go before the poll `held` passes later.
inline std::string Tap(int pass, const std::string& key, int held = 1) {
  return std::to_string(pass) + " +" + key + "\n" + std::to_string(pass + held) + " -" + key + "\n";
}

inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The tool's arguments from options written as for a shell: split at spaces, '...' kept whole.
inline std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> out;
  for (std::string word; in >> std::quoted(word, '\'');) out.push_back(word);
  return out;
}

class ReplayRunner {
 public:
  static std::string Fixture(const std::string& name) {
    return VORANTIS_SOURCE_DIR "/tests/fixtures/e2e/" + name;
  }
  static std::string DefaultData() { return VORANTIS_BINARY_DIR "/game"; }
  static std::string LevelFileData() { return VORANTIS_BINARY_DIR "/game-levelfile"; }
  const std::filesystem::path& scratch() const { return scratch_.path(); }

  // A copy of a data folder whose configuration ends with the given pairs (later keys win).
  std::string CopyOf(const std::string& folder,
                     const std::vector<std::pair<std::string, std::string>>& keys) {
    const std::filesystem::path copy = scratch_.path() / ("data" + std::to_string(runs_++));
    std::filesystem::copy(folder, copy, std::filesystem::copy_options::recursive);
    std::ofstream ini(copy / "DATA" / "ini.txt", std::ios::binary | std::ios::app);
    for (const auto& [key, value] : keys) ini << key << "\r\n" << value << "\r\n";
    return copy.string();
  }

  // Runs the tool with its state, trace and standard error kept in a folder of its own, the
  // recording renderer unless the options choose one, and `script` as its input (when not empty,
  // or `alwaysInput`). A run that would never end is stopped, with its whole process group, after
  // 100 s.
  ReplayResult Run(const std::string& data, const std::string& options, const std::string& script = "",
                   bool alwaysInput = true) {
    const std::filesystem::path dir = scratch_.path() / ("run" + std::to_string(runs_++));
    std::filesystem::create_directories(dir);
    const std::string tool = VORANTIS_BINARY_DIR "/tools/replay/vorantis-replay";
    std::vector<std::string> argv{tool, "--data", data, "--state", (dir / "state.json").string()};
    argv.insert(argv.end(), {"--trace", (dir / "trace.jsonl").string()});
    if (alwaysInput || !script.empty()) {
      std::ofstream(dir / "input.txt", std::ios::binary) << script;
      argv.insert(argv.end(), {"--input", (dir / "input.txt").string()});
    }
    for (std::string& word : Words(options)) argv.push_back(std::move(word));
    if (options.find("--renderer") == std::string::npos) argv.insert(argv.end(), {"--renderer", "record"});
    // The GL driver's own allocations are not ours to account for.
    std::vector<std::string> environment;
    if (options.find("--renderer gl") != std::string::npos)
      environment.push_back("ASAN_OPTIONS=detect_leaks=0");
    const ChildEnd end = RunChild(argv, dir / "output.txt", dir / "errors.txt", {100, 0}, environment);
    ReplayResult result;
    result.exitCode = end.exitCode;
    result.peakKilobytes = end.peakKilobytes;
    result.errors = ReadFile(dir / "errors.txt");
    result.stateText = ReadFile(dir / "state.json");
    result.traceText = ReadFile(dir / "trace.jsonl");
    if (!result.stateText.empty()) result.state = Json::Parse(result.stateText);
    std::istringstream lines(result.traceText);
    for (std::string line; std::getline(lines, line);)
      if (!line.empty()) result.frames.push_back(Json::Parse(line));
    return result;
  }

 private:
  ScratchFolder scratch_;
  int runs_ = 0;
};

}  // namespace vorantis::testing

// Runs vorantis-replay on a data folder and reads back its state and trace.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "support/test_game.h"

namespace vorantis::testing {

// A small JSON reader: enough for the tool's state object and trace lines.
class Json {
 public:
  enum class Kind { kNull, kBool, kNumber, kText, kList, kObject };

  static Json Parse(const std::string& text) {
    std::size_t at = 0;
    Json value = ParseValue(text, at);
    SkipBlanks(text, at);
    if (at != text.size()) throw std::runtime_error("trailing characters in JSON");
    return value;
  }

  Kind kind() const { return kind_; }
  bool IsNull() const { return kind_ == Kind::kNull; }
  double Number() const { return number_; }
  int Int() const { return static_cast<int>(number_); }
  bool Bool() const { return number_ != 0; }
  const std::string& Text() const { return text_; }
  const std::vector<Json>& Items() const { return items_; }
  std::size_t size() const { return kind_ == Kind::kObject ? members_.size() : items_.size(); }

  // Out-of-range indices and absent members read as null.
  const Json& operator[](std::size_t index) const { return index < items_.size() ? items_[index] : Null(); }
  const Json& operator[](const std::string& key) const {
    for (const auto& [name, value] : members_)
      if (name == key) return value;
    return Null();
  }
  bool Has(const std::string& key) const {
    for (const auto& member : members_)
      if (member.first == key) return true;
    return false;
  }

 private:
  static const Json& Null() {
    static const Json null;
    return null;
  }

  static void SkipBlanks(const std::string& s, std::size_t& at) {
    while (at < s.size() && (s[at] == ' ' || s[at] == '\t' || s[at] == '\r' || s[at] == '\n')) ++at;
  }

  static void Expect(const std::string& s, std::size_t& at, const char* word) {
    const std::string w(word);
    if (s.compare(at, w.size(), w) != 0)
      throw std::runtime_error("bad JSON near offset " + std::to_string(at));
    at += w.size();
  }

  static void AppendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      out += static_cast<char>(0xE0 | (code >> 12));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (code >> 18));
      out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }

  static std::string ParseString(const std::string& s, std::size_t& at) {
    Expect(s, at, "\"");
    std::string out;
    while (at < s.size() && s[at] != '"') {
      char c = s[at++];
      if (c != '\\') {
        out += c;
        continue;
      }
      if (at >= s.size()) break;
      const char e = s[at++];
      switch (e) {
        case 'n':
          out += '\n';
          break;
        case 't':
          out += '\t';
          break;
        case 'r':
          out += '\r';
          break;
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'u': {
          unsigned code = std::stoul(s.substr(at, 4), nullptr, 16);
          at += 4;
          if (code >= 0xD800 && code < 0xDC00 && s.compare(at, 2, "\\u") == 0) {
            const unsigned low = std::stoul(s.substr(at + 2, 4), nullptr, 16);
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
            at += 6;
          }
          AppendUtf8(out, code);
          break;
        }
        default:
          out += e;
      }
    }
    Expect(s, at, "\"");
    return out;
  }

  static Json ParseValue(const std::string& s, std::size_t& at) {
    SkipBlanks(s, at);
    if (at >= s.size()) throw std::runtime_error("JSON ends early");
    Json value;
    const char c = s[at];
    if (c == '{') {
      value.kind_ = Kind::kObject;
      ++at;
      SkipBlanks(s, at);
      if (s[at] == '}') return ++at, value;
      while (true) {
        SkipBlanks(s, at);
        std::string key = ParseString(s, at);
        SkipBlanks(s, at);
        Expect(s, at, ":");
        value.members_.emplace_back(std::move(key), ParseValue(s, at));
        SkipBlanks(s, at);
        if (s[at] == ',') {
          ++at;
          continue;
        }
        Expect(s, at, "}");
        return value;
      }
    }
    if (c == '[') {
      value.kind_ = Kind::kList;
      ++at;
      SkipBlanks(s, at);
      if (s[at] == ']') return ++at, value;
      while (true) {
        value.items_.push_back(ParseValue(s, at));
        SkipBlanks(s, at);
        if (s[at] == ',') {
          ++at;
          continue;
        }
        Expect(s, at, "]");
        return value;
      }
    }
    if (c == '"') {
      value.kind_ = Kind::kText;
      value.text_ = ParseString(s, at);
      return value;
    }
    if (s.compare(at, 4, "null") == 0) return at += 4, value;
    if (s.compare(at, 4, "true") == 0) {
      value.kind_ = Kind::kBool;
      value.number_ = 1;
      return at += 4, value;
    }
    if (s.compare(at, 5, "false") == 0) {
      value.kind_ = Kind::kBool;
      return at += 5, value;
    }
    std::size_t used = 0;
    value.number_ = std::stod(s.substr(at, 40), &used);
    value.kind_ = Kind::kNumber;
    at += used;
    return value;
  }

  Kind kind_ = Kind::kNull;
  double number_ = 0;
  std::string text_;
  std::vector<Json> items_;
  std::vector<std::pair<std::string, Json>> members_;
};

// One bitmap-text draw of the trace, with the frame that showed it.
struct TracedText {
  int frame = 0;
  int pass = 0;
  std::string text;
  double size = 0;
};

struct ReplayResult {
  int exitCode = -1;
  std::string errors;
  std::string stateText;
  std::string traceText;
  Json state;
  std::vector<Json> frames;

  // The tile code of a field of the level area, "" outside it.
  std::string Tile(int column, int row) const {
    const Json& code = state["level"][static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    return code.kind() == Json::Kind::kText ? code.Text() : std::string();
  }
  int Count(const std::string& member) const { return state[member].Int(); }
  std::string EndKind() const { return state["end"]["kind"].Text(); }

  std::vector<TracedText> Texts() const {
    std::vector<TracedText> out;
    for (const Json& frame : frames)
      for (const Json& draw : frame["texts"].Items())
        out.push_back(
            {frame["frame"].Int(), frame["pass"].Int(), draw["text"].Text(), draw["size"].Number()});
    return out;
  }
  // Frames that drew the exact text, in order.
  std::vector<int> FramesShowing(const std::string& text) const {
    std::vector<int> out;
    for (const TracedText& t : Texts())
      if (t.text == text && (out.empty() || out.back() != t.frame)) out.push_back(t.frame);
    return out;
  }
  bool Showed(const std::string& text) const { return !FramesShowing(text).empty(); }
  // Every sound started during the run, in order.
  std::vector<std::string> Sounds() const {
    std::vector<std::string> out;
    for (const Json& frame : frames)
      for (const Json& sound : frame["sounds"].Items()) out.push_back(sound.Text());
    return out;
  }
};

// Press a key before the poll of one pass and let it go before the poll `held` passes later.
inline std::string Tap(int pass, const std::string& key, int held = 1) {
  return std::to_string(pass) + " +" + key + "\n" + std::to_string(pass + held) + " -" + key + "\n";
}

class ReplayRunner {
 public:
  static std::string Tool() { return VORANTIS_BINARY_DIR "/tools/replay/vorantis-replay"; }
  static std::string Fixture(const std::string& name) {
    return VORANTIS_SOURCE_DIR "/tests/fixtures/e2e/" + name;
  }
  static std::string DefaultData() { return VORANTIS_BINARY_DIR "/game"; }
  static std::string LevelFileData() { return VORANTIS_BINARY_DIR "/game-levelfile"; }

  const std::filesystem::path& scratch() const { return scratch_.path(); }

  // A copy of a fixture data set whose configuration ends with the given key/value pairs,
  // which override earlier values of the same keys.
  std::string Variant(const std::string& fixture,
                      const std::vector<std::pair<std::string, std::string>>& keys) {
    const std::filesystem::path copy = scratch_.path() / ("data" + std::to_string(variants_++));
    std::filesystem::copy(Fixture(fixture), copy, std::filesystem::copy_options::recursive);
    std::ofstream ini(copy / "DATA" / "ini.txt", std::ios::binary | std::ios::app);
    for (const auto& [key, value] : keys) ini << key << "\r\n" << value << "\r\n";
    return copy.string();
  }

  // Runs the tool; the recording renderer unless the options choose one.
  ReplayResult Run(const std::string& data, const std::string& options, const std::string& script = "") {
    namespace fs = std::filesystem;
    const fs::path dir = scratch_.path() / ("run" + std::to_string(runs_++));
    fs::create_directories(dir);
    std::string command;
    // The GL driver's own allocations are not ours to account for.
    if (options.find("--renderer gl") != std::string::npos) command += "ASAN_OPTIONS=detect_leaks=0 ";
    for (const std::string& part :
         {std::string("'"), Tool(), std::string("' --data '"), data, std::string("' --state '"),
          (dir / "state.json").string(), std::string("' --trace '"), (dir / "trace.jsonl").string(),
          std::string("' "), options})
      command += part;
    if (options.find("--renderer") == std::string::npos) command += " --renderer record";
    if (!script.empty()) {
      std::ofstream(dir / "input.txt", std::ios::binary) << script;
      command += " --input '" + (dir / "input.txt").string() + "'";
    }
    command += " 2>'" + (dir / "errors.txt").string() + "'";
    const int status = std::system(command.c_str());
    ReplayResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.errors = ReadFile(dir / "errors.txt");
    result.stateText = ReadFile(dir / "state.json");
    result.traceText = ReadFile(dir / "trace.jsonl");
    if (!result.stateText.empty()) result.state = Json::Parse(result.stateText);
    std::istringstream lines(result.traceText);
    for (std::string line; std::getline(lines, line);)
      if (!line.empty()) result.frames.push_back(Json::Parse(line));
    return result;
  }

  static std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }

 private:
  ScratchFolder scratch_;
  int runs_ = 0;
  int variants_ = 0;
};

}  // namespace vorantis::testing

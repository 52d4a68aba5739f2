#include "score.h"

#include <cctype>
#include <cmath>
#include <map>
#include <sstream>

namespace trelux::art {
namespace {

std::vector<std::string> words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> out;
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

// A comment starts with a word that begins with '#'; the '#' of a sharp
// follows a letter.
std::string withoutComment(const std::string& line) {
  for (std::size_t at = 0; at < line.size(); ++at) {
    if (line[at] == '#' && (at == 0 || std::isspace(static_cast<unsigned char>(line[at - 1])))) {
      return line.substr(0, at);
    }
  }
  return line;
}

std::optional<double> parseNumber(const std::string& text) {
  try {
    std::size_t used = 0;
    const auto slash = text.find('/');
    if (slash != std::string::npos) {
      const double a = std::stod(text.substr(0, slash), &used);
      if (used != slash) return std::nullopt;
      const std::string rest = text.substr(slash + 1);
      const double b = std::stod(rest, &used);
      if (used != rest.size() || b == 0) return std::nullopt;
      return a / b;
    }
    const double v = std::stod(text, &used);
    if (used != text.size()) return std::nullopt;
    return v;
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

struct VoiceState {
  std::size_t index;
  double time = 0;
  double length = 1;
};

class Parser {
 public:
  std::optional<Score> run(const std::string& text, std::string& error);

 private:
  bool directive(const std::vector<std::string>& w);
  bool notes(VoiceState& voice, const std::string& body);
  bool expand(const std::vector<std::string>& tokens, std::vector<std::string>& out);
  bool note(VoiceState& voice, const std::string& token);
  bool fail(const std::string& message) {
    error_ = message;
    return false;
  }

  Score score_;
  std::map<std::string, VoiceState> voices_;
  std::string error_;
};

std::optional<Score> Parser::run(const std::string& text, std::string& error) {
  std::istringstream in(text);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    line = withoutComment(line);
    const auto w = words(line);
    bool ok = true;
    if (w.empty()) continue;
    if (w[0].back() == ':') {
      // "name: notes..."
      const std::string name = w[0].substr(0, w[0].size() - 1);
      const auto it = voices_.find(name);
      ok = it != voices_.end() ? notes(it->second, line.substr(line.find(':') + 1))
                               : fail("no voice called \"" + name + "\"");
    } else {
      ok = directive(w);
    }
    if (!ok) {
      error = "line " + std::to_string(number) + ": " + error_;
      return std::nullopt;
    }
  }
  if (score_.beats <= 0) {
    error = "no \"beats\" line";
    return std::nullopt;
  }
  for (const auto& [name, state] : voices_) {
    if (std::abs(state.time - score_.beats) > 1e-6) {
      std::ostringstream message;
      message << "voice " << name << " lasts " << state.time << " beats, not " << score_.beats;
      error = message.str();
      return std::nullopt;
    }
  }
  return score_;
}

bool Parser::directive(const std::vector<std::string>& w) {
  if (w[0] == "tempo" && w.size() == 2) {
    const auto v = parseNumber(w[1]);
    if (!v || *v <= 0) return fail("bad tempo");
    score_.tempo = *v;
    return true;
  }
  if (w[0] == "beats" && w.size() == 2) {
    const auto v = parseNumber(w[1]);
    if (!v || *v <= 0) return fail("bad length");
    score_.beats = *v;
    return true;
  }
  if (w[0] == "voice" && w.size() == 4) {
    const auto volume = parseNumber(w[3]);
    if (!volume || voices_.count(w[1])) return fail("bad or repeated voice " + w[1]);
    voices_[w[1]] = VoiceState{score_.voices.size()};
    score_.voices.push_back({w[1], w[2], *volume, {}});
    return true;
  }
  return fail("unknown line \"" + w[0] + "\"");
}

// Unfolds "(...)*N" groups into a flat list of note tokens.
bool Parser::expand(const std::vector<std::string>& tokens, std::vector<std::string>& out) {
  std::vector<std::vector<std::string>> stack(1);
  for (std::string t : tokens) {
    while (!t.empty() && t[0] == '(') {
      stack.emplace_back();
      t.erase(0, 1);
    }
    const auto close = t.find(')');
    std::string tail;
    if (close != std::string::npos) {
      tail = t.substr(close);
      t = t.substr(0, close);
    }
    if (!t.empty() && t != "|") stack.back().push_back(t);
    while (!tail.empty()) {
      int times = 1;
      std::size_t used = 1;
      if (tail.size() > 1 && tail[1] == '*') {
        used = tail.find(')', 1);
        const auto n = parseNumber(tail.substr(2, used == std::string::npos ? std::string::npos : used - 2));
        if (!n || *n < 1) return fail("bad repeat \"" + tail + "\"");
        times = static_cast<int>(*n);
        if (used == std::string::npos) used = tail.size();
      }
      if (stack.size() < 2) return fail("\")\" without \"(\"");
      const auto group = stack.back();
      stack.pop_back();
      for (int i = 0; i < times; ++i) stack.back().insert(stack.back().end(), group.begin(), group.end());
      tail = tail.substr(used);
    }
  }
  if (stack.size() != 1) return fail("\"(\" without \")\"");
  out = stack[0];
  return true;
}

bool Parser::notes(VoiceState& voice, const std::string& body) {
  std::vector<std::string> tokens;
  if (!expand(words(body), tokens)) return false;
  for (const std::string& t : tokens) {
    if (!note(voice, t)) return false;
  }
  return true;
}

bool Parser::note(VoiceState& voice, const std::string& token) {
  const auto colon = token.find(':');
  const std::string pitch = token.substr(0, colon);
  if (colon != std::string::npos) {
    const auto length = parseNumber(token.substr(colon + 1));
    if (!length || *length <= 0) return fail("bad length in \"" + token + "\"");
    voice.length = *length;
  }
  NoteEvent event{voice.time, voice.length, {}};
  voice.time += voice.length;
  if (pitch == "r") return true;
  std::istringstream parts(pitch);
  for (std::string part; std::getline(parts, part, '+');) {
    if (part == "x") {
      event.frequencies.push_back(0);
      continue;
    }
    const auto f = noteFrequency(part);
    if (!f) return fail("bad note \"" + part + "\"");
    event.frequencies.push_back(*f);
  }
  score_.voices[voice.index].notes.push_back(event);
  return true;
}

}  // namespace

std::optional<double> noteFrequency(const std::string& name) {
  static const int kSemitones[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G from C
  if (name.size() < 2 || name[0] < 'A' || name[0] > 'G') return std::nullopt;
  int semitone = kSemitones[name[0] - 'A'];
  std::size_t at = 1;
  if (name[at] == '#') {
    ++semitone;
    ++at;
  } else if (name[at] == 'b') {
    --semitone;
    ++at;
  }
  if (at + 1 != name.size() || name[at] < '0' || name[at] > '8') return std::nullopt;
  const int octave = name[at] - '0';
  const int fromA4 = (octave - 4) * 12 + semitone - 9;
  return 440.0 * std::pow(2.0, fromA4 / 12.0);
}

std::optional<Score> parseScore(const std::string& text, std::string& error) {
  return Parser().run(text, error);
}

}  // namespace trelux::art

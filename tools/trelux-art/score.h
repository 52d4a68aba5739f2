// Music written as text (art/music/*.txt) and read into timed notes.
//
//   tempo 84                  beats a minute
//   beats 64                  length of the piece (of the loop) in beats
//   voice lead epiano 0.5     a voice: name, instrument, volume
//   lead: E5:1 D5:1/2 r C5+E5:2 | (A4 B4)*2
//
// Notes are a letter, an optional # or b and an octave (A4 = 440 Hz); "x"
// is a hit of a drum; "r" is a rest; notes joined by "+" sound together.
// ":N" gives the length in beats (N may be a fraction "1/2" or "0.5") and
// stays until changed. "(...)*N" repeats a group; "|" only helps the eye.
// Every voice must last exactly `beats`.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace trelux::art {

struct NoteEvent {
  double start = 0;   // beats from the start
  double length = 0;  // beats
  std::vector<double> frequencies;  // Hz; 0 for a drum hit
};

struct Voice {
  std::string name;
  std::string instrument;
  double volume = 1;
  std::vector<NoteEvent> notes;
};

struct Score {
  double tempo = 120;
  double beats = 0;
  std::vector<Voice> voices;

  double secondsPerBeat() const { return 60.0 / tempo; }
};

// nullopt with "line N: ..." in error when the text is malformed.
std::optional<Score> parseScore(const std::string& text, std::string& error);
// "A4" -> 440, "C#5", "Bb2"; nullopt for anything else.
std::optional<double> noteFrequency(const std::string& name);

}  // namespace trelux::art

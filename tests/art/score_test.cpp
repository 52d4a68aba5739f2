// The text of the music: notes, lengths, chords, repeats and the errors a
// composer gets.
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "score.h"
#include "synth.h"

namespace trelux::art {
namespace {

Score parsed(const std::string& text) {
  std::string error;
  const auto score = parseScore(text, error);
  EXPECT_TRUE(score) << error;
  return score.value_or(Score{});
}

std::string failure(const std::string& text) {
  std::string error;
  EXPECT_FALSE(parseScore(text, error));
  return error;
}

TEST(NoteFrequency, EqualTemperamentFromA440) {
  EXPECT_DOUBLE_EQ(*noteFrequency("A4"), 440.0);
  EXPECT_DOUBLE_EQ(*noteFrequency("A3"), 220.0);
  EXPECT_NEAR(*noteFrequency("C4"), 261.626, 0.001);
  EXPECT_DOUBLE_EQ(*noteFrequency("C#5"), *noteFrequency("Db5"));
  EXPECT_NEAR(*noteFrequency("B3") * std::pow(2.0, 1 / 12.0), *noteFrequency("C4"), 1e-9);
  for (const char* bad : {"H4", "C", "C#", "c4", "C44", "C9", "Cx4"}) {
    EXPECT_FALSE(noteFrequency(bad)) << bad;
  }
}

TEST(Score, LengthsCarryOnUntilChanged) {
  const Score s = parsed("tempo 120\nbeats 4.5\nvoice a bell 0.5\na: C4:1/2 D4 E4:1 r F4+A4:3/2\n");
  EXPECT_DOUBLE_EQ(s.secondsPerBeat(), 0.5);
  ASSERT_EQ(s.voices.size(), 1u);
  const auto& notes = s.voices[0].notes;
  ASSERT_EQ(notes.size(), 4u);  // the rest makes no note
  EXPECT_DOUBLE_EQ(notes[1].start, 0.5);
  EXPECT_DOUBLE_EQ(notes[1].length, 0.5);
  EXPECT_DOUBLE_EQ(notes[2].start, 1.0);
  EXPECT_DOUBLE_EQ(notes[3].start, 3.0);  // after a rest as long as the note before
  EXPECT_DOUBLE_EQ(notes[3].length, 1.5);
  EXPECT_EQ(notes[3].frequencies.size(), 2u);
  EXPECT_DOUBLE_EQ(s.voices[0].volume, 0.5);
}

TEST(Score, GroupsRepeatAndNest) {
  const Score s = parsed("beats 12\nvoice d kick 1\nd: ((x:1)*2 r:1)*4\n");
  ASSERT_EQ(s.voices[0].notes.size(), 8u);
  EXPECT_DOUBLE_EQ(s.voices[0].notes[2].start, 3.0);
  EXPECT_DOUBLE_EQ(s.voices[0].notes[0].frequencies[0], 0.0);  // a drum hit
}

TEST(Score, SharpsAreNotComments) {
  const Score s = parsed("# a comment\nbeats 2  # the length\nvoice a bell 1\na: F#4:1 | G#4 # rest of line\n");
  ASSERT_EQ(s.voices[0].notes.size(), 2u);
  EXPECT_NEAR(s.voices[0].notes[0].frequencies[0], 369.994, 0.001);
}

TEST(Score, LinesOfOneVoiceFollowEachOther) {
  const Score s = parsed("beats 2\nvoice a bell 1\na: C4:1\na: D4:1\n");
  EXPECT_DOUBLE_EQ(s.voices[0].notes[1].start, 1.0);
}

TEST(Score, ErrorsSayWhereAndWhat) {
  EXPECT_NE(failure("beats 4\nvoice a bell 1\na: C4:3\n").find("voice a lasts 3 beats, not 4"),
            std::string::npos);
  EXPECT_NE(failure("beats 4\nb: C4:4\n").find("line 2"), std::string::npos);
  EXPECT_NE(failure("beats 4\nvoice a bell 1\na: H4:4\n").find("bad note \"H4\""), std::string::npos);
  EXPECT_NE(failure("beats 4\nvoice a bell 1\na: (C4:4\n").find("\"(\" without \")\""),
            std::string::npos);
  EXPECT_NE(failure("beats 4\nvoice a bell 1\na: C4:4)\n").find("without"), std::string::npos);
  EXPECT_NE(failure("beats 4\nvoice a bell 1\na: C4:0\n").find("bad length"), std::string::npos);
  EXPECT_NE(failure("voice a bell 1\n").find("beats"), std::string::npos);
  EXPECT_NE(failure("beats 4\nvoice a bell 1\nvoice a pad 1\n").find("repeated"), std::string::npos);
  EXPECT_NE(failure("tempo fast\n").find("tempo"), std::string::npos);
}

// The shipped tracks: each parses, uses only known instruments and loops
// after at least 30 seconds.
TEST(Score, ShippedMusicIsLongEnoughAndPlayable) {
  for (const char* name : {"mus0", "mus1", "mus2"}) {
    std::ifstream in(std::filesystem::path(TRELUX_ART_SOURCE_DIR) / "music" / (std::string(name) + ".txt"));
    ASSERT_TRUE(in) << name;
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const Score s = parsed(text);
    EXPECT_GE(s.beats * s.secondsPerBeat(), 30.0) << name;
    EXPECT_LE(s.beats * s.secondsPerBeat(), 60.0) << name;
    for (const Voice& v : s.voices) EXPECT_TRUE(isInstrument(v.instrument)) << name << " " << v.name;
  }
}

}  // namespace
}  // namespace trelux::art

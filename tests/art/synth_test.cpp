// Rendering: loops wrap round without a seam, one-shots keep their tails,
// and the echo and the scaling behave.
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "score.h"
#include "sounds.h"
#include "synth.h"

namespace trelux::art {
namespace {

constexpr int kRate = 8000;

Score score(const std::string& text) {
  std::string error;
  auto s = parseScore(text, error);
  EXPECT_TRUE(s) << error;
  return s.value_or(Score{});
}

double peak(const std::vector<double>& s, std::size_t from, std::size_t to) {
  double p = 0;
  for (std::size_t i = from; i < to; ++i) p = std::max(p, std::abs(s[i]));
  return p;
}

TEST(RenderScore, LoopIsExactlyTheScoresLength) {
  std::string error;
  const auto out = renderScore(score("tempo 60\nbeats 3\nvoice a bell 1\na: A4:3\n"), true, kRate, error);
  EXPECT_EQ(out.size(), 3u * kRate);
}

// A bell struck on the last beat rings on past the end: in a loop the ring
// continues at the start, in a one-shot the sound grows longer.
TEST(RenderScore, LoopWrapsTheTailToTheStart) {
  const Score s = score("tempo 60\nbeats 4\nvoice a bell 1\na: r:3 A4:1\n");
  std::string error;
  const auto loop = renderScore(s, true, kRate, error);
  const auto once = renderScore(s, false, kRate, error);
  EXPECT_GT(peak(loop, 0, kRate / 2), 0.1);
  EXPECT_GT(once.size(), loop.size());
  EXPECT_LT(peak(once, 0, kRate / 2), 1e-12);
  // Sample for sample, the loop is the one-shot folded onto itself.
  for (std::size_t i = 0; i < loop.size(); i += 97) {
    double folded = 0;
    for (std::size_t j = i; j < once.size(); j += loop.size()) folded += once[j];
    ASSERT_NEAR(loop[i], folded, 1e-9) << i;
  }
}

// Across the seam the loop moves no more than it does anywhere inside.
TEST(RenderScore, LoopSeamIsAsSmoothAsTheRest) {
  const Score s = score("tempo 90\nbeats 8\nvoice p pad 0.5\nvoice b bass 0.5\n"
                        "p: C4+E4+G4:8\nb: C2:1 (G2:1)*6 C3:1\n");
  std::string error;
  const auto loop = renderScore(s, true, kRate, error);
  double largest = 0;
  for (std::size_t i = 1; i < loop.size(); ++i) largest = std::max(largest, std::abs(loop[i] - loop[i - 1]));
  EXPECT_LE(std::abs(loop.front() - loop.back()), largest);
}

TEST(RenderScore, UnknownInstrumentIsAnError) {
  std::string error;
  EXPECT_TRUE(renderScore(score("beats 1\nvoice a banjo 1\na: C4:1\n"), true, kRate, error).empty());
  EXPECT_NE(error.find("banjo"), std::string::npos);
}

TEST(Instruments, EverySoundIsFiniteAndDiesAway) {
  ASSERT_GE(instrumentNames().size(), 6u);
  for (const std::string& name : instrumentNames()) {
    const auto note = renderNote(name, name == "kick" || name == "hat" ? 0 : 220, 0.5, kRate, 7);
    ASSERT_FALSE(note.empty()) << name;
    EXPECT_GT(peak(note, 0, note.size()), 0.05) << name;
    EXPECT_LT(peak(note, 0, note.size()), 2.0) << name;
    EXPECT_LT(std::abs(note.back()), 1e-3) << name;
    for (const double v : note) ASSERT_TRUE(std::isfinite(v)) << name;
  }
}

TEST(Echo, RepeatsAfterTheDelayAndWrapsRound) {
  std::vector<double> s(1000, 0.0);
  s[990] = 1.0;
  addCircularEcho(s, 20, 0.5, 0.5);
  EXPECT_NEAR(s[990], 1.0, 1e-9);
  EXPECT_NEAR(s[10], 0.5, 1e-9);    // 990 + 20 wraps to 10: wet 0.5 of 1
  EXPECT_NEAR(s[30], 0.25, 1e-9);   // fed back once
  EXPECT_NEAR(s[50], 0.125, 1e-9);
  EXPECT_NEAR(s[989], 0.0, 1e-9);
}

// On a short circle the echo comes round to where it started, as it does
// in a loop played for ever.
TEST(Echo, KeepsGoingRoundAShortLoop) {
  std::vector<double> s(100, 0.0);
  s[90] = 1.0;
  addCircularEcho(s, 20, 0.5, 0.5);
  // Back at 90 after five repeats, and every five after that.
  const double returns = std::pow(0.5, 4) / (1 - std::pow(0.5, 5));
  EXPECT_NEAR(s[90], 1.0 + 0.5 * returns, 1e-9);
}

TEST(ToPcm16, ScalesThePeakToTheGivenShare) {
  const auto pcm = toPcm16({0.0, 0.5, -2.0, 1.0}, 0.5);
  EXPECT_EQ(pcm[0], 0);
  EXPECT_EQ(pcm[2], -16384);
  EXPECT_EQ(pcm[1], 4096);
  EXPECT_TRUE(toPcm16({0.0, 0.0}, 0.5) == (std::vector<std::int16_t>{0, 0}));
}

}  // namespace
}  // namespace trelux::art

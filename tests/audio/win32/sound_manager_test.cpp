// The sound table: lazy loading, one buffer per name in any letter case,
// volumes, and the music's track order.
#include <gtest/gtest.h>

#include "app/win32/shell.h"
#include "audio/volumes.h"
#include "audio/win32/audio_device.h"
#include "audio/win32/sound_manager.h"
#include "gfx/win32/game_view.h"
#include "world/play_model.h"

namespace trelux::test {
namespace {

DWORD statusOf(const Sound* sound) {
  DWORD status = 0;
  if (sound && sound->buffer) sound->buffer->GetStatus(&status);
  return status;
}

class SoundManager : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = CreateWindowExA(0, "static", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    // A missing device is a broken set-up, not a reason to pass.
    ASSERT_TRUE(openAudio(window_))
        << "no sound device; scripts/wine-prefix.sh gives the tests a silent one (HOME=wine-home)";
    resourceLibrary = GetModuleHandleA(nullptr);  // the test's own WAV resources
    setSoundVolume(100);
    setMusicVolume(100);
  }
  void TearDown() override {
    closeAudio();
    resourceLibrary = nullptr;
    DestroyWindow(window_);
  }
  HWND window_ = nullptr;
};

TEST_F(SoundManager, SilentVolumeNeverLoadsTheSound) {
  setSoundVolume(0);
  playSound("good.wav");
  EXPECT_EQ(findSound("good.wav"), nullptr);
  setSoundVolume(60);
  playSound("good.wav");
  const Sound* sound = findSound("good.wav");
  ASSERT_NE(sound, nullptr);
  EXPECT_TRUE(sound->loaded);
  LONG volume = 0;
  sound->buffer->GetVolume(&volume);
  EXPECT_EQ(volume, -1200);
}

TEST_F(SoundManager, NamesInAnyLetterCaseShareOneBuffer) {
  playSound("Good.WAV");
  const Sound* first = findSound("good.wav");
  ASSERT_NE(first, nullptr);
  IDirectSoundBuffer* buffer = first->buffer;
  playSound("GOOD.wav");
  EXPECT_EQ(findSound("good.wav"), first);
  EXPECT_EQ(first->buffer, buffer);
}

TEST_F(SoundManager, PlayingAgainRestartsTheSameBuffer) {
  playSound("good.wav");
  const Sound* sound = findSound("good.wav");
  ASSERT_NE(sound, nullptr);
  EXPECT_TRUE(statusOf(sound) & DSBSTATUS_PLAYING);
  EXPECT_FALSE(statusOf(sound) & DSBSTATUS_LOOPING);
  playSound("good.wav");
  EXPECT_EQ(findSound("good.wav"), sound);
  EXPECT_TRUE(statusOf(sound) & DSBSTATUS_PLAYING);
  stopSound("good.wav");
  EXPECT_FALSE(statusOf(sound) & DSBSTATUS_PLAYING);
}

TEST_F(SoundManager, FailedSoundIsRememberedAndNeverTriedAgain) {
  playSound("not_riff.wav");
  const Sound* sound = findSound("not_riff.wav");
  ASSERT_NE(sound, nullptr);
  EXPECT_FALSE(sound->loaded);
  playSound("not_riff.wav");
  EXPECT_EQ(findSound("not_riff.wav"), sound);
  stopSound("never_played.wav");
  EXPECT_EQ(findSound("never_played.wav"), nullptr);
}

TEST_F(SoundManager, MusicTracksFollowOneTwoZeroAndLoop) {
  PlayModel model;
  {
    GameView view(model, window_, GetModuleHandleA(nullptr));
    EXPECT_EQ(view.musicIndex(), 0);
    const int expected[] = {1, 2, 0, 1};
    for (int track : expected) {
      view.nextMusic();
      EXPECT_EQ(view.musicIndex(), track);
      for (int other = 0; other < 3; ++other) {
        const DWORD status = statusOf(findSound(musicTrackName(other)));
        if (other == track) {
          EXPECT_TRUE(status & DSBSTATUS_LOOPING) << "track " << other;
        } else {
          EXPECT_FALSE(status & DSBSTATUS_PLAYING) << "track " << other;
        }
      }
    }
  }
  // The view's end stops its track.
  EXPECT_FALSE(statusOf(findSound(musicTrackName(1))) & DSBSTATUS_PLAYING);
}

TEST_F(SoundManager, MusicVolumeZeroPlaysNoNewTrack) {
  setMusicVolume(0);
  playMusic("mus0.wav");
  EXPECT_EQ(findSound("mus0.wav"), nullptr);
}

}  // namespace
}  // namespace trelux::test

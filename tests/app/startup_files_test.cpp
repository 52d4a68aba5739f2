#include "app/startup_files.h"

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "audio/volumes.h"
#include "support/scratch_folder.h"

namespace trelux {
namespace {

using test::readFile;
using test::ScratchFolder;
using test::writeFile;
namespace fs = std::filesystem;

const std::string kMissingFiles =
    "Trelux couldn't locate all necessary game files.\nPlease reinstall Trelux.";
const std::string kUnparsable = "Trelux was unable to parse trelux.ini.\nPlease reinstall Trelux.";
const std::string kMalformed = "File trelux.ini is malformed.\nPlease reinstall Trelux.";

// The volumes belong to the whole program: every test starts from and leaves
// behind the values a fresh start has.
class StartupFiles : public ::testing::Test {
 protected:
  void SetUp() override { resetVolumes(); }
  void TearDown() override { resetVolumes(); }
  static void resetVolumes() {
    setSoundVolume(kMaxVolume);
    setMusicVolume(kMaxVolume);
  }
  static void writeSettings(const std::string& text) {
    writeFile("startup.dat", "stp\r\n");
    writeFile("trelux.ini", text);
  }

  ScratchFolder folder_;
};

// ---- The volumes ---------------------------------------------------------------

TEST_F(StartupFiles, VolumesAcceptZeroToHundredOnly) {
  EXPECT_EQ(soundVolume(), 100);
  EXPECT_EQ(musicVolume(), 100);
  EXPECT_TRUE(setSoundVolume(0));
  EXPECT_FALSE(setSoundVolume(-1));
  EXPECT_FALSE(setSoundVolume(101));
  EXPECT_EQ(soundVolume(), 0);
  EXPECT_EQ(musicVolume(), 100);
  EXPECT_TRUE(setMusicVolume(55));
  EXPECT_FALSE(setMusicVolume(1000));
  EXPECT_FALSE(setMusicVolume(-100));
  EXPECT_EQ(musicVolume(), 55);
  EXPECT_TRUE(setSoundVolume(100));
  EXPECT_EQ(soundVolume(), 100);
  EXPECT_EQ(musicVolume(), 55);
}

// ---- Loading -------------------------------------------------------------------

TEST_F(StartupFiles, LoadingReadsBothVolumes) {
  writeSettings("[settings]\r\nsound = 35\r\nmusic = 0\r\n");
  EXPECT_EQ(loadStartupFiles(), "");
  EXPECT_EQ(soundVolume(), 35);
  EXPECT_EQ(musicVolume(), 0);
}

TEST_F(StartupFiles, AFailedScriptStopsBeforeTheSettingsAreRead) {
  writeFile("trelux.ini", "[settings]\nsound = 1\nmusic = 2\n");
  EXPECT_EQ(loadStartupFiles(), kMissingFiles);  // no startup.dat
  writeFile("startup.dat", "fil trelux.dll\nstp\n");
  EXPECT_EQ(loadStartupFiles(), kMissingFiles);
  writeFile("startup.dat", "rem no stop line\n");
  EXPECT_EQ(loadStartupFiles(), kMissingFiles);
  writeFile("startup.dat", "check trelux.ini\nstp\n");
  EXPECT_EQ(loadStartupFiles(), kMissingFiles);
  EXPECT_EQ(soundVolume(), 100);
  EXPECT_EQ(musicVolume(), 100);
}

// Only a file that is missing or cannot be opened is unparsable: a line
// that cannot be read is skipped and the rest kept.
TEST_F(StartupFiles, AMissingOrUnopenableSettingsFileIsReported) {
  writeFile("startup.dat", "stp\n");
  EXPECT_EQ(loadStartupFiles(), kUnparsable);
  fs::create_directory("trelux.ini");
  EXPECT_EQ(loadStartupFiles(), kUnparsable);
  EXPECT_EQ(soundVolume(), 100);
  fs::remove("trelux.ini");
  writeFile("trelux.ini", "[settings]\nsound 30\nsound = 30\nmusic =\nmusic = 40\n");
  EXPECT_EQ(loadStartupFiles(), "");
  EXPECT_EQ(musicVolume(), 40);
}

TEST_F(StartupFiles, MissingKeysAreMalformed) {
  writeSettings("[settings]\nmusic = 40\n");
  EXPECT_EQ(loadStartupFiles(), kMalformed);
  writeSettings("[settings]\nsound = 30\n");
  EXPECT_EQ(loadStartupFiles(), kMalformed);
  writeSettings("[volumes]\nsound = 30\nmusic = 40\n");
  EXPECT_EQ(loadStartupFiles(), kMalformed);
  writeSettings("");
  EXPECT_EQ(loadStartupFiles(), kMalformed);
  writeSettings("[ settings ]\nsound = 30\nmusic = 40\n");
  EXPECT_EQ(loadStartupFiles(), kMalformed);
}

TEST_F(StartupFiles, ValuesOutsideTheRangeAreMalformed) {
  for (const char* value : {"101", "-1", "2147483648", "4294967336", "-2147483649"}) {
    resetVolumes();
    writeSettings(std::string("[settings]\nsound = ") + value + "\nmusic = 40\n");
    EXPECT_EQ(loadStartupFiles(), kMalformed) << value;
    EXPECT_EQ(soundVolume(), 100) << value;
    EXPECT_EQ(musicVolume(), 100) << value;
  }
  writeSettings("[settings]\nsound = 100\nmusic = 101\n");
  EXPECT_EQ(loadStartupFiles(), kMalformed);
}

TEST_F(StartupFiles, ValuesAreReadLikeAtoi) {
  writeSettings("[settings]\nsound = loud\nmusic = 42dB\n");
  EXPECT_EQ(loadStartupFiles(), "");
  EXPECT_EQ(soundVolume(), 0);
  EXPECT_EQ(musicVolume(), 42);
  writeSettings("[settings]\nsound = +7\nmusic = 0x50\n");
  EXPECT_EQ(loadStartupFiles(), "");
  EXPECT_EQ(soundVolume(), 7);
  EXPECT_EQ(musicVolume(), 0);
  writeSettings("[settings]\nsound = -0\nmusic = 0100\n");
  EXPECT_EQ(loadStartupFiles(), "");
  EXPECT_EQ(soundVolume(), 0);
  EXPECT_EQ(musicVolume(), 100);
}

TEST_F(StartupFiles, SectionAndKeyNamesMatchInAnyCase) {
  writeSettings("; written by hand\n[Settings]\nSound = 12\nMUSIC = 34\n");
  EXPECT_EQ(loadStartupFiles(), "");
  EXPECT_EQ(soundVolume(), 12);
  EXPECT_EQ(musicVolume(), 34);
}

TEST_F(StartupFiles, ASoundVolumeAlreadyReadStaysWhenTheMusicIsRefused) {
  writeSettings("[settings]\nsound = 20\nmusic = 500\n");
  EXPECT_EQ(loadStartupFiles(), kMalformed);
  EXPECT_EQ(soundVolume(), 20);
  EXPECT_EQ(musicVolume(), 100);
}

TEST_F(StartupFiles, TheSettingsAreReadFromTheFolderTheScriptChangedTo) {
  writeFile("startup.dat", "dir game\nchd game\nstp\n");
  writeFile("game/trelux.ini", "[settings]\nsound = 61\nmusic = 62\n");
  EXPECT_EQ(loadStartupFiles(), "");
  EXPECT_EQ(soundVolume(), 61);
  EXPECT_EQ(musicVolume(), 62);
  EXPECT_TRUE(fs::exists("trelux.ini"));
  EXPECT_FALSE(fs::exists("startup.dat"));
}

// ---- Saving --------------------------------------------------------------------

TEST_F(StartupFiles, SavingWritesTheTwoVolumesExactly) {
  writeSettings("[settings]\nsound = 1\nmusic = 2\n; a comment is not kept\n");
  ASSERT_EQ(loadStartupFiles(), "");
  setSoundVolume(37);
  setMusicVolume(0);
  saveSettings();
  EXPECT_EQ(readFile("trelux.ini"), "[settings]\r\n\r\nsound = 37\r\nmusic = 0\r\n\r\n");
}

TEST_F(StartupFiles, SavedSettingsLoadBack) {
  writeSettings("[settings]\nsound = 1\nmusic = 2\n");
  ASSERT_EQ(loadStartupFiles(), "");
  setSoundVolume(100);
  setMusicVolume(9);
  saveSettings();
  resetVolumes();
  setSoundVolume(50);
  EXPECT_EQ(loadStartupFiles(), "");
  EXPECT_EQ(soundVolume(), 100);
  EXPECT_EQ(musicVolume(), 9);
}

TEST_F(StartupFiles, TheServerKeyIsReadAndKeptWhenSaving) {
  writeSettings("[Settings]\nmusic = 64\nServer = 127.0.0.1:8080\nsound = 37\n");
  ASSERT_EQ(loadStartupFiles(), "");
  EXPECT_EQ(puzzleServerSetting(), "127.0.0.1:8080");
  saveSettings();
  // Keys are stored by their hash buckets: sound 3, server 4, music 30.
  EXPECT_EQ(readFile("trelux.ini"),
            "[settings]\r\n\r\nsound = 37\r\nserver = 127.0.0.1:8080\r\nmusic = 64\r\n\r\n");
  ASSERT_EQ(loadStartupFiles(), "");
  EXPECT_EQ(puzzleServerSetting(), "127.0.0.1:8080");
}

// Edited while the game runs: used at the next Get Puzzles, kept at exit.
TEST_F(StartupFiles, TheServerKeyIsReadAgainAtEachUse) {
  writeSettings("[settings]\nsound = 1\nmusic = 2\nserver = old.example\n");
  ASSERT_EQ(loadStartupFiles(), "");
  writeSettings("[settings]\nsound = 1\nmusic = 2\nserver = new.example:81\n");
  EXPECT_EQ(puzzleServerSetting(), "new.example:81");
  saveSettings();
  EXPECT_NE(readFile("trelux.ini").find("server = new.example:81"), std::string::npos);
}

TEST_F(StartupFiles, WithoutAServerKeyNoneIsNamedOrWritten) {
  writeSettings("[settings]\nsound = 5\nmusic = 6\nserver = localhost\n");
  ASSERT_EQ(loadStartupFiles(), "");
  EXPECT_EQ(puzzleServerSetting(), "localhost");
  writeSettings("[settings]\nsound = 5\nmusic = 6\n");
  ASSERT_EQ(loadStartupFiles(), "");
  EXPECT_EQ(puzzleServerSetting(), "");
  saveSettings();
  EXPECT_EQ(readFile("trelux.ini"), "[settings]\r\n\r\nsound = 5\r\nmusic = 6\r\n\r\n");
}

// The settings are updated, not replaced: keys the game does not know (a
// later version's, a player's) survive, and a byte-order mark is skipped.
TEST_F(StartupFiles, SavingKeepsWhatTheGameDoesNotKnow) {
  writeSettings("\xEF\xBB\xBF[settings]\nsound = 1\nmusic = 2\nlastset = x\n[later]\nk = v\n");
  ASSERT_EQ(loadStartupFiles(), "");
  setSoundVolume(37);
  saveSettings();
  EXPECT_EQ(readFile("trelux.ini"),
            "[settings]\r\n\r\nsound = 37\r\nmusic = 2\r\nlastset = x\r\n\r\n[later]\r\n\r\nk = v\r\n\r\n");
  fs::remove("trelux.ini");
#ifdef _WIN32
  GTEST_SKIP() << "the file that cannot be opened is a dangling link, which Wine cannot make";
#endif
  fs::create_symlink("/nonexistent/trelux.ini", "trelux.ini");
  saveSettings();
  EXPECT_TRUE(fs::is_symlink("trelux.ini"));
}

TEST_F(StartupFiles, AFileThatCannotBeWrittenIsLeftAlone) {
  fs::create_directory("trelux.ini");
  saveSettings();
  EXPECT_TRUE(fs::is_directory("trelux.ini"));
}

// ---- The options dialog's result -----------------------------------------------

TEST_F(StartupFiles, OptionsResultCarriesSoundHighAndMusicLow) {
  applyOptionsResult(37 * 256 + 64);
  EXPECT_EQ(soundVolume(), 37);
  EXPECT_EQ(musicVolume(), 64);
  applyOptionsResult(0);
  EXPECT_EQ(soundVolume(), 0);
  EXPECT_EQ(musicVolume(), 0);
  applyOptionsResult(100 * 256 + 3);
  EXPECT_EQ(soundVolume(), 100);
  EXPECT_EQ(musicVolume(), 3);
}

TEST_F(StartupFiles, CancellingTheOptionsKeepsBothVolumes) {
  setSoundVolume(12);
  setMusicVolume(34);
  applyOptionsResult(-1);
  EXPECT_EQ(soundVolume(), 12);
  EXPECT_EQ(musicVolume(), 34);
}

TEST_F(StartupFiles, OptionsChangesAreWrittenAtTheNextSave) {
  writeSettings("[settings]\nsound = 80\nmusic = 90\n");
  ASSERT_EQ(loadStartupFiles(), "");
  applyOptionsResult(3 * 256 + 97);
  EXPECT_EQ(readFile("trelux.ini"), "[settings]\nsound = 80\nmusic = 90\n");
  saveSettings();
  EXPECT_EQ(readFile("trelux.ini"), "[settings]\r\n\r\nsound = 3\r\nmusic = 97\r\n\r\n");
}

}  // namespace
}  // namespace trelux

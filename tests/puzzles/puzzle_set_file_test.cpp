#include "puzzles/puzzle_set_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/files.h"
#include "base/host_path.h"
#include "puzzles/level_text.h"
#include "set_bytes.h"
#include "support/level_files.h"
#include "support/scratch_folder.h"
#include "world/level_grid.h"

namespace trelux {
namespace {

namespace fs = std::filesystem;
using test::buildLevel;
using test::bytes;
using test::defaultLevelContent;
using test::fileBytes;
using test::fileBytesFor;
using test::kDefaultLevelText;
using test::levelTextAt;
using test::liveLevels;
using test::markerAt;
using test::plainHeader;
using test::roomOfWidth;
using test::ScratchFolder;
using test::writeSetFile;

constexpr const char* kPath = ".\\Levels\\t\\levels.dat";

void makeSetFolder() { fs::create_directories("Levels/t"); }

// A file written by some other tool: the header, then the given records as
// they are (each starting with its marker), without filler.
void writeRaw(const std::string& content) { ASSERT_TRUE(writeFileBytes(kPath, content)); }

// The content of a 3 x 3 room with the robot in the middle, after the given
// description block.
std::string smallRoom(const std::string& descriptionBlock) {
  return descriptionBlock + bytes({3, 3, 1, 1, 1, 1, 1, 1, 0, 1, 1, 1, 1});
}

// ---- A new file ------------------------------------------------------------------

TEST(PuzzleSetFileCreate, NewFileIsHeaderMarkerDefaultLevelAndFiller) {
  ScratchFolder scratch;
  makeSetFolder();
  PuzzleSetFile set;
  ASSERT_TRUE(set.createSetFile(kPath));

  const std::string expected = std::string(23, '\0') + bytes({0xFF}) + defaultLevelContent() +
                               std::string(2997, 'R');
  ASSERT_EQ(expected.size(), 3075u);
  EXPECT_EQ(fileBytes(kPath), expected);
}

TEST(PuzzleSetFileCreate, NewFileOpensAsOneDefaultLevelWithoutCode) {
  ScratchFolder scratch;
  makeSetFolder();
  PuzzleSetFile maker;
  ASSERT_TRUE(maker.createSetFile(kPath));
  EXPECT_EQ(maker.path(), kPath);
  EXPECT_EQ(maker.progress(), 0);
  EXPECT_FALSE(maker.hasCompletionCode());

  PuzzleSetFile set;
  ASSERT_TRUE(set.open(kPath));
  EXPECT_EQ(set.progress(), 0);
  EXPECT_FALSE(set.hasCompletionCode());
  EXPECT_EQ(set.completionCode(), "");
  EXPECT_EQ(levelTextAt(set, 0), kDefaultLevelText);
  EXPECT_TRUE(set.isLastLevel());
  EXPECT_FALSE(set.seekLevel(1));
}

TEST(PuzzleSetFileCreate, CreatingOverAnOpenFileForgetsItsLevelsProgressAndCode) {
  ScratchFolder scratch;
  makeSetFolder();
  writeSetFile(kPath, {roomOfWidth(3), roomOfWidth(4), roomOfWidth(5)});
  PuzzleSetFile set;
  ASSERT_TRUE(set.open(kPath));
  ASSERT_TRUE(set.setProgress(2));
  ASSERT_TRUE(set.setCompletionCode(true, "door"));
  ASSERT_TRUE(set.seekLevel(2));  // three levels indexed

  // The same path again: the old record positions must not survive.
  ASSERT_TRUE(set.createSetFile(kPath));
  EXPECT_EQ(fileBytes(kPath).size(), 3075u);
  EXPECT_EQ(set.progress(), 0);
  EXPECT_FALSE(set.hasCompletionCode());
  EXPECT_EQ(set.completionCode(), "");
  EXPECT_EQ(levelTextAt(set, 0), kDefaultLevelText);
  EXPECT_FALSE(set.seekLevel(1));
}

TEST(PuzzleSetFileCreate, FailsWhereNoFileCanBeMade) {
  ScratchFolder scratch;
  PuzzleSetFile set;
  EXPECT_FALSE(set.createSetFile(".\\Levels\\missing\\levels.dat"));
  EXPECT_FALSE(fs::exists("Levels"));
}

// ---- The completion code -----------------------------------------------------------

TEST(PuzzleSetFileCode, OneCharacterIsStoredInvertedAndReadBack) {
  ScratchFolder scratch;
  makeSetFolder();
  PuzzleSetFile set;
  ASSERT_TRUE(set.createSetFile(kPath));
  ASSERT_TRUE(set.setCompletionCode(true, "K"));

  const std::string file = fileBytes(kPath);
  ASSERT_EQ(file.size(), 3075u);
  EXPECT_EQ(file.substr(0, 23), bytes({0x00, 0xFD, 'K' ^ 0xFF}) + std::string(20, '\0'));
  EXPECT_EQ(file.substr(23), bytes({0xFF}) + defaultLevelContent() + std::string(2997, 'R'));

  PuzzleSetFile reader;
  ASSERT_TRUE(reader.open(kPath));
  EXPECT_TRUE(reader.hasCompletionCode());
  EXPECT_EQ(reader.completionCode(), "K");
  EXPECT_EQ(levelTextAt(reader, 0), kDefaultLevelText);
}

TEST(PuzzleSetFileCode, TwentyCharactersFillTheBlockUpToTheTerminator) {
  ScratchFolder scratch;
  makeSetFolder();
  PuzzleSetFile set;
  ASSERT_TRUE(set.createSetFile(kPath));
  const std::string code = "ABCDEFGHIJKLMNOPQRST";
  ASSERT_TRUE(set.setCompletionCode(true, code));

  std::string expected = bytes({0x00, 0xFD});
  for (char c : code) expected += static_cast<char>(static_cast<unsigned char>(c) ^ 0xFF);
  expected += '\0';
  EXPECT_EQ(fileBytes(kPath).substr(0, 23), expected);

  PuzzleSetFile reader;
  ASSERT_TRUE(reader.open(kPath));
  EXPECT_EQ(reader.completionCode(), code);
}

TEST(PuzzleSetFileCode, LongerCodeIsCutOnDiskButKeptWholeByItsWriter) {
  ScratchFolder scratch;
  makeSetFolder();
  PuzzleSetFile set;
  ASSERT_TRUE(set.createSetFile(kPath));
  const std::string code = "abcdefghijklmnopqrstuvwxy";
  ASSERT_EQ(code.size(), 25u);
  ASSERT_TRUE(set.setCompletionCode(true, code));
  EXPECT_EQ(set.completionCode(), code);

  const std::string file = fileBytes(kPath);
  EXPECT_EQ(file.size(), 3075u);
  EXPECT_EQ(static_cast<unsigned char>(file[21]), 't' ^ 0xFF);
  EXPECT_EQ(file[22], '\0');
  EXPECT_EQ(static_cast<unsigned char>(file[23]), 0xFF);  // the first marker is untouched

  PuzzleSetFile reader;
  ASSERT_TRUE(reader.open(kPath));
  EXPECT_TRUE(reader.hasCompletionCode());
  EXPECT_EQ(reader.completionCode(), code.substr(0, 20));
}

TEST(PuzzleSetFileCode, DisablingClearsFlagBlockAndText) {
  ScratchFolder scratch;
  makeSetFolder();
  PuzzleSetFile set;
  ASSERT_TRUE(set.createSetFile(kPath));
  ASSERT_TRUE(set.setCompletionCode(true, "secret"));
  ASSERT_TRUE(set.setCompletionCode(false, "ignored"));
  EXPECT_FALSE(set.hasCompletionCode());
  EXPECT_EQ(set.completionCode(), "");
  EXPECT_EQ(fileBytes(kPath).substr(0, 23), std::string(23, '\0'));

  PuzzleSetFile reader;
  ASSERT_TRUE(reader.open(kPath));
  EXPECT_FALSE(reader.hasCompletionCode());
}

TEST(PuzzleSetFileCode, OnlyTheFlagByteAnnouncesACode) {
  ScratchFolder scratch;
  makeSetFolder();
  // Flag 0x01 with code-like bytes behind it: no code.
  std::string header = plainHeader();
  header[1] = 0x01;
  header[2] = static_cast<char>('x' ^ 0xFF);
  writeRaw(header + bytes({0xFF}) + smallRoom(bytes({0x00})));
  PuzzleSetFile set;
  ASSERT_TRUE(set.open(kPath));
  EXPECT_FALSE(set.hasCompletionCode());
  EXPECT_EQ(set.completionCode(), "");
}

TEST(PuzzleSetFileCode, UnterminatedCodeFailsTheOpen) {
  ScratchFolder scratch;
  makeSetFolder();
  writeRaw(bytes({0x00, 0xFD, 'a' ^ 0xFF, 'b' ^ 0xFF}));
  PuzzleSetFile set;
  EXPECT_FALSE(set.open(kPath));
  EXPECT_FALSE(set.hasCompletionCode());
}

// ---- Opening -------------------------------------------------------------------------

TEST(PuzzleSetFileOpen, MissingAndTooShortFilesDoNotOpen) {
  ScratchFolder scratch;
  makeSetFolder();
  EXPECT_FALSE(PuzzleSetFile().open(kPath));

  writeRaw("");
  EXPECT_FALSE(PuzzleSetFile().open(kPath));

  writeRaw(bytes({0x03}));
  EXPECT_FALSE(PuzzleSetFile().open(kPath));

  // Two bytes are a header as far as opening goes; there are no levels.
  writeRaw(bytes({0x03, 0x00}));
  PuzzleSetFile set;
  ASSERT_TRUE(set.open(kPath));
  EXPECT_EQ(set.progress(), 3);
  EXPECT_FALSE(set.seekLevel(0));
}

TEST(PuzzleSetFileOpen, SamePathInOtherLetterCaseKeepsIndexAndHeader) {
  ScratchFolder scratch;
  makeSetFolder();
  writeSetFile(kPath, {roomOfWidth(3), roomOfWidth(4), roomOfWidth(5)});
  PuzzleSetFile set;
  ASSERT_TRUE(set.open(kPath));
  ASSERT_TRUE(set.seekLevel(2));
  set.close();

  // Behind the object's back: a higher progress and level 0 deleted.
  std::string file = fileBytes(kPath);
  file[0] = 9;
  file[markerAt(0)] = static_cast<char>(0xFE);
  ASSERT_TRUE(writeFileBytes(kPath, file));

  EXPECT_TRUE(set.open(".\\LEVELS\\T\\Levels.DAT"));
  EXPECT_EQ(set.path(), kPath);
  EXPECT_EQ(set.progress(), 0);
  // The remembered positions still lead to the old records.
  EXPECT_EQ(levelTextAt(set, 0), roomOfWidth(3));
  EXPECT_EQ(levelTextAt(set, 2), roomOfWidth(5));

  PuzzleSetFile fresh;
  ASSERT_TRUE(fresh.open(kPath));
  EXPECT_EQ(fresh.progress(), 9);
  EXPECT_EQ(levelTextAt(fresh, 0), roomOfWidth(4));
  EXPECT_FALSE(fresh.seekLevel(2));
}

TEST(PuzzleSetFileOpen, AnotherPathStartsAFreshIndex) {
  ScratchFolder scratch;
  fs::create_directories("Levels/t");
  fs::create_directories("Levels/u");
  const std::string other = ".\\Levels\\u\\levels.dat";
  writeSetFile(kPath, {roomOfWidth(3), roomOfWidth(4), roomOfWidth(5)});
  writeSetFile(other, {roomOfWidth(6)});

  PuzzleSetFile set;
  ASSERT_TRUE(set.open(kPath));
  ASSERT_TRUE(set.setProgress(2));
  ASSERT_TRUE(set.setCompletionCode(true, "abc"));
  ASSERT_TRUE(set.seekLevel(2));

  ASSERT_TRUE(set.open(other));
  EXPECT_EQ(set.progress(), 0);
  EXPECT_FALSE(set.hasCompletionCode());
  EXPECT_EQ(levelTextAt(set, 0), roomOfWidth(6));
  EXPECT_FALSE(set.seekLevel(1));
  EXPECT_FALSE(set.seekLevel(2));
}

// Undoes a read-only attribute at the end of the test: Windows does not
// delete read-only files, and the scratch folder must go.
class ReadOnlyFile {
 public:
  explicit ReadOnlyFile(const std::string& path) : host_(hostPath(path)) {
    fs::permissions(host_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  }
  ~ReadOnlyFile() {
    std::error_code ec;
    fs::permissions(host_, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add,
                    ec);
  }
  // An administrator account may write to it anyway.
  bool refusesWrites() const {
    std::fstream probe(host_, std::ios::in | std::ios::out | std::ios::binary);
    return !probe.is_open();
  }

 private:
  std::string host_;
};

TEST(PuzzleSetFileOpen, ReadOnlyFileCanStillBePlayed) {
  ScratchFolder scratch;
  makeSetFolder();
  writeSetFile(kPath, {roomOfWidth(3), roomOfWidth(4)});
  const std::string before = fileBytes(kPath);
  ReadOnlyFile readOnly(kPath);

  PuzzleSetFile set;
  ASSERT_TRUE(set.open(kPath));
  EXPECT_EQ(levelTextAt(set, 1), roomOfWidth(4));
  EXPECT_TRUE(set.isLastLevel());
  EXPECT_EQ(levelTextAt(set, 0), roomOfWidth(3));
  EXPECT_FALSE(set.isLastLevel());

  if (readOnly.refusesWrites()) {
    EXPECT_FALSE(set.setProgress(1));
    LevelGrid grid;
    buildLevel(grid, roomOfWidth(5));
    ASSERT_TRUE(set.seekLevel(0));
    EXPECT_FALSE(set.writeLevel(grid));
    EXPECT_FALSE(set.deleteLevel());
    EXPECT_FALSE(set.appendLevel());
    set.close();
    EXPECT_EQ(fileBytes(kPath), before);
  }
}

// ---- Finding levels --------------------------------------------------------------------

TEST(PuzzleSetFileSeek, OutOfRangeIndexesFailAndKeepTheCurrentLevel) {
  ScratchFolder scratch;
  makeSetFolder();
  writeSetFile(kPath, {roomOfWidth(3), roomOfWidth(4), roomOfWidth(5)});

  PuzzleSetFile unopened;
  EXPECT_FALSE(unopened.seekLevel(0));
  EXPECT_EQ(unopened.currentLevel(), -1);

  PuzzleSetFile set;
  ASSERT_TRUE(set.open(kPath));
  EXPECT_EQ(set.currentLevel(), -1);
  ASSERT_TRUE(set.seekLevel(1));
  EXPECT_EQ(set.currentLevel(), 1);
  EXPECT_FALSE(set.seekLevel(-1));
  EXPECT_EQ(set.currentLevel(), 1);
  EXPECT_FALSE(set.seekLevel(3));
  EXPECT_EQ(set.currentLevel(), 1);
  // A failed scan keeps what it found: the levels before stay reachable.
  EXPECT_EQ(levelTextAt(set, 2), roomOfWidth(5));
  EXPECT_EQ(levelTextAt(set, 0), roomOfWidth(3));
  EXPECT_EQ(set.currentLevel(), 0);
}

TEST(PuzzleSetFileSeek, DeletingLevelTwoOfFiveMovesTheLaterLevelsDown) {
  ScratchFolder scratch;
  makeSetFolder();
  writeSetFile(kPath, {roomOfWidth(3), roomOfWidth(4), roomOfWidth(5), roomOfWidth(6),
                       roomOfWidth(7)});
  const std::string before = fileBytes(kPath);
  ASSERT_EQ(before.size(), fileBytesFor(5));

  PuzzleSetFile set;
  ASSERT_TRUE(set.open(kPath));
  ASSERT_TRUE(set.seekLevel(4));  // every record indexed before the delete
  ASSERT_TRUE(set.seekLevel(2));
  ASSERT_TRUE(set.deleteLevel());

  std::string expected = before;
  expected[markerAt(2)] = static_cast<char>(0xFE);
  EXPECT_EQ(fileBytes(kPath), expected);

  EXPECT_EQ(levelTextAt(set, 0), roomOfWidth(3));
  EXPECT_EQ(levelTextAt(set, 1), roomOfWidth(4));
  EXPECT_EQ(levelTextAt(set, 2), roomOfWidth(6));
  EXPECT_EQ(levelTextAt(set, 3), roomOfWidth(7));
  EXPECT_FALSE(set.seekLevel(4));

  PuzzleSetFile fresh;
  ASSERT_TRUE(fresh.open(kPath));
  EXPECT_EQ(levelTextAt(fresh, 2), roomOfWidth(6));
  EXPECT_EQ(liveLevels(kPath), 4);
}

TEST(PuzzleSetFileSeek, LastLevelIgnoresDeletedRecordsBehindIt) {
  ScratchFolder scratch;
  makeSetFolder();
  writeSetFile(kPath, {roomOfWidth(3), roomOfWidth(4), roomOfWidth(5), roomOfWidth(6)});

  PuzzleSetFile set;
  ASSERT_TRUE(set.open(kPath));
  EXPECT_FALSE(set.isLastLevel());  // no level reached yet
  ASSERT_TRUE(set.seekLevel(3));
  EXPECT_TRUE(set.isLastLevel());
  ASSERT_TRUE(set.seekLevel(1));
  EXPECT_FALSE(set.isLastLevel());

  ASSERT_TRUE(set.seekLevel(3));
  ASSERT_TRUE(set.deleteLevel());
  ASSERT_TRUE(set.seekLevel(2));
  ASSERT_TRUE(set.deleteLevel());
  ASSERT_TRUE(set.seekLevel(1));
  EXPECT_TRUE(set.isLastLevel());
  ASSERT_TRUE(set.seekLevel(0));
  EXPECT_FALSE(set.isLastLevel());

  PuzzleSetFile fresh;
  ASSERT_TRUE(fresh.open(kPath));
  ASSERT_TRUE(fresh.seekLevel(1));
  EXPECT_TRUE(fresh.isLastLevel());
}

// ---- Reading records written elsewhere ---------------------------------------------------

TEST(PuzzleSetFileRead, AnyOtherFirstByteMeansNoDescriptionAndNothingElse) {
  ScratchFolder scratch;
  makeSetFolder();
  for (int first : {0x05, 0x01, 0xEF}) {
    writeRaw(plainHeader() + bytes({0xFF}) + smallRoom(bytes({first})));
    PuzzleSetFile set;
    ASSERT_TRUE(set.open(kPath));
    LevelGrid grid;
    ASSERT_TRUE(set.seekLevel(0));
    ASSERT_TRUE(set.readLevel(grid)) << "first byte " << first;
    EXPECT_FALSE(grid.hasDescription());
    EXPECT_EQ(formatLevelText(grid), "# # #\n# @ #\n# # #\n");
  }
}

TEST(PuzzleSetFileRead, DescriptionRunsToItsTerminator) {
  ScratchFolder scratch;
  makeSetFolder();
  writeRaw(plainHeader() + bytes({0xFF}) + smallRoom(bytes({0xF0, 'G', 'o', '!', 0x00})));
  PuzzleSetFile set;
  ASSERT_TRUE(set.open(kPath));
  LevelGrid grid;
  ASSERT_TRUE(set.seekLevel(0));
  ASSERT_TRUE(set.readLevel(grid));
  EXPECT_TRUE(grid.hasDescription());
  EXPECT_EQ(grid.description(), "Go!");
  EXPECT_EQ(grid.width(), 3);
}

TEST(PuzzleSetFileRead, AttributeBytesKeepOnlyTheirDefinedBits) {
  ScratchFolder scratch;
  makeSetFolder();
  // Row 1: lens 0x0E (colour 6), mirror 0xE9 (colour 1, variant 1), laser
  // 0x13 (colour 3, direction 2), sensor 0x1C (colour 4, facing 3),
  // T-mirror 0x01.
  writeRaw(plainHeader() + bytes({0xFF, 0x00, 7, 3, 0, 0}) + bytes({1, 1, 1, 1, 1, 1, 1}) +
           bytes({1, 2, 0x0E, 3, 0xE9, 4, 0x13, 5, 0x1C, 6, 0x01, 1}) +
           bytes({1, 1, 1, 1, 1, 1, 1}));
  PuzzleSetFile set;
  ASSERT_TRUE(set.open(kPath));
  LevelGrid grid;
  ASSERT_TRUE(set.seekLevel(0));
  ASSERT_TRUE(set.readLevel(grid));
  EXPECT_EQ(formatLevelText(grid), "# # # # # # #\n# Lc /r vy Swb Te #\n# # # # # # #\n");
}

TEST(PuzzleSetFileRead, BrokenRecordsFailAndLeaveTheGridAsItWas) {
  ScratchFolder scratch;
  makeSetFolder();
  const std::string kindSeven = bytes({0x00, 3, 3, 1, 1, 1, 1, 1, 1, 7, 1, 1, 1, 1});
  const std::string zeroWidth = bytes({0x00, 0, 3, 1, 1, 1, 1, 1});
  const std::string zeroHeight = bytes({0x00, 3, 0, 1, 1, 1, 1, 1});
  const std::string endsInCells = bytes({0x00, 3, 3, 1, 1, 1, 1, 1, 1, 0});
  const std::string endsInAttribute = bytes({0x00, 3, 3, 1, 1, 1, 1, 1, 1, 2});
  const std::string endsInDescription = bytes({0xF0, 'a', 'b'});
  const std::string endsInSize = bytes({0x00, 3});
  for (const std::string& content :
       {kindSeven, zeroWidth, zeroHeight, endsInCells, endsInAttribute, endsInDescription,
        endsInSize}) {
    writeRaw(plainHeader() + bytes({0xFF}) + content);
    PuzzleSetFile set;
    ASSERT_TRUE(set.open(kPath));
    LevelGrid grid;
    buildLevel(grid, roomOfWidth(4));
    ASSERT_TRUE(set.seekLevel(0));
    EXPECT_FALSE(set.readLevel(grid)) << testing::PrintToString(content);
    EXPECT_EQ(formatLevelText(grid), roomOfWidth(4));
  }
}

// ---- Writing levels ----------------------------------------------------------------------

TEST(PuzzleSetFileWrite, LevelIsWrittenAsDescriptionSizeStartAndCellCodes) {
  ScratchFolder scratch;
  makeSetFolder();
  PuzzleSetFile set;
  ASSERT_TRUE(set.createSetFile(kPath));
  LevelGrid grid;
  buildLevel(grid, "# # # # # # #\n# Lg /r >b Sny Tw #\n# # # # # # #");
  grid.setStart(2, 1);
  grid.setDescription(true, "Hi");
  ASSERT_TRUE(set.seekLevel(0));
  ASSERT_TRUE(set.writeLevel(grid));

  const std::string content = bytes({0xF0, 'H', 'i', 0x00, 7, 3, 2, 1}) +
                              bytes({1, 1, 1, 1, 1, 1, 1}) +
                              bytes({1, 2, 2, 3, 9, 4, 12, 5, 3, 6, 3, 1}) +
                              bytes({1, 1, 1, 1, 1, 1, 1});
  std::string expected = plainHeader() + bytes({0xFF}) + defaultLevelContent() +
                         std::string(2997, 'R');
  expected.replace(24, content.size(), content);
  EXPECT_EQ(fileBytes(kPath), expected);
}

TEST(PuzzleSetFileWrite, ShorterLevelLeavesOldBytesAndTheNextRecordIntact) {
  ScratchFolder scratch;
  makeSetFolder();
  writeSetFile(kPath, {kDefaultLevelText, roomOfWidth(5)});
  PuzzleSetFile set;
  ASSERT_TRUE(set.open(kPath));
  LevelGrid grid;
  buildLevel(grid, roomOfWidth(3));
  ASSERT_TRUE(set.seekLevel(0));
  ASSERT_TRUE(set.writeLevel(grid));

  const std::string file = fileBytes(kPath);
  EXPECT_EQ(file.size(), fileBytesFor(2));
  EXPECT_EQ(file.substr(24, 14), smallRoom(bytes({0x00})));
  EXPECT_EQ(file.substr(38, 40), defaultLevelContent().substr(14));
  EXPECT_EQ(levelTextAt(set, 0), "# # #\n# @ #\n# # #\n");
  EXPECT_EQ(levelTextAt(set, 1), roomOfWidth(5));
  EXPECT_EQ(liveLevels(kPath), 2);
}

TEST(PuzzleSetFileWrite, NeedsALoadedGridAndAReachedLevel) {
  ScratchFolder scratch;
  makeSetFolder();
  PuzzleSetFile set;
  ASSERT_TRUE(set.createSetFile(kPath));
  const std::string before = fileBytes(kPath);
  LevelGrid grid;
  buildLevel(grid, roomOfWidth(3));

  PuzzleSetFile unreached;
  ASSERT_TRUE(unreached.open(kPath));
  EXPECT_FALSE(unreached.writeLevel(grid));  // no current level yet

  LevelGrid empty;
  ASSERT_TRUE(set.seekLevel(0));
  EXPECT_FALSE(set.writeLevel(empty));
  EXPECT_EQ(fileBytes(kPath), before);
}

TEST(PuzzleSetFileWrite, ContentTooLongForItsRecordIsRefused) {
  ScratchFolder scratch;
  makeSetFolder();
  writeSetFile(kPath, {kDefaultLevelText, roomOfWidth(5)});
  const std::string before = fileBytes(kPath);
  PuzzleSetFile set;
  ASSERT_TRUE(set.open(kPath));
  LevelGrid grid;
  buildLevel(grid, kDefaultLevelText);
  // 1 + 3000 + 1 description bytes, 4 size and start bytes, 49 cells: 3055.
  grid.setDescription(true, std::string(3000, 'd'));
  ASSERT_TRUE(set.seekLevel(0));
  EXPECT_FALSE(set.writeLevel(grid));
  EXPECT_EQ(fileBytes(kPath), before);
  EXPECT_EQ(levelTextAt(set, 1), roomOfWidth(5));

  // 2996 description bytes fill the record exactly.
  grid.setDescription(true, std::string(2996, 'd'));
  ASSERT_TRUE(set.seekLevel(0));
  EXPECT_TRUE(set.writeLevel(grid));
  EXPECT_EQ(liveLevels(kPath), 2);
  EXPECT_EQ(levelTextAt(set, 1), roomOfWidth(5));
}

// ---- Appending levels ---------------------------------------------------------------------

TEST(PuzzleSetFileAppend, ShortLastRecordIsFilledWithQBeforeTheNewLevel) {
  ScratchFolder scratch;
  makeSetFolder();
  writeRaw(plainHeader() + bytes({0xFF}) + smallRoom(bytes({0x00})));
  PuzzleSetFile set;
  ASSERT_TRUE(set.open(kPath));
  ASSERT_TRUE(set.appendLevel());
  EXPECT_EQ(set.currentLevel(), 1);

  const std::string expected = plainHeader() + bytes({0xFF}) + smallRoom(bytes({0x00})) +
                               std::string(3051 - 14, 'Q') + bytes({0xFF}) +
                               defaultLevelContent() + std::string(2997, 'R');
  EXPECT_EQ(fileBytes(kPath), expected);
  EXPECT_EQ(levelTextAt(set, 0), "# # #\n# @ #\n# # #\n");
  EXPECT_EQ(levelTextAt(set, 1), kDefaultLevelText);
}

TEST(PuzzleSetFileAppend, FullLastRecordGetsNoFiller) {
  ScratchFolder scratch;
  makeSetFolder();
  PuzzleSetFile set;
  ASSERT_TRUE(set.createSetFile(kPath));
  ASSERT_TRUE(set.appendLevel());
  EXPECT_EQ(set.currentLevel(), 1);
  ASSERT_TRUE(set.appendLevel());
  EXPECT_EQ(set.currentLevel(), 2);

  const std::string record = bytes({0xFF}) + defaultLevelContent() + std::string(2997, 'R');
  EXPECT_EQ(fileBytes(kPath), plainHeader() + record + record + record);
}

TEST(PuzzleSetFileAppend, NewLevelGoesBehindDeletedRecords) {
  ScratchFolder scratch;
  makeSetFolder();
  writeSetFile(kPath, {roomOfWidth(3), roomOfWidth(4), roomOfWidth(5)});
  PuzzleSetFile set;
  ASSERT_TRUE(set.open(kPath));
  ASSERT_TRUE(set.seekLevel(2));
  ASSERT_TRUE(set.deleteLevel());
  ASSERT_TRUE(set.appendLevel());
  EXPECT_EQ(set.currentLevel(), 2);

  const std::string file = fileBytes(kPath);
  ASSERT_EQ(file.size(), fileBytesFor(4));
  EXPECT_EQ(static_cast<unsigned char>(file[markerAt(2)]), 0xFE);
  EXPECT_EQ(file.substr(markerAt(3)), bytes({0xFF}) + defaultLevelContent() +
                                          std::string(2997, 'R'));
  EXPECT_EQ(file.find('Q'), std::string::npos);
  EXPECT_EQ(levelTextAt(set, 2), kDefaultLevelText);
  EXPECT_EQ(liveLevels(kPath), 3);
}

// ---- Progress ------------------------------------------------------------------------------

TEST(PuzzleSetFileProgress, IsStoredAtOffsetZeroOnly) {
  ScratchFolder scratch;
  makeSetFolder();
  writeSetFile(kPath, {roomOfWidth(3), roomOfWidth(4)});
  std::string expected = fileBytes(kPath);
  PuzzleSetFile set;
  ASSERT_TRUE(set.open(kPath));
  ASSERT_TRUE(set.setProgress(4));
  EXPECT_EQ(set.progress(), 4);
  expected[0] = 4;
  EXPECT_EQ(fileBytes(kPath), expected);

  PuzzleSetFile reader;
  ASSERT_TRUE(reader.open(kPath));
  EXPECT_EQ(reader.progress(), 4);
}

TEST(PuzzleSetFileProgress, ValueFFIsNotTakenForALevelMarker) {
  ScratchFolder scratch;
  makeSetFolder();
  writeSetFile(kPath, {roomOfWidth(3), roomOfWidth(4)});
  PuzzleSetFile set;
  ASSERT_TRUE(set.open(kPath));
  ASSERT_TRUE(set.setProgress(255));  // before any level was looked for
  EXPECT_EQ(static_cast<unsigned char>(fileBytes(kPath)[0]), 0xFF);
  EXPECT_EQ(levelTextAt(set, 0), roomOfWidth(3));
  EXPECT_EQ(levelTextAt(set, 1), roomOfWidth(4));
  EXPECT_TRUE(set.isLastLevel());

  PuzzleSetFile reader;
  ASSERT_TRUE(reader.open(kPath));
  EXPECT_EQ(reader.progress(), 255);
  EXPECT_EQ(levelTextAt(reader, 0), roomOfWidth(3));
  EXPECT_EQ(liveLevels(kPath), 2);
}

TEST(PuzzleSetFileProgress, FailsWithoutAFile) {
  ScratchFolder scratch;
  PuzzleSetFile set;
  EXPECT_FALSE(set.setProgress(1));
  EXPECT_FALSE(set.open(kPath));
  EXPECT_FALSE(set.setProgress(1));
  EXPECT_FALSE(fs::exists("Levels"));
}

}  // namespace
}  // namespace trelux

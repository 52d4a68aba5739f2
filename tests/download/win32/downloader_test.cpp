// The downloader through its real windows, against the test server: the
// list, downloads that install a locked set, the repeated-download question,
// and every way a server or its files can fail.
#include "download/win32/downloader.h"

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "app/startup_files.h"
#include "app/win32/shell.h"
#include "download/download_messages.h"
#include "download/manifest.h"
#include "download/transfer_limits.h"
#include "puzzles/catalogue.h"
#include "resources/win32/resource_ids.h"
#include "support/level_files.h"
#include "support/scratch_folder.h"
#include "support/win32/dialog_answerer.h"
#include "support/win32/game_fixture.h"
#include "download_steps.h"

namespace trelux::test {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

const char* const kLevel =
    "# # # # # #\n"
    "# >r . Swr . #\n"
    "# . @ . . #\n"
    "# # # # # #\n";

// A manifest section; the list follows the document's storage order, by
// the buckets of the section names (name hash modulo 100).
std::string section(const std::string& id, const std::string& name, const std::string& path,
                    const std::string& guid = "", const std::string& author = "") {
  std::string text = "[" + id + "]\r\nname = " + name + "\r\npath = " + path + "\r\n";
  if (!guid.empty()) text += "guid = " + guid + "\r\n";
  if (!author.empty()) text += "author = " + author + "\r\ndate = 2024-06-01\r\n";
  return text;
}

std::string failedBecause(const std::string& reason) {
  return withReason(kDownloadFailedMessage, reason);
}

std::string onServer(const std::string& what) { return what + " " + testServer(); }

std::vector<std::string> catalogueNames(bool includeLocked) {
  std::vector<PuzzleSetEntry> list;
  scanPuzzleSets(list, includeLocked);
  std::vector<std::string> names;
  for (const PuzzleSetEntry& entry : list) names.push_back(entry.name);
  return names;
}

class DownloaderTest : public GameFixture {
 protected:
  void SetUp() override {
    GameFixture::SetUp();
    writeFile("levels/download.guid", "[webguids]\r\n\r\n\r\n");
    std::filesystem::create_directories(servedFile("sets"));
    writeSetFile(servedFile("sets/glow.dat"), {kLevel, kLevel});
    tempBefore_ = downloaderTempFiles();
  }
  void TearDown() override {
    EXPECT_EQ(downloaderTempFiles(), tempBefore_) << "a temporary file was left behind";
    GameFixture::TearDown();
  }
  // A manifest of the one set "Glow" whose level file is at path.
  void publishGlow(const std::string& path, const std::string& guid = "Glow-GUID-1") {
    publishManifest(section("set1", "Glow", servedUrl(path), guid));
  }
  void run(const std::string& server) {
    runDownloader(mainWindow, programInstance, server, limits_);
    pump();
  }
  // Downloads line 0 and expects message as the answer.
  void downloadExpecting(const std::string& message) {
    DialogAnswerer dialogs;
    dialogs.expect(downloadLine(0));
    dialogs.expectMessage("Trelux", message);
    dialogs.expect(finished());
    run(testServer());
    dialogs.verify();
  }

  // The game's rules with deadlines short enough for a test.
  TransferLimits limits_ = kTransferLimits;

 private:
  std::vector<std::string> tempBefore_;
};

TEST_F(DownloaderTest, ListShowsTheManifestsSetsInOrderWithTheirHiddenLines) {
  // Buckets: "a" 96, "b" 11, "c" 30; neither the file's order nor the
  // names' alphabetical one is the list's.
  publishManifest(section("a", "Moon", "http://h/3.dat") +
                  section("b", "Zenith", "http://h/1.dat", "G1", "Ann") +
                  section("c", "Amber", "http://h/2.dat"));
  DialogStep list = finished(false);
  list.inspect = [](HWND dialog) {
    EXPECT_THAT(listLines(dialog, IDC_WEB_SET_LIST), ElementsAre("Zenith", "Amber", "Moon"));
    EXPECT_THAT(listLines(dialog, IDC_WEB_PATH_LIST),
                ElementsAre("http://h/1.dat", "http://h/2.dat", "http://h/3.dat"));
    EXPECT_THAT(listLines(dialog, IDC_WEB_GUID_LIST), ElementsAre("G1", "", ""));
    EXPECT_THAT(listLines(dialog, IDC_WEB_AUTHOR_LIST), ElementsAre("Ann", "", ""));
    EXPECT_THAT(listLines(dialog, IDC_WEB_DATE_LIST), ElementsAre("2024-06-01", "", ""));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_WEB_GUID_LIST)));
    SendDlgItemMessageA(dialog, IDC_WEB_SET_LIST, LB_SETCURSEL, 0, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_WEB_SET_LIST, LBN_SELCHANGE), 0);
    EXPECT_EQ(windowText(dialog, IDC_WEB_SET_INFO), "By Ann\n2024-06-01") << "the selected set's";
  };
  DialogAnswerer dialogs;
  dialogs.expect(list);
  run(testServer());
  dialogs.verify();
}

TEST_F(DownloaderTest, EmptyManifestGivesAnEmptyList) {
  publishManifest("; no sets today\r\n");
  DialogStep list = finished(false);
  list.inspect = [](HWND dialog) { EXPECT_THAT(listLines(dialog, IDC_WEB_SET_LIST), IsEmpty()); };
  DialogAnswerer dialogs;
  dialogs.expect(list);
  run(testServer());
  dialogs.verify();
}

TEST_F(DownloaderTest, DownloadInstallsALockedSetThatOnlyPlayOffers) {
  addSet("Mine", {kLevel});
  publishGlow("sets/glow.dat", "Glow-GUID-1");
  downloadExpecting("Download complete!\nPuzzle set: Glow");

  EXPECT_THAT(catalogueNames(true), testing::UnorderedElementsAre("Mine", "Glow"));
  EXPECT_NE(readFile("levels/download.guid").find("glow-guid-1 = true"), std::string::npos)
      << "the guid is stored lower-cased";

  DialogStep play;
  play.caption = "Choose Puzzle Set";
  play.button = IDCANCEL;
  play.inspect = [](HWND dialog) {
    EXPECT_THAT(listLines(dialog, IDC_PUZZLE_LIST), testing::UnorderedElementsAre("Mine", "Glow"));
  };
  DialogStep edit = play;
  edit.inspect = [](HWND dialog) {
    EXPECT_THAT(listLines(dialog, IDC_PUZZLE_LIST), ElementsAre("Mine"));
  };
  DialogAnswerer dialogs;
  dialogs.expect(play).expect(edit);
  command(IDC_NEW_GAME);
  command(IDC_LEVEL_EDITOR);
  dialogs.verify();
}

TEST_F(DownloaderTest, CompletionBoxIsOwnedByTheList) {
  publishGlow("sets/glow.dat");
  DialogStep box;
  box.caption = "Trelux";
  box.inspect = [](HWND window) {
    EXPECT_EQ(windowText(GetWindow(window, GW_OWNER)), "Download Web Puzzles");
  };
  DialogAnswerer dialogs;
  dialogs.expect(downloadLine(0)).expect(box).expect(finished());
  run(testServer());
  dialogs.verify();
}

TEST_F(DownloaderTest, TakenNameGetsTheFirstFreeNumber) {
  addSet("Lasers", {kLevel});
  addSet("Lasers (2)", {kLevel});
  publishManifest(section("set1", "Lasers", servedUrl("sets/glow.dat")));
  downloadExpecting("Download complete!\nPuzzle set: Lasers (3)");
}

TEST_F(DownloaderTest, SecondDownloadOfAGuidAsksFirst) {
  publishGlow("sets/glow.dat", "GLOW-guid-1");
  writeFile("levels/download.guid", "[webguids]\r\n\r\nglow-GUID-1 = true\r\n\r\n");
  DialogAnswerer dialogs;
  dialogs.expect(downloadLine(0));
  dialogs.expectMessage("Trelux", kRepeatQuestion, IDNO);
  dialogs.expect(downloadLine(0, true));
  dialogs.expectMessage("Trelux", kRepeatQuestion, IDYES);
  dialogs.expectMessage("Trelux", "Download complete!\nPuzzle set: Glow");
  dialogs.expect(finished());
  run(testServer());
  dialogs.verify();
  EXPECT_THAT(catalogueNames(true), ElementsAre("Glow")) << "No downloaded nothing, Yes one copy";
}

TEST_F(DownloaderTest, DownloadWithoutASelectionDoesNothing) {
  publishGlow("sets/glow.dat");
  DialogStep list = finished(false);
  // Download first, then Finished: a download would open a box in between.
  list.inspect = [](HWND dialog) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_WEB_DOWNLOAD, BN_CLICKED), 0);
  };
  DialogAnswerer dialogs;
  dialogs.expect(list);
  run(testServer());
  dialogs.verify();
  EXPECT_THAT(catalogueNames(true), IsEmpty());
}

TEST_F(DownloaderTest, MissingDownloadListIsCreated) {
  DeleteFileA("levels\\download.guid");
  publishGlow("sets/glow.dat", "abc");
  downloadExpecting("Download complete!\nPuzzle set: Glow");
  EXPECT_EQ(readFile("levels/download.guid"), "[webguids]\r\n\r\nabc = true\r\n\r\n");
}

// A list that is there but cannot be opened is never replaced.
TEST_F(DownloaderTest, UnreadableDownloadListIsReportedAndKept) {
  DeleteFileA("levels\\download.guid");
  CreateDirectoryA("levels\\download.guid", nullptr);
  publishGlow("sets/glow.dat");
  DialogAnswerer dialogs;
  dialogs.expect(downloadLine(0));
  dialogs.expectMessage("Trelux", kUnreadableListMessage);
  dialogs.expect(finished());
  run(testServer());
  dialogs.verify();
  EXPECT_THAT(catalogueNames(true), IsEmpty());
  EXPECT_EQ(GetFileAttributesA("levels\\download.guid") & FILE_ATTRIBUTE_DIRECTORY,
            static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
}

TEST_F(DownloaderTest, RefusedManifestShowsNoList) {
  publishManifest(section("set1", "Good", "http://h/1.dat") + "[set2]\r\nname = No path\r\n");
  DialogAnswerer dialogs;
  dialogs.expectMessage("Trelux", kManifestMessage);
  run(testServer());
  dialogs.verify();
}

// The transfer stops once more than a manifest can hold came: the last
// count shown is the limit itself.
TEST_F(DownloaderTest, EndlessManifestIsRefusedPastItsLimit) {
  publishGlow("sets/glow.dat");
  const std::string endless = servedFile("download/files/trelux/download.php.endless");
  writeFile(endless, "");
  ProgressTexts progress;
  DialogAnswerer dialogs;
  dialogs.expectMessage("Trelux", kManifestMessage);
  run(testServer());
  DeleteFileA(endless.c_str());
  dialogs.verify();
  const std::vector<std::string>& texts = progress.texts();
  ASSERT_GE(texts.size(), 2u);
  EXPECT_EQ(texts.back(), "Processing...");
  EXPECT_EQ(texts[texts.size() - 2],
            "Downloading... (" + std::to_string(kMaxManifestSize) + " bytes so far)");
}

TEST_F(DownloaderTest, ServerDownOrManifestMissingFailsTheDownload) {
  DialogAnswerer dialogs;
  dialogs.expectMessage("Trelux", failedBecause("Cannot connect to " + closedServer() + "."));
  dialogs.expectMessage("Trelux", failedBecause(onServer("The server") + " answered 404 (not found)"
                                                " for /download/files/trelux/download.php."));
  run(closedServer());
  DeleteFileA(servedFile("download/files/trelux/download.php").c_str());
  run(testServer());
  dialogs.verify();
}

TEST_F(DownloaderTest, MissingSetFileFailsTheDownload) {
  publishGlow("sets/none.dat");
  downloadExpecting(failedBecause(onServer("The server") + " answered 404 (not found) for " +
                                  "/sets/none.dat."));
  EXPECT_THAT(catalogueNames(true), IsEmpty());
}

// None of these installs anything: the folder of sets stays as it was.
TEST_F(DownloaderTest, DamagedBodiesInstallNothing) {
  // Cut inside the last level's filler: only the announced length tells.
  const std::string cut = std::to_string(23 + 3052 + 100);
  for (const std::string& path : std::vector<std::string>{
           "html/sets/glow.dat", "cut/" + cut + "/sets/glow.dat", "endless/sets/glow.dat"}) {
    SCOPED_TRACE(path);
    publishGlow(path);
    downloadExpecting(kDamagedSetMessage);
    EXPECT_THAT(catalogueNames(true), IsEmpty());
    EXPECT_EQ(readFile("levels/download.guid"), "[webguids]\r\n\r\n\r\n");
  }
}

// The texts of a body of size bytes read in pieces of 256: one before each
// read, the last before the read that finds the end.
std::vector<std::string> downloadingTexts(size_t size) {
  std::vector<std::string> texts;
  for (size_t n = 0; n < size; n += 256) {
    texts.push_back("Downloading... (" + std::to_string(n) + " bytes so far)");
  }
  texts.push_back("Downloading... (" + std::to_string(size) + " bytes so far)");
  return texts;
}

TEST_F(DownloaderTest, ProgressTextsFollowTheTransfer) {
  publishGlow("slow/sets/glow.dat");
  const size_t manifestSize = readFile(servedFile("download/files/trelux/download.php")).size();
  const size_t setSize = readFile(servedFile("sets/glow.dat")).size();
  ASSERT_NE(setSize % 256, 0u) << "the last piece must be a short one";
  ProgressTexts progress;
  downloadExpecting("Download complete!\nPuzzle set: Glow");
  const std::vector<std::string>& texts = progress.texts();
  const std::string host = testServer().substr(0, testServer().find(':'));
  ASSERT_GE(texts.size(), 3u);
  EXPECT_EQ(texts[0], "Connecting to " + host + "...");
  EXPECT_EQ(texts[1], "Querying server...");
  const auto processing = std::find(texts.begin(), texts.end(), "Processing...");
  ASSERT_NE(processing, texts.end());
  EXPECT_EQ(std::vector<std::string>(texts.begin() + 2, processing), downloadingTexts(manifestSize));
  ASSERT_NE(processing + 1, texts.end());
  EXPECT_EQ(*(processing + 1), "Querying server...");
  EXPECT_EQ(std::vector<std::string>(processing + 2, texts.end()), downloadingTexts(setSize))
      << "each read but the last brings 256 bytes";
}

// The setting is read when Get Puzzles starts: an edit needs no restart.
TEST_F(DownloaderTest, GetPuzzlesUsesTheServerSetting) {
  const std::string settings = "[settings]\r\nsound = 0\r\nmusic = 0\r\nserver = ";
  writeFile("startup.dat", "stp\r\n");
  writeFile("trelux.ini", settings + closedServer() + "\r\n");
  ASSERT_EQ(loadStartupFiles(), "");
  writeFile("trelux.ini", settings + testServer() + "\r\n");
  publishGlow("sets/glow.dat");
  DialogStep list = finished(false);
  list.inspect = [](HWND dialog) {
    EXPECT_THAT(listLines(dialog, IDC_WEB_SET_LIST), ElementsAre("Glow"));
  };
  DialogAnswerer dialogs;
  dialogs.expect(list);
  command(IDC_GET_PUZZLES);
  dialogs.verify();
}


// Deadlines a test can wait for: connect 0.6 s, silence 0.8 s, under
// 1 KiB/s after 1.5 s.
constexpr TransferLimits kQuick{600, 800, 1500, 1024, 5};

double secondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

TEST_F(DownloaderTest, ConnectionNeverMadeFailsAtItsDeadline) {
  limits_ = kQuick;
  DialogAnswerer dialogs;
  dialogs.expectMessage("Trelux", failedBecause("Cannot connect to " + stalledServer() + "."));
  const auto start = std::chrono::steady_clock::now();
  run(stalledServer());
  EXPECT_LT(secondsSince(start), 2.0);
  dialogs.verify();
}

TEST_F(DownloaderTest, ServerThatNeverAnswersFailsAtItsDeadline) {
  limits_ = kQuick;
  publishGlow("stall/sets/glow.dat");
  const auto start = std::chrono::steady_clock::now();
  downloadExpecting(failedBecause(onServer("The server") + " stopped answering."));
  EXPECT_LT(secondsSince(start), 2.5);
}

// A byte every 0.1 s never falls silent for 0.8 s, but averages 10 bytes/s.
TEST_F(DownloaderTest, TrickleFailsOnceItsAverageIsJudged) {
  limits_ = kQuick;
  publishGlow("trickle/100/sets/glow.dat");
  const auto start = std::chrono::steady_clock::now();
  downloadExpecting(failedBecause(onServer("The server") + " sends too slowly."));
  EXPECT_LT(secondsSince(start), 3.0);
}

TEST_F(DownloaderTest, FiveRedirectsAreFollowedOverPlainHttpOnly) {
  for (const auto& [path, message] : std::vector<std::pair<std::string, std::string>>{
           {"redirect/5/sets/glow.dat", "Download complete!\nPuzzle set: Glow"},
           {"redirect/6/sets/glow.dat", failedBecause(onServer("Too many redirects from") + ".")},
           {"loop/0", failedBecause(onServer("Too many redirects from") + ".")},
           {"https/sets/glow.dat", failedBecause("Only http:// addresses are followed, not https://" +
                                                 testServer() + "/sets/glow.dat.")}}) {
    SCOPED_TRACE(path);
    publishGlow(path, "");  // without a guid: no repeated-download question
    downloadExpecting(message);
  }
  EXPECT_THAT(catalogueNames(true), ElementsAre("Glow"));
}

// From another thread, while the server says nothing: the progress window
// answers with its text, then Esc stops the transfer without a word.
TEST_F(DownloaderTest, ProgressWindowAnswersWhileTheServerStallsAndEscStopsIt) {
  publishGlow("stall/sets/glow.dat");
  std::string shown;
  std::thread asker;
  DialogStep progress;
  progress.button = kNoButton;
  progress.inspect = [&](HWND window) {
    asker = std::thread([&shown, window] {
      Sleep(400);
      char text[64] = {};
      SendMessageTimeoutA(GetDlgItem(window, IDC_PROGRESS_TEXT), WM_GETTEXT, sizeof text,
                          reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 1000, nullptr);
      shown = text;
      PostMessageA(GetDlgItem(window, IDCANCEL), WM_KEYDOWN, VK_ESCAPE, 1);
    });
  };
  DialogAnswerer dialogs;
  dialogs.expect(downloadLine(0)).expect(progress).expect(finished());
  const auto start = std::chrono::steady_clock::now();
  run(testServer());
  asker.join();
  EXPECT_LT(secondsSince(start), 2.0);
  dialogs.verify();
  EXPECT_EQ(shown, "Querying server...");
  EXPECT_THAT(catalogueNames(true), IsEmpty());
}

void CALLBACK pressCancel(HWND progress, UINT, UINT_PTR timer, DWORD) {
  KillTimer(progress, timer);
  PostMessageA(progress, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(progress, IDCANCEL)));
}

TEST_F(DownloaderTest, CancelStopsATransferAtOnceAndInstallsNothing) {
  publishGlow("trickle/50/sets/glow.dat");
  DialogStep progress;
  progress.button = kNoButton;
  progress.inspect = [](HWND window) { SetTimer(window, 1, 300, pressCancel); };
  DialogAnswerer dialogs;
  dialogs.expect(downloadLine(0)).expect(progress).expect(finished());
  const auto start = std::chrono::steady_clock::now();
  run(testServer());
  EXPECT_LT(secondsSince(start), 1.5);
  dialogs.verify();
  EXPECT_THAT(catalogueNames(true), IsEmpty());
}

}  // namespace
}  // namespace trelux::test

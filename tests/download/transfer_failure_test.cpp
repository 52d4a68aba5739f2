#include "download/transfer_failure.h"

#include <gtest/gtest.h>

#include "download/download_messages.h"

namespace trelux {
namespace {

TEST(TransferFailure, ReasonSaysWhatHappenedAndWhere) {
  using Kind = TransferFailureKind;
  const std::string url = "http://h:81/sets/a.dat";
  EXPECT_EQ(failureReason({Kind::CannotConnect, "http://h/x"}), "Cannot connect to h:80.");
  EXPECT_EQ(failureReason({Kind::HttpStatus, url, 404}),
            "The server h:81 answered 404 (not found) for /sets/a.dat.");
  EXPECT_EQ(failureReason({Kind::StoppedAnswering, url}), "The server h:81 stopped answering.");
  EXPECT_EQ(failureReason({Kind::TooSlow, url}), "The server h:81 sends too slowly.");
  EXPECT_EQ(failureReason({Kind::TooManyRedirects, url}), "Too many redirects from h:81.");
  EXPECT_EQ(failureReason({Kind::NotHttp, "ftp://h/a"}),
            "Only http:// addresses are followed, not ftp://h/a.");
  EXPECT_EQ(transferError({Kind::ConnectionLost, url}, "d").message,
            "An error occurred downloading the necessary files.\n"
            "The connection to h:81 was lost.\nPlease try again.");
}

TEST(TransferFailure, LongNamesAndPathsAreCut) {
  const std::string name(300, 'n');
  EXPECT_EQ(downloadCompleteText(name),
            "Download complete!\nPuzzle set: " + name.substr(0, kBoxTextLength - 3) + "...");
  EXPECT_EQ(failureReason({TransferFailureKind::CannotConnect, "http://" + name}),
            "Cannot connect to " + name.substr(0, kBoxTextLength - 3) + "....");
}

}  // namespace
}  // namespace trelux

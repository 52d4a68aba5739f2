#include "download/http_url.h"

#include <gtest/gtest.h>

namespace trelux {
namespace {

TEST(HttpUrl, OnlyPlainHttpAddressesAreTaken) {
  const std::optional<HttpUrl> url = parseHttpUrl("HTTP://h.example:8080/sets/a.dat?x=1");
  ASSERT_TRUE(url);
  EXPECT_EQ(serverOf(*url), "h.example:8080");
  EXPECT_EQ(url->path, "/sets/a.dat?x=1");
  EXPECT_EQ(serverOf(*parseHttpUrl("http://h")), "h:80");
  for (const char* other : {"https://h/a", "ftp://h/a", "file:///c:/a", "http://", "http://u@h/",
                            "/sets/a.dat", "h/a"}) {
    EXPECT_FALSE(parseHttpUrl(other)) << other;
  }
}

TEST(HttpUrl, RedirectsLeadFromTheAddressTheyAnswer) {
  const std::string base = "http://h:81/sets/new/a.dat?v=2";
  EXPECT_EQ(redirectTarget(base, "https://x/b"), "https://x/b");
  EXPECT_EQ(redirectTarget(base, "//x/b"), "http://x/b");
  EXPECT_EQ(redirectTarget(base, "/b.dat"), "http://h:81/b.dat");
  EXPECT_EQ(redirectTarget(base, "b.dat"), "http://h:81/sets/new/b.dat");
}

}  // namespace
}  // namespace trelux

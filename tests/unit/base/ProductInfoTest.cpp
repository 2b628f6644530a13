// How a link shows an address, and the addresses the about box carries.
#include <gtest/gtest.h>

#include "base/ProductInfo.h"

namespace tgl {
namespace {

TEST(ProductInfo, ALinkShowsItsAddressWithoutSchemeAndClosingSlash) {
  const struct {
    const char* Address;
    const char* Shown;
  } cases[] = {
      {"http://www.tesmoragl.example/", "www.tesmoragl.example"},
      {"HTTP://Host.example/path/", "Host.example/path"},
      {"https://host.example", "host.example"},
      {"mailto:support@tesmoragl.example", "support@tesmoragl.example"},
      {"ftp://host.example/", "ftp://host.example"},
      {"http://", "http://"},
      {"/", "/"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(LinkTextOf(c.Address), c.Shown) << c.Address;
}

TEST(ProductInfo, TheAddressesAreAWebPageAndAMailbox) {
  EXPECT_EQ(std::string(HomePageAddress).rfind("http://", 0), 0u);
  EXPECT_EQ(std::string(SupportAddress).rfind("mailto:", 0), 0u);
}

}  // namespace
}  // namespace tgl

#include "app/instance_request.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(InstanceRequestTest, LinesRoundTripAndAnythingElseIsNoRequest) {
  for (const InstanceRequest request :
       {InstanceRequest::Show, InstanceRequest::Toggle, InstanceRequest::Hide}) {
    for (const std::string& token :
         {std::string(), std::string("host-1234-0_TIME5678"), std::string(256, 'x')}) {
      const std::string line = FormatInstanceRequest(request, token);
      ASSERT_EQ(line.back(), '\n');
      const auto parsed = ParseInstanceRequest(std::string_view(line).substr(0, line.size() - 1));
      ASSERT_TRUE(parsed.has_value()) << line;
      EXPECT_EQ(parsed->request, request);
      EXPECT_EQ(parsed->activationToken, token);
    }
  }
  // A token that cannot travel as one word is left out; the request still goes.
  EXPECT_EQ(FormatInstanceRequest(InstanceRequest::Toggle, "two words"), "toggle\n");
  EXPECT_EQ(FormatInstanceRequest(InstanceRequest::Show, "a\nhide"), "show\n");
  EXPECT_EQ(FormatInstanceRequest(InstanceRequest::Hide, std::string(257, 'x')), "hide\n");

  using namespace std::string_view_literals;
  for (const std::string_view garbage :
       {""sv, "SHOW"sv, "show "sv, "show  token"sv, "show a b"sv, "toggle\t1"sv, "hide\r"sv,
        "quit"sv, "show\0x"sv, "showtoggle"sv}) {
    EXPECT_FALSE(ParseInstanceRequest(garbage).has_value()) << garbage;
  }
}

}  // namespace

#include <gtest/gtest.h>

#include "app/core/Arguments.h"
#include "app/core/UrlShortcut.h"
#include "base/Error.h"

namespace quillo {
namespace {

TEST(UrlShortcut, ReadsTheAddressOfTheShortcutSectionOnly) {
  EXPECT_EQ(ShortcutUrl("[InternetShortcut]\r\nURL=https://example.org/play\r\n"),
            "https://example.org/play");
  EXPECT_EQ(ShortcutUrl("[Other]\nURL=wrong\n[internetshortcut]\nIconIndex=0\nurl = right \n"),
            "right");
  EXPECT_EQ(ShortcutUrl("URL=outside\n"), std::nullopt);
  EXPECT_EQ(ShortcutUrl("[InternetShortcut]\nURL=\n"), std::nullopt);
  EXPECT_EQ(ShortcutUrl(""), std::nullopt);
}

TEST(UrlShortcut, OnlyWebAddressesWithAHostMayBeOpened) {
  for (const char* good :
       {"https://example.org/play", "http://example.org", "HTTPS://Example.org?a=1"})
    EXPECT_TRUE(IsWebAddress(good)) << good;
  for (const char* bad :
       {"file:///etc/passwd", "/usr/bin/xterm", "run.sh", "javascript:alert(1)", "smb://host/share",
        "ftp://example.org", "https://", "https:///etc/passwd", "http:example.org",
        "https://user@evil.example/", "https://example.org/a b", "https://exa\tmple.org",
        "https://example.org/\n--flag", ""})
    EXPECT_FALSE(IsWebAddress(bad)) << bad;
}

TEST(Arguments, ParsesOptionsFlagsAndPositionalWords) {
  const Arguments a =
      ParseArguments({"--kind", "radial", "in.bmp", "--strength=-0.5", "--frame", "out.bmp"},
                     {"kind", "strength"}, {"frame"});
  EXPECT_EQ(a.Option("kind"), "radial");
  EXPECT_EQ(a.Option("strength"), "-0.5");
  EXPECT_EQ(a.Option("quality"), std::nullopt);
  EXPECT_TRUE(a.flags.count("frame"));
  EXPECT_EQ(a.positional, (std::vector<std::string>{"in.bmp", "out.bmp"}));
  EXPECT_EQ(ParseArguments({"--", "--kind"}, {"kind"}, {}).positional,
            std::vector<std::string>{"--kind"});

  EXPECT_THROW(ParseArguments({"--colour", "red"}, {"kind"}, {}), Error);
  EXPECT_THROW(ParseArguments({"--kind"}, {"kind"}, {}), Error);
  EXPECT_THROW(ParseArguments({"--kind", "a", "--kind", "b"}, {"kind"}, {}), Error);
  EXPECT_THROW(ParseArguments({"--frame=1"}, {}, {"frame"}), Error);
}

TEST(Arguments, NumbersMustBeWholeWords) {
  EXPECT_EQ(ParseNumber("-0.25", "strength"), -0.25);
  EXPECT_EQ(ParseNumber("1e-1", "strength"), 0.1);
  EXPECT_EQ(ParseInteger("-12", "centre"), -12);
  for (const char* bad : {"", " 1", "1 ", "0.5x", "nan", "inf", "--1"})
    EXPECT_THROW(ParseNumber(bad, "strength"), Error) << bad;
  for (const char* bad : {"", "1.5", "9999999999", "x"})
    EXPECT_THROW(ParseInteger(bad, "centre"), Error) << bad;
}

}  // namespace
}  // namespace quillo

// The encoder list kept between runs: it is used only for the build it was
// made with, and a damaged file is never believed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "io/core/EncoderCache.h"

namespace quillo {
namespace {

// Sets an environment variable for the life of the object.
class Env {
 public:
  Env(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value, 1);
  }
  ~Env() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }
  Env(const Env&) = delete;
  Env& operator=(const Env&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

const std::string kBuild = "libavcodec 59.37.100, libavformat 59.27.100 (5.1.6)";
const std::vector<CachedEncoder> kEncoders = {{"mjpeg", "MJPEG (Motion JPEG)"},
                                              {"ffv1", "FFmpeg video codec #1"}};

TEST(EncoderCache, ReadsBackWhatItWroteForTheSameBuildOnly) {
  const std::string text = FormatEncoderCache(kBuild, kEncoders);
  EXPECT_EQ(ParseEncoderCache(text, kBuild), kEncoders);
  EXPECT_FALSE(ParseEncoderCache(text, "libavcodec 60.31.102, libavformat 60.16.100 (6.1)"));
  EXPECT_EQ(ParseEncoderCache(FormatEncoderCache(kBuild, {}), kBuild),
            std::vector<CachedEncoder>{});
}

TEST(EncoderCache, ADamagedOrForeignFileIsNotBelieved) {
  const std::string good = FormatEncoderCache(kBuild, kEncoders);
  for (const std::string& bad :
       {good.substr(0, good.size() - 5),                               // cut short
        std::string("quillo encoders 2\n") + kBuild + "\nmjpeg\tx\n",  // another format
        "quillo encoders 1\n" + kBuild + "\nmjpeg no tab\n",
        "quillo encoders 1\n" + kBuild + "\n\tno name\n",
        "quillo encoders 1\n" + kBuild + "\nmjpeg\t\n",
        "quillo encoders 1\n" + kBuild + "\nmj\x01peg\tx\n", std::string()})
    EXPECT_FALSE(ParseEncoderCache(bad, kBuild)) << bad;
}

TEST(EncoderCache, LivesInTheDesktopsCacheFolder) {
  {
    const Env cache("XDG_CACHE_HOME", "/var/cache/me");
    EXPECT_EQ(EncoderCachePath("mp4", 290, 290), "/var/cache/me/quillo/encoders-mp4-290x290");
  }
  const Env relative("XDG_CACHE_HOME", "not/absolute");
  const Env home("HOME", "/home/me");
  EXPECT_EQ(EncoderCachePath("avi", 64, 48), "/home/me/.cache/quillo/encoders-avi-64x48");
}

}  // namespace
}  // namespace quillo

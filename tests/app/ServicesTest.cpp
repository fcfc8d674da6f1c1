// The service loaders: real adapters where they work, unavailable ones that
// say why where they do not, and all unavailable when a test forces it.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "app/Services.h"

namespace quillo {
namespace {

TEST(Services, WithoutAScreenTheWindowServicesSayWhyTheyAreUnavailable) {
  ASSERT_EQ(QGuiApplication::platformName(), "offscreen");
  qunsetenv("QUILLO_NULL_SERVICES");
  const Services s = Services::Load();
  EXPECT_FALSE(s.messages->Available());
  EXPECT_NE(s.messages->WhyUnavailable().find("offscreen"), std::string::npos);
  EXPECT_FALSE(s.shell->Available());
  s.shell->Open(QUrl("https://example.org"));  // does nothing, quietly
  s.sound->PlayCue("/nowhere/start.wav");
}

TEST(Services, TheForcingVariableTurnsEveryServiceOff) {
  qputenv("QUILLO_NULL_SERVICES", "1");
  const Services s = Services::Load();
  qunsetenv("QUILLO_NULL_SERVICES");
  for (const PlatformService* service : {static_cast<const PlatformService*>(s.messages.get()),
                                         static_cast<const PlatformService*>(s.shell.get()),
                                         static_cast<const PlatformService*>(s.sound.get()),
                                         static_cast<const PlatformService*>(s.scanner.get())}) {
    EXPECT_FALSE(service->Available());
    EXPECT_EQ(service->WhyUnavailable(), "Turned off for this run");
  }
}

}  // namespace
}  // namespace quillo

// The service loaders: real adapters where they work, unavailable ones that
// say why where they do not, and all unavailable when a test forces it.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPrinter>
#include <string>

#include "app/Services.h"

namespace quillo {
namespace {

TEST(Services, WithoutAScreenTheWindowServicesSayWhyAndAskNothing) {
  ASSERT_EQ(QGuiApplication::platformName(), "offscreen");
  qunsetenv("QUILLO_NULL_SERVICES");
  const Services s = Services::Load();
  for (const PlatformService* service : {static_cast<const PlatformService*>(s.messages.get()),
                                         static_cast<const PlatformService*>(s.shell.get()),
                                         static_cast<const PlatformService*>(s.files.get()),
                                         static_cast<const PlatformService*>(s.printers.get()),
                                         static_cast<const PlatformService*>(s.codecs.get())}) {
    EXPECT_FALSE(service->Available());
    EXPECT_NE(service->WhyUnavailable().find("offscreen"), std::string::npos)
        << service->WhyUnavailable();
  }
  // The unavailable twins answer at once, as a person who cancelled would.
  EXPECT_FALSE(s.files->OpenPicture("/tmp/", "*.bmp", nullptr).has_value());
  EXPECT_FALSE(s.files->SaveFile("/tmp/", "*.bmp (*.bmp)", "Save", nullptr).has_value());
  EXPECT_EQ(s.printers->ChoosePrinter(nullptr), nullptr);
  EXPECT_FALSE(s.codecs->ChooseCodec(VideoContainer::kAvi, 64, 48, nullptr).has_value());
}

TEST(Services, TheForcingVariableTurnsEveryServiceOff) {
  qputenv("QUILLO_NULL_SERVICES", "1");
  const Services s = Services::Load();
  qunsetenv("QUILLO_NULL_SERVICES");
  for (const PlatformService* service : {static_cast<const PlatformService*>(s.messages.get()),
                                         static_cast<const PlatformService*>(s.shell.get()),
                                         static_cast<const PlatformService*>(s.sound.get()),
                                         static_cast<const PlatformService*>(s.files.get()),
                                         static_cast<const PlatformService*>(s.printers.get()),
                                         static_cast<const PlatformService*>(s.codecs.get()),
                                         static_cast<const PlatformService*>(s.scanner.get()),
                                         static_cast<const PlatformService*>(s.clipboard.get()),
                                         static_cast<const PlatformService*>(s.faces.get())}) {
    EXPECT_FALSE(service->Available());
    EXPECT_EQ(service->WhyUnavailable(), "Turned off for this run");
  }
}

}  // namespace
}  // namespace quillo

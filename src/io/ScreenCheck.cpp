#include "ScreenCheck.h"

#include <QGuiApplication>

namespace quillo {

std::string WhyNoScreen() {
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    return "No window system in this run";
  const QString platform = QGuiApplication::platformName();
  if (platform == "offscreen" || platform == "minimal")
    return "No screen: windows are drawn off-screen (" + platform.toStdString() + ")";
  return {};
}

}  // namespace quillo

#pragma once
// The data folder the widget benchmarks read: the build folder's, unless
// QUILLO_DATA_FOLDER names another one. With a trailing separator.
#include <QByteArray>
#include <QtGlobal>
#include <string>

#include "io/core/Folders.h"

namespace quillo {

inline std::string BenchDataFolder() {
  const QByteArray chosen = qgetenv("QUILLO_DATA_FOLDER");
  return WithTrailingSeparator(chosen.isEmpty() ? std::string(QUILLO_BUILD_DIR)
                                                : chosen.toStdString());
}

}  // namespace quillo

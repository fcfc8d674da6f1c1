#pragma once
// Runs the real quillo binary as a user would from a terminal without any
// display, and collects what it said.
#include <QString>
#include <QStringList>

namespace quillo::testing {

struct Outcome {
  int exitCode = -1;  // -1 when the program crashed or hung
  QString out;
  QString err;
};

Outcome RunQuillo(const QStringList& args);

}  // namespace quillo::testing

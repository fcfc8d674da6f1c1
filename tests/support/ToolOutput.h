#pragma once
// Runs an outside tool (ffprobe, pdftoppm, ...) to check a file independently
// and gives what it printed; a tool that fails or hangs fails the test.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QProcess>
#include <QStringList>

namespace quillo::testing {

inline QByteArray ToolOutput(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  EXPECT_TRUE(p.waitForFinished(60000)) << program.toStdString();
  EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
  return p.readAllStandardOutput();
}

}  // namespace quillo::testing

// The morphs the build puts into the data folder.
#include <gtest/gtest.h>
#include <QDir>

#include "base/FileBytes.h"
#include "effects/TMorphForm.h"
#include "effects/core/MorphFile.h"
#include "io/core/DataFiles.h"
#include "io/core/Folders.h"
#include "support/RecordingServices.h"

namespace quillo {
namespace {

void ExpectHandMadeMorph(const std::string& path) {
  SCOPED_TRACE(path);
  const MorphModel m = ReadMorphFile(path);
  EXPECT_GE(m.LineCount(), 12);
  EXPECT_LE(m.LineCount(), 20);
  for (int i = 0; i < m.LineCount(); ++i) EXPECT_TRUE(IsUsable(m.Lines()[i])) << "line " << i;
  EXPECT_EQ(ReadFileBytes(path).size(), 168312u + 96u * m.LineCount());
  EXPECT_NE(m.SourceBitmap1(), m.SourceBitmap2());
}

TEST(MorphData, StartMorphLoadsWithoutErrorAndHasHandPlacedLines) {
  const std::string path = ResolveIn(QUILLO_BUILD_DIR "/", kStartMorphFile);
  ExpectHandMadeMorph(path);
  testing::RecordingMessageBoxes messages;
  TMorphForm form(messages);
  form.LoadStartMorph(path);
  EXPECT_TRUE(messages.errors.isEmpty());
}

TEST(MorphData, ClipArtFolderHoldsFurtherMorphs) {
  const QStringList files =
      QDir(QString::fromStdString(ResolveIn(QUILLO_BUILD_DIR "/", kClipartFolder)))
          .entryList({"*.mph"}, QDir::Files, QDir::Name);
  EXPECT_GE(files.size(), 2);
  for (const QString& f : files)
    ExpectHandMadeMorph(QUILLO_BUILD_DIR "/Clipart/" + f.toStdString());
}

}  // namespace
}  // namespace quillo

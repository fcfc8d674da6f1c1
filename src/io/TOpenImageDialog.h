#pragma once
// The picture open dialog: the toolkit's own (not the desktop's) file dialog
// with a preview panel on its right, which shows the chosen file's picture
// and its size as "(width,height)".
#include <QFileDialog>

#include "base/Bitmap.h"

class QFrame;
class QLabel;
class QPainter;

namespace quillo {

class TPaintBox;

class TOpenImageDialog : public QFileDialog {
  Q_OBJECT
 public:
  explicit TOpenImageDialog(QWidget* parent = nullptr);

  // The picture of the current file; empty for a folder, an unknown
  // extension or a file that cannot be read.
  Bitmap PreviewPicture;

  QWidget* PicturePanel = nullptr;
  QLabel* PictureLabel = nullptr;  // the picture's size
  QFrame* PaintPanel = nullptr;    // the sunken frame round PaintBox
  TPaintBox* PaintBox = nullptr;

  // The current file changed: loads its preview and shows its size.
  void SelectionChange(const QString& path);

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void PaintBoxPaint(QWidget* sender, QPainter& canvas);
  void ShowPreview(Bitmap picture);
};

}  // namespace quillo

#include "QuilloApplication.h"

#include <QThread>
#include <cstdio>
#include <exception>

#include "TMyHintWindow.h"
#include "io/MessageBoxes.h"
#include "skin/PaletteColors.h"
#include "skin/core/SystemColors.h"

namespace quillo {

QuilloApplication::QuilloApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName("Quillo");
  setApplicationDisplayName("Quillo");
  setOrganizationName("Tessaray");
  // Ties the windows to the installed desktop entry (its icon and name).
  setDesktopFileName(QUILLO_APP_ID);
  UsePaletteForSystemColors();
  hintWindow_ = std::make_unique<TMyHintWindow>();
  hintWindow_->Install();
  previousSink_ = SetErrorSink(
      [this](const std::string& message) { ShowError(QString::fromStdString(message)); });
}

QuilloApplication::~QuilloApplication() {
  hintWindow_.reset();
  SetSystemColorResolver(nullptr);
  SetErrorSink(std::move(previousSink_));
}

void QuilloApplication::ShowError(const QString& text) {
  if (QThread::currentThread() != thread()) {
    QMetaObject::invokeMethod(
        this, [this, text] { ShowError(text); }, Qt::QueuedConnection);
    return;
  }
  if (boxes_)
    boxes_->ShowError(text);
  else
    std::fprintf(stderr, "quillo: %s\n", qPrintable(text));
}

bool QuilloApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    ShowError(QString::fromUtf8(e.what()));
  }
  return false;
}

}  // namespace quillo

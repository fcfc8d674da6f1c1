#include "ModalWindow.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>

#include "ConnectHandler.h"

namespace quillo {

ModalWindow::ModalWindow(QWidget* parent) : QWidget(parent) {
  setWindowFlags(Qt::FramelessWindowHint | Qt::Dialog);
  setWindowModality(Qt::ApplicationModal);
}

int ModalWindow::ShowModal() {
  if (loop_) return kModalCancel;  // already up
  result_ = kModalCancel;
  QEventLoop loop;
  loop_ = &loop;
  show();
  activateWindow();
  if (OnShowModal) PostHandler(this, [this] { OnShowModal(this); });
  loop.exec();
  loop_ = nullptr;
  hide();
  return result_;
}

void ModalWindow::EndModal(int result) {
  result_ = result;
  if (loop_) loop_->quit();
}

void ModalWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    EndModal(kModalCancel);
    return;
  }
  QWidget::keyPressEvent(event);
}

void ModalWindow::closeEvent(QCloseEvent* event) {
  // Closing by the window system is a Cancel.
  if (loop_) EndModal(kModalCancel);
  QWidget::closeEvent(event);
}

}  // namespace quillo

#pragma once
// A frameless window shown modally: ShowModal shows it application-modal and
// returns when EndModal has been called (1 for OK, 2 for Cancel), running the
// event loop meanwhile. Escape ends it with Cancel.
#include <QWidget>
#include <functional>

class QEventLoop;

namespace quillo {

constexpr int kModalOk = 1;
constexpr int kModalCancel = 2;

class ModalWindow : public QWidget {
 public:
  explicit ModalWindow(QWidget* parent = nullptr);

  int ShowModal();
  void EndModal(int result);
  bool InModal() const { return loop_ != nullptr; }

  // Called once the window is up and its loop runs (through RunHandler);
  // tests use it to act on the window while it is up.
  std::function<void(ModalWindow*)> OnShowModal;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QEventLoop* loop_ = nullptr;
  int result_ = 0;
};

}  // namespace quillo

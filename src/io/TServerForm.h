#pragma once
// The mail server settings dialog: shows the stored SMTP server and port,
// proposes what the user's mail programs use when either is missing, and
// stores what the user confirms (QSettings "Tessaray"/"Quillo", values
// SMTPname and SMTPport). No screen opens it; it waits for a mail output.
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace quillo {

class TServerForm : public QDialog {
  Q_OBJECT
 public:
  TServerForm();

  QLineEdit* ServerEdit = nullptr;
  QLineEdit* PortEdit = nullptr;
  QPushButton* OkButton = nullptr;
  QPushButton* CancelButton = nullptr;

  void FormShow();
  void OkButtonClick();

  // Cancel and Escape end the dialog with 2, OK with 1.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace quillo

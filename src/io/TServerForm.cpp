#include "TServerForm.h"

#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QShowEvent>

#include "base/Handler.h"
#include "core/MailerParams.h"
#include "skin/ConnectHandler.h"
#include "skin/ModalWindow.h"

namespace quillo {

namespace {

QSettings MailSettings() {
  return QSettings("Tessaray", "Quillo");
}

}  // namespace

TServerForm::TServerForm() {
  setObjectName("ServerForm");
  setWindowTitle("Mail Server Parameters");
  auto* explanation = new QLabel(
      "Please setup or validate following parameters. If you aren't sure, consult your Network "
      "Administrator or Internet Provider",
      this);
  explanation->setWordWrap(true);
  ServerEdit = new QLineEdit(this);
  ServerEdit->setObjectName("ServerEdit");
  PortEdit = new QLineEdit("25", this);
  PortEdit->setObjectName("PortEdit");
  OkButton = new QPushButton("OK", this);
  OkButton->setDefault(true);
  CancelButton = new QPushButton("Cancel", this);
  auto* layout = new QGridLayout(this);
  layout->addWidget(explanation, 0, 0, 1, 3);
  layout->addWidget(new QLabel("SMTP server", this), 1, 0);
  layout->addWidget(ServerEdit, 1, 1, 1, 2);
  layout->addWidget(new QLabel("SMTP port", this), 2, 0);
  layout->addWidget(PortEdit, 2, 1);
  layout->addWidget(OkButton, 3, 1);
  layout->addWidget(CancelButton, 3, 2);
  ConnectHandler(OkButton, &QPushButton::clicked, this, [this] { OkButtonClick(); });
  ConnectHandler(CancelButton, &QPushButton::clicked, this, [this] { reject(); });
  setFixedSize(360, 170);
}

void TServerForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) RunHandler([this] { FormShow(); });
}

void TServerForm::FormShow() {
  // The stored values, when the settings exist at all (they are not created here).
  const QSettings settings = MailSettings();
  if (QFile::exists(settings.fileName())) {
    ServerEdit->setText(settings.value("SMTPname").toString());
    PortEdit->setText(settings.value("SMTPport").toString());
  }
  if (ServerEdit->text().isEmpty() || PortEdit->text().isEmpty()) {
    std::string name, address, server;
    std::int32_t port = kDefaultSmtpPort;
    GetMailerParams(name, address, server, port);
    ServerEdit->setText(QString::fromStdString(server));
    PortEdit->setText(QString::number(port));
  }
}

void TServerForm::OkButtonClick() {
  // Stored as typed; a settings file that cannot be written stores nothing and
  // the dialog closes all the same.
  QSettings settings = MailSettings();
  settings.setValue("SMTPname", ServerEdit->text());
  settings.setValue("SMTPport", PortEdit->text());
  settings.sync();
  done(kModalOk);
}

void TServerForm::reject() {
  done(kModalCancel);
}

}  // namespace quillo

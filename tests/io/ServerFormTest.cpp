#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "io/TServerForm.h"
#include "skin/ModalWindow.h"
#include "support/ScopedEnv.h"

namespace quillo {
namespace {

// A fake home with a Claws Mail account, and a settings folder of the test's own.
class ServerForm : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QDir(home_.path()).mkpath(".claws-mail"));
    QFile rc(home_.path() + "/.claws-mail/accountrc");
    ASSERT_TRUE(rc.open(QIODevice::WriteOnly));
    rc.write(
        "[Account: 1]\nname=Me\nsmtp_server=smtp.proposed.example\n"
        "set_smtpport=1\nsmtp_port=587\n");
    rc.close();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config_.path());
  }
  static QSettings Stored() { return QSettings("Tessaray", "Quillo"); }

  QTemporaryDir home_;
  QTemporaryDir config_;
  testing::ScopedEnv homeEnv_{"HOME", home_.path().toUtf8()};
};

TEST_F(ServerForm, ProposesWithoutStoredSettingsAndStoresWhatOkConfirms) {
  TServerForm form;
  EXPECT_EQ(form.windowTitle(), "Mail Server Parameters");
  EXPECT_EQ(form.PortEdit->text(), "25");
  form.show();
  EXPECT_EQ(form.ServerEdit->text(), "smtp.proposed.example");
  EXPECT_EQ(form.PortEdit->text(), "587");
  EXPECT_FALSE(QFile::exists(Stored().fileName()));  // showing creates nothing

  form.ServerEdit->setText("mine.example");
  form.PortEdit->setText("not a number");  // stored as typed
  form.OkButton->click();
  EXPECT_EQ(form.result(), kModalOk);
  EXPECT_EQ(Stored().value("SMTPname").toString(), "mine.example");
  EXPECT_EQ(Stored().value("SMTPport").toString(), "not a number");

  // Shown again, the stored values stand; Cancel stores nothing.
  form.show();
  EXPECT_EQ(form.ServerEdit->text(), "mine.example");
  form.ServerEdit->setText("other.example");
  QTest::keyClick(&form, Qt::Key_Escape);
  EXPECT_EQ(form.result(), kModalCancel);
  EXPECT_EQ(Stored().value("SMTPname").toString(), "mine.example");
}

TEST_F(ServerForm, AStoredServerWithAnEmptyPortIsReplacedByTheProposal) {
  {
    QSettings settings = Stored();
    settings.setValue("SMTPname", "stored.example");
    settings.setValue("SMTPport", "");
  }
  TServerForm form;
  form.show();
  EXPECT_EQ(form.ServerEdit->text(), "smtp.proposed.example");
  EXPECT_EQ(form.PortEdit->text(), "587");
}

}  // namespace
}  // namespace quillo

#include "io/core/MailerParams.h"

#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>

#include "support/ScratchFolder.h"

namespace quillo {
namespace {

namespace fs = std::filesystem;

// A home folder of its own per test, with the mail programs' files put in.
class MailerSources : public ::testing::Test {
 protected:
  void Put(const std::string& relative, const std::string& text) {
    const fs::path path = home_.Path() / relative;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
  }
  MailerParams Params() const { return GetMailerParams(home_.Path().string()); }

  // Thunderbird with two servers and two accounts; the default account's
  // identity names the second server.
  void PutThunderbird() {
    Put(".thunderbird/profiles.ini",
        "[Profile1]\nName=old\nIsRelative=1\nPath=old.profile\n\n"
        "[Install4F96D1932A9F858E]\nDefault=ab12cd.default-release\nLocked=1\n\n"
        "[Profile0]\nName=default-release\nIsRelative=1\nPath=ab12cd.default-release\n");
    Put(".thunderbird/ab12cd.default-release/prefs.js",
        "// Mozilla User Preferences\n\n"
        "user_pref(\"mail.account.account1.identities\", \"id1\");\n"
        "user_pref(\"mail.account.account2.identities\", \"id2,id3\");\n"
        "user_pref(\"mail.accountmanager.defaultaccount\", \"account2\");\n"
        "user_pref(\"mail.identity.id1.useremail\", \"old@example.org\");\n"
        "user_pref(\"mail.identity.id2.fullName\", \"Jane \\\"JD\\\" Doe\");\n"
        "user_pref(\"mail.identity.id2.smtpServer\", \"smtp2\");\n"
        "user_pref(\"mail.identity.id2.useremail\", \"jane@example.org\");\n"
        "user_pref(\"mail.smtp.defaultserver\", \"smtp1\");\n"
        "user_pref(\"mail.smtpserver.smtp1.hostname\", \"smtp.old.example\");\n"
        "user_pref(\"mail.smtpserver.smtp2.hostname\", \"mail.example.org\");\n"
        "user_pref(\"mail.smtpserver.smtp2.port\", 587);\n"
        "user_pref(\"mail.smtpservers\", \"smtp1,smtp2\");\n");
  }
  void PutClaws() {
    Put(".claws-mail/accountrc",
        "[Account: 1]\naccount_name=work\nis_default=0\nname=Work Me\naddress=me@work.example\n"
        "smtp_server=smtp.work.example\nset_smtpport=1\nsmtp_port=2525\n\n"
        "[Account: 2]\naccount_name=home\nis_default=1\nname=Home Me\naddress=me@home.example\n"
        "smtp_server=smtp.home.example\nset_smtpport=0\nsmtp_port=465\n");
  }

  testing::ScratchFolder home_;
};

TEST(MailerServerText, HostColonPortSplitsLikeTheBrowserEntry) {
  std::string server;
  std::int32_t port = 0;
  SplitServerPort("smtp.example.org:2525", server, port);
  EXPECT_EQ(server, "smtp.example.org");
  EXPECT_EQ(port, 2525);
  SplitServerPort("smtp.example.org:mail", server, port);
  EXPECT_EQ(server, "smtp.example.org");
  EXPECT_EQ(port, 25);
  SplitServerPort("h:1234567", server, port);  // only five characters count
  EXPECT_EQ(port, 12345);
  SplitServerPort("plain.example", server, port);
  EXPECT_EQ(server, "plain.example");
  EXPECT_EQ(port, 25);
}

TEST_F(MailerSources, NothingConfiguredGivesEmptyTextsAndPort25) {
  Put(".thunderbird/profiles.ini", "[Profile0]\nPath=missing\n");
  Put(".claws-mail/accountrc", "garbage\x01\x02\n[Account: 1\n");
  const MailerParams params = Params();
  EXPECT_EQ(params.name, "");
  EXPECT_EQ(params.address, "");
  EXPECT_EQ(params.server, "");
  EXPECT_EQ(params.port, 25);
}

TEST_F(MailerSources, ThunderbirdsDefaultAccountWinsAndLaterProgramsAreNotRead) {
  PutThunderbird();
  PutClaws();
  const MailerParams params = Params();
  EXPECT_EQ(params.name, "Jane \"JD\" Doe");
  EXPECT_EQ(params.address, "jane@example.org");
  EXPECT_EQ(params.server, "mail.example.org");
  EXPECT_EQ(params.port, 587);
}

TEST_F(MailerSources, EvolutionIdentityWithItsSmtpTransport) {
  Put(".config/evolution/sources/1a.source",  // disabled: skipped
      "[Data Source]\nDisplayName=old\nEnabled=false\n\n[Mail Identity]\nAddress=x@old\n\n"
      "[Mail Submission]\nTransportUid=t1\n");
  Put(".config/evolution/sources/2b.source",
      "[Data Source]\nDisplayName=me@example.net\nEnabled=true\nParent=\n\n"
      "[Mail Identity]\nAddress=me@example.net\nName=Sam Example\nReplyTo=\n\n"
      "[Mail Submission]\nSentFolder=folder://local/Sent\nTransportUid=t2\n");
  Put(".config/evolution/sources/t1.source",
      "[Mail Transport]\nBackendName=smtp\n\n[Authentication]\nHost=smtp.old\nPort=25\n");
  Put(".config/evolution/sources/t2.source",
      "[Data Source]\nDisplayName=me@example.net\nEnabled=true\n\n"
      "[Mail Transport]\nBackendName=smtp\n\n"
      "[Authentication]\nHost=smtp.example.net\nMethod=PLAIN\nPort=465\nUser=me\n");
  PutClaws();
  const MailerParams params = Params();
  EXPECT_EQ(params.name, "Sam Example");
  EXPECT_EQ(params.address, "me@example.net");
  EXPECT_EQ(params.server, "smtp.example.net");
  EXPECT_EQ(params.port, 465);
}

TEST_F(MailerSources, ClawsMailDefaultAccountAndItsPortOnlyWhenSet) {
  PutClaws();
  MailerParams params = Params();
  EXPECT_EQ(params.name, "Home Me");
  EXPECT_EQ(params.address, "me@home.example");
  EXPECT_EQ(params.server, "smtp.home.example");
  EXPECT_EQ(params.port, 25);  // set_smtpport=0
}

TEST_F(MailerSources, MsmtpDefaultAccountInheritsAndAHostPortSplits) {
  Put(".msmtprc",
      "# msmtp configuration\ndefaults\nauth on\ntls on\nport 587\n\n"
      "account personal\nhost smtp.personal.example\nfrom me@personal.example\n\n"
      "account work\nhost relay.work.example:2525\nfrom me@work.example\nport\n\n"
      "account default : work\n");
  const MailerParams params = Params();
  EXPECT_EQ(params.name, "");
  EXPECT_EQ(params.address, "me@work.example");
  EXPECT_EQ(params.server, "relay.work.example");
  EXPECT_EQ(params.port, 2525);
}

TEST_F(MailerSources, AnEarlierProgramWithoutAServerLeavesTheNextOneToTry) {
  // Thunderbird has an identity but no server: Claws Mail's account is taken,
  // and nothing of Thunderbird's identity remains.
  Put(".thunderbird/profiles.ini", "[Profile0]\nIsRelative=1\nPath=p\nDefault=1\n");
  Put(".thunderbird/p/prefs.js",
      "user_pref(\"mail.accountmanager.defaultaccount\", \"account1\");\n"
      "user_pref(\"mail.account.account1.identities\", \"id1\");\n"
      "user_pref(\"mail.identity.id1.fullName\", \"Nobody\");\n");
  PutClaws();
  const MailerParams params = Params();
  EXPECT_EQ(params.name, "Home Me");
  EXPECT_EQ(params.server, "smtp.home.example");
}

}  // namespace
}  // namespace quillo

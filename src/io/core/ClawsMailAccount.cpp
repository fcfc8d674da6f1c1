// Claws Mail keeps its accounts in ~/.claws-mail/accountrc, one section per
// account ("[Account: 1]") with name=, address=, smtp_server=, and
// smtp_port= which counts only when set_smtpport=1.
#include "KeyFile.h"
#include "MailerParams.h"

namespace quillo {

MailerParams ClawsMailAccount(const std::string& home) {
  const KeyFile rc = ParseKeyFile(ReadSettingsText(home + "/.claws-mail/accountrc"));
  // The default account, else the first.
  const KeyFileSection* account = nullptr;
  for (const KeyFileSection& s : rc.sections) {
    if (!s.name.starts_with("Account:")) continue;
    if (account == nullptr) account = &s;
    if (s.Get("is_default") == "1") {
      account = &s;
      break;
    }
  }
  MailerParams params;
  if (account == nullptr) return params;
  params.name = account->Get("name").value_or("");
  params.address = account->Get("address").value_or("");
  params.server = account->Get("smtp_server").value_or("");
  if (account->Get("set_smtpport") == "1")
    params.port = PortOrDefault(account->Get("smtp_port").value_or(""));
  return params;
}

}  // namespace quillo

// msmtp reads ~/.msmtprc (or ~/.config/msmtp/config): "defaults" settings
// for every later account, "account NAME [: PARENT, ...]" sections, and
// "account default : NAME" to choose one. msmtp keeps no person's name.
#include <deque>
#include <map>

#include "KeyFile.h"
#include "MailerParams.h"
#include "base/Text.h"

namespace quillo {

namespace {

using Settings = std::map<std::string, std::string, std::less<>>;

struct Account {
  std::string name;
  Settings settings;
};

// Each line is a command and its argument; "#" starts a comment. A deque, so
// that the settings being filled stay put while accounts are added.
std::deque<Account> ReadAccounts(const std::string& text) {
  std::deque<Account> accounts;
  Settings defaults;
  Settings* current = &defaults;
  for (std::string_view line : SplitLines(text)) {
    line = TrimBlanks(line);
    if (line.empty() || line.front() == '#') continue;
    const auto space = line.find_first_of(" \t");
    const std::string command(line.substr(0, space));
    const std::string argument(space == std::string_view::npos ? std::string_view{}
                                                               : TrimBlanks(line.substr(space)));
    if (command == "defaults") {
      current = &defaults;
    } else if (command == "account") {
      // "account NAME : A, B" starts from the defaults, then A's and B's settings.
      Account account{std::string(TrimBlanks(argument.substr(0, argument.find(':')))), defaults};
      if (const auto colon = argument.find(':'); colon != std::string::npos) {
        std::string_view parents = std::string_view(argument).substr(colon + 1);
        while (!parents.empty()) {
          const auto comma = parents.find(',');
          const std::string_view parent = TrimBlanks(parents.substr(0, comma));
          for (const Account& a : accounts)
            if (a.name == parent)
              for (const auto& [k, v] : a.settings) account.settings[k] = v;
          parents =
              comma == std::string_view::npos ? std::string_view{} : parents.substr(comma + 1);
        }
      }
      accounts.push_back(std::move(account));
      current = &accounts.back().settings;
    } else {
      (*current)[command] = argument;
    }
  }
  return accounts;
}

std::string Setting(const Settings& settings, std::string_view key) {
  const auto it = settings.find(key);
  return it == settings.end() ? std::string{} : it->second;
}

}  // namespace

MailerParams MsmtpAccount(const std::string& home) {
  std::string text = ReadSettingsText(home + "/.msmtprc");
  if (text.empty()) text = ReadSettingsText(home + "/.config/msmtp/config");
  const std::deque<Account> accounts = ReadAccounts(text);
  MailerParams params;
  if (accounts.empty()) return params;
  // The account named "default", else the first.
  const Account* chosen = &accounts.front();
  for (const Account& a : accounts)
    if (a.name == "default") chosen = &a;
  params.address = Setting(chosen->settings, "from");
  SplitServerPort(Setting(chosen->settings, "host"), params.server, params.port);
  if (const std::string port = Setting(chosen->settings, "port"); !port.empty())
    params.port = PortOrDefault(port);
  return params;
}

}  // namespace quillo

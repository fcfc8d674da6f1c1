// Thunderbird keeps its accounts in the prefs.js of the default profile:
//   user_pref("mail.accountmanager.defaultaccount", "account1");
//   user_pref("mail.account.account1.identities", "id1");
//   user_pref("mail.identity.id1.fullName", "Jane Doe");
//   user_pref("mail.smtpserver.smtp1.hostname", "smtp.example.org");
#include <map>

#include "KeyFile.h"
#include "MailerParams.h"
#include "base/Text.h"

namespace quillo {

namespace {

using Prefs = std::map<std::string, std::string, std::less<>>;

// The profile folder: the one an [Install...] section names as its default,
// else the profile marked Default=1, else the first profile.
std::string DefaultProfile(const std::string& root) {
  const KeyFile ini = ParseKeyFile(ReadSettingsText(root + "/profiles.ini"));
  for (const KeyFileSection& s : ini.sections)
    if (s.name.starts_with("Install"))
      if (auto path = s.Get("Default"); path && !path->empty())
        return path->front() == '/' ? *path : root + "/" + *path;
  const KeyFileSection* chosen = nullptr;
  for (const KeyFileSection& s : ini.sections) {
    if (!s.name.starts_with("Profile") || !s.Get("Path")) continue;
    if (chosen == nullptr || s.Get("Default") == "1") chosen = &s;
    if (s.Get("Default") == "1") break;
  }
  if (chosen == nullptr) return {};
  const std::string path = *chosen->Get("Path");
  return chosen->Get("IsRelative") == "0" ? path : root + "/" + path;
}

// A JavaScript string literal's contents with its escapes resolved.
std::string Unquote(std::string_view literal) {
  std::string text;
  for (std::size_t i = 1; i + 1 < literal.size(); ++i) {
    if (literal[i] == '\\' && i + 2 < literal.size()) ++i;
    text += literal[i];
  }
  return text;
}

// Every user_pref("key", value); line; string values unquoted, numbers and
// booleans as written.
Prefs ReadPrefs(const std::string& path) {
  Prefs prefs;
  const std::string text = ReadSettingsText(path);
  for (std::string_view line : SplitLines(text)) {
    line = TrimBlanks(line);
    constexpr std::string_view kStart = "user_pref(";
    if (!line.starts_with(kStart) || !line.ends_with(");")) continue;
    line = line.substr(kStart.size(), line.size() - kStart.size() - 2);
    // The key is a plain quoted name; the value is everything after its comma.
    const auto keyEnd = line.find('"', 1);
    if (line.empty() || line.front() != '"' || keyEnd == std::string_view::npos) continue;
    const std::string_view key = line.substr(1, keyEnd - 1);
    std::string_view value = line.substr(keyEnd + 1);
    if (!value.starts_with(',')) continue;
    value = TrimBlanks(value.substr(1));
    const bool quoted = value.size() >= 2 && value.front() == '"' && value.back() == '"';
    prefs.emplace(std::string(key), quoted ? Unquote(value) : std::string(value));
  }
  return prefs;
}

std::string Pref(const Prefs& prefs, const std::string& key) {
  const auto it = prefs.find(key);
  return it == prefs.end() ? std::string{} : it->second;
}

std::string FirstOfList(const std::string& list) {
  return list.substr(0, list.find(','));
}

}  // namespace

MailerParams ThunderbirdAccount(const std::string& home) {
  MailerParams params;
  const std::string profile = DefaultProfile(home + "/.thunderbird");
  if (profile.empty()) return params;
  const Prefs prefs = ReadPrefs(profile + "/prefs.js");
  const std::string account = Pref(prefs, "mail.accountmanager.defaultaccount");
  const std::string identity = FirstOfList(Pref(prefs, "mail.account." + account + ".identities"));
  if (!identity.empty()) {
    params.name = Pref(prefs, "mail.identity." + identity + ".fullName");
    params.address = Pref(prefs, "mail.identity." + identity + ".useremail");
  }
  // The identity's own server, else the default server, else the first one.
  std::string server =
      identity.empty() ? "" : Pref(prefs, "mail.identity." + identity + ".smtpServer");
  if (server.empty()) server = Pref(prefs, "mail.smtp.defaultserver");
  if (server.empty()) server = FirstOfList(Pref(prefs, "mail.smtpservers"));
  if (server.empty()) return params;
  params.server = Pref(prefs, "mail.smtpserver." + server + ".hostname");
  // Thunderbird writes 0 for "the protocol's default port".
  params.port = PortOrDefault(Pref(prefs, "mail.smtpserver." + server + ".port"));
  if (params.port == 0) params.port = kDefaultSmtpPort;
  return params;
}

}  // namespace quillo

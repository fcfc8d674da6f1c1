#include "MailerParams.h"

#include <cstdlib>

namespace quillo {

std::int32_t PortOrDefault(std::string_view text) {
  if (text.empty() || text.size() > 9) return kDefaultSmtpPort;
  std::int32_t port = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return kDefaultSmtpPort;
    port = port * 10 + (c - '0');
  }
  return port;
}

void SplitServerPort(const std::string& text, std::string& server, std::int32_t& port) {
  const auto colon = text.find(':');
  if (colon == std::string::npos) {
    server = text;
    port = kDefaultSmtpPort;
    return;
  }
  server = text.substr(0, colon);
  port = PortOrDefault(std::string_view(text).substr(colon + 1, 5));
}

MailerParams GetMailerParams(const std::string& home) {
  using Source = MailerParams (*)(const std::string&);
  constexpr Source kSources[] = {ThunderbirdAccount, EvolutionAccount, ClawsMailAccount,
                                 MsmtpAccount};
  MailerParams params;
  for (Source source : kSources) {
    if (!params.server.empty()) break;
    params = source(home);
  }
  return params;
}

void GetMailerParams(std::string& name, std::string& address, std::string& server,
                     std::int32_t& port) {
  const char* home = std::getenv("HOME");
  MailerParams params = home != nullptr && *home != '\0' ? GetMailerParams(home) : MailerParams{};
  name = std::move(params.name);
  address = std::move(params.address);
  server = std::move(params.server);
  port = params.port;
}

}  // namespace quillo

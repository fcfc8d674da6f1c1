#pragma once
// Proposes an outgoing mail server by looking at the accounts of the mail
// programs the user has set up: Thunderbird, Evolution, Claws Mail and msmtp,
// in that order, each tried only while no server has been found.
#include <cstdint>
#include <string>
#include <string_view>

namespace quillo {

constexpr std::int32_t kDefaultSmtpPort = 25;

struct MailerParams {
  std::string name;
  std::string address;
  std::string server;
  std::int32_t port = kDefaultSmtpPort;
};

// Reads the mail programs' settings below the home folder. Missing or damaged
// files give empty texts and port 25; nothing is reported.
MailerParams GetMailerParams(const std::string& home);

// The same for the user's home folder ($HOME), as four outputs.
void GetMailerParams(std::string& name, std::string& address, std::string& server,
                     std::int32_t& port);

// "host:port": the server is the text before the first ":", the port the
// number in the up to 5 characters after it (25 when they are not a number).
// Text without ":" is all server, port 25.
void SplitServerPort(const std::string& text, std::string& server, std::int32_t& port);

// A port given as text: its decimal value, or 25 when it is not a number.
std::int32_t PortOrDefault(std::string_view text);

// The sources, each giving what it found (empty texts where nothing).
MailerParams ThunderbirdAccount(const std::string& home);
MailerParams EvolutionAccount(const std::string& home);
MailerParams ClawsMailAccount(const std::string& home);
MailerParams MsmtpAccount(const std::string& home);

}  // namespace quillo

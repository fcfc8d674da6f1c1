// Evolution keeps one key file per source in ~/.config/evolution/sources,
// named by the source's id: a mail identity
//   [Mail Identity]   Address=... Name=...
//   [Mail Submission] TransportUid=<id of the transport source>
// and its transport
//   [Mail Transport]  BackendName=smtp
//   [Authentication]  Host=... Port=...
#include <algorithm>
#include <filesystem>

#include "KeyFile.h"
#include "MailerParams.h"

namespace quillo {

namespace {

bool Enabled(const KeyFile& source) {
  return source.Value("Data Source", "Enabled") != "false";
}

}  // namespace

MailerParams EvolutionAccount(const std::string& home) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::path(home) / ".config/evolution/sources";
  std::vector<fs::path> files;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
    if (it->path().extension() == ".source") files.push_back(it->path());
  // Directory order is arbitrary; file names (the ids) give a stable choice.
  std::sort(files.begin(), files.end());

  MailerParams params;
  for (const fs::path& file : files) {
    const KeyFile identity = ParseKeyFile(ReadSettingsText(file.string()));
    if (identity.Find("Mail Identity") == nullptr || !Enabled(identity)) continue;
    const std::string transportId = identity.Value("Mail Submission", "TransportUid");
    if (transportId.empty() || transportId.find('/') != std::string::npos) continue;
    const KeyFile transport =
        ParseKeyFile(ReadSettingsText((folder / (transportId + ".source")).string()));
    if (transport.Value("Mail Transport", "BackendName") != "smtp") continue;
    params.name = identity.Value("Mail Identity", "Name");
    params.address = identity.Value("Mail Identity", "Address");
    params.server = transport.Value("Authentication", "Host");
    params.port = PortOrDefault(transport.Value("Authentication", "Port"));
    if (params.port == 0) params.port = kDefaultSmtpPort;
    if (!params.server.empty()) break;
  }
  return params;
}

}  // namespace quillo

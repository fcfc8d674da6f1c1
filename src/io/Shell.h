#pragma once
// The desktop's "open" verb as a platform service: internet addresses and
// written files are handed to the user's preferred program.
#include <QList>
#include <QUrl>

namespace quillo {

class Shell {
 public:
  virtual ~Shell() = default;
  virtual void Open(const QUrl& url) = 0;
};

class QtShell final : public Shell {
 public:
  void Open(const QUrl& url) override;
};

// Records what would have been opened.
class NullShell final : public Shell {
 public:
  void Open(const QUrl& url) override { opened << url; }
  QList<QUrl> opened;
};

}  // namespace quillo

#pragma once
// Sets an environment variable for the life of the object.
#include <QByteArray>
#include <QtGlobal>

namespace quillo::testing {

class ScopedEnv {
 public:
  ScopedEnv(const char* name, const QByteArray& value) : name_(name), old_(qgetenv(name)) {
    qputenv(name, value);
  }
  ~ScopedEnv() { qputenv(name_, old_); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  QByteArray old_;
};

}  // namespace quillo::testing

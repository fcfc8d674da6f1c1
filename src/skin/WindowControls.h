#pragma once
// Creates a window's controls from its layout description: each of the
// right kind, on its parent, at its place, with its cell descriptor bound to
// the named picture holder and the layout's properties set, in creation order.
#include <QWidget>
#include <map>
#include <string>
#include <string_view>

#include "base/Error.h"
#include "skin/core/SkinLayout.h"

namespace quillo {

class PictureHolder;

class WindowControls {
 public:
  // Creates every control of the layout below `client`; holders are looked up
  // by the names the layouts give their descriptors' Image.
  WindowControls(QWidget* client, const WindowLayout& layout,
                 const std::map<std::string_view, const PictureHolder*>& holders);

  // The control of that name as type T; throws quillo::Error when there is
  // none of that type.
  template <class T>
  T* Get(std::string_view name) const {
    const auto it = controls_.find(name);
    T* control = it == controls_.end() ? nullptr : qobject_cast<T*>(it->second);
    if (!control) throw Error("No control " + std::string(name) + " of that kind");
    return control;
  }

 private:
  std::map<std::string_view, QWidget*> controls_;
};

}  // namespace quillo

#pragma once
// The one registry of cell descriptors. Descriptors join it when they are
// made and leave it when they go, so it holds every live descriptor in order
// of construction. When a picture holder's picture changes, every descriptor
// bound to exactly that holder is told, first to last.
#include <vector>

namespace quillo {

class PictureHolder;
class TGraphicResource;

class TGraphicNotificator {
 public:
  static TGraphicNotificator& Instance();

  void Add(TGraphicResource* resource);
  void Remove(TGraphicResource* resource);
  void PictureChanged(const PictureHolder* holder);

  const std::vector<TGraphicResource*>& Resources() const { return resources_; }

 private:
  TGraphicNotificator() = default;
  std::vector<TGraphicResource*> resources_;
};

}  // namespace quillo

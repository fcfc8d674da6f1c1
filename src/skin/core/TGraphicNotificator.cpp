#include "TGraphicNotificator.h"

#include <algorithm>

#include "TGraphicResource.h"

namespace quillo {

TGraphicNotificator& TGraphicNotificator::Instance() {
  static TGraphicNotificator registry;
  return registry;
}

void TGraphicNotificator::Add(TGraphicResource* resource) {
  resources_.push_back(resource);
}

void TGraphicNotificator::Remove(TGraphicResource* resource) {
  const auto it = std::find(resources_.begin(), resources_.end(), resource);
  if (it != resources_.end()) resources_.erase(it);
}

void TGraphicNotificator::PictureChanged(const PictureHolder* holder) {
  // By index: a handler may destroy controls, which leave the list.
  for (std::size_t i = 0; i < resources_.size(); ++i) {
    TGraphicResource* r = resources_[i];
    if (r->Image() == holder) r->Changed();
  }
}

}  // namespace quillo

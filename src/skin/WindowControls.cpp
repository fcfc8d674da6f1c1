#include "WindowControls.h"

#include "TGraphicButton.h"
#include "TGraphicSlider.h"
#include "TNonRectPanel.h"
#include "TPaintBox.h"

namespace quillo {

namespace {

const PictureHolder* HolderOf(const ControlLayout& c,
                              const std::map<std::string_view, const PictureHolder*>& holders) {
  if (c.resource.image.empty()) return nullptr;
  const auto it = holders.find(c.resource.image);
  if (it == holders.end())
    throw Error("No picture holder " + std::string(c.resource.image) + " for " +
                std::string(c.name));
  return it->second;
}

QWidget* Create(const ControlLayout& c, QWidget* parent, const PictureHolder* holder) {
  switch (c.kind) {
    case ControlKind::GraphicButton:
    case ControlKind::GraphicSlider: {
      TGraphicButton* button = c.kind == ControlKind::GraphicSlider ? new TGraphicSlider(parent)
                                                                    : new TGraphicButton(parent);
      button->Resource.Load(c.resource, holder);
      button->SetTransparency(c.transparency);
      button->Tag = c.tag;
      if (auto* slider = qobject_cast<TGraphicSlider*>(button)) {
        slider->SetMax(c.max);
        slider->SetValue(c.value);
      }
      return button;
    }
    case ControlKind::NonRectPanel: {
      auto* panel = new TNonRectPanel(parent);
      panel->Resource.Load(c.resource, holder);
      panel->Tag = c.tag;
      return panel;
    }
    case ControlKind::PaintBox: {
      auto* box = new TPaintBox(parent);
      box->Tag = c.tag;
      return box;
    }
  }
  return nullptr;
}

}  // namespace

WindowControls::WindowControls(QWidget* client, const WindowLayout& layout,
                               const std::map<std::string_view, const PictureHolder*>& holders) {
  for (const ControlLayout& c : layout.controls) {
    QWidget* parent = client;
    if (!c.parent.empty()) {
      const auto it = controls_.find(c.parent);
      if (it == controls_.end())
        throw Error("The parent " + std::string(c.parent) + " of " + std::string(c.name) +
                    " comes later in the layout");
      parent = it->second;
    }
    const PictureHolder* holder = c.Skinned() ? HolderOf(c, holders) : nullptr;
    QWidget* control = Create(c, parent, holder);
    control->setObjectName(QString::fromUtf8(c.name.data(), static_cast<qsizetype>(c.name.size())));
    control->setGeometry(c.bounds.left, c.bounds.top, c.bounds.Width(), c.bounds.Height());
    if (c.handCursor) control->setCursor(Qt::PointingHandCursor);
    control->setVisible(c.visible);
    controls_[c.name] = control;
  }
}

}  // namespace quillo

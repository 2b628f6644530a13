#include "panels/FrameComponent.h"

#include <string>

#include "base/Errors.h"
#include "base/TextUtils.h"

namespace tgl {

std::string_view ComponentKindName(TComponentKind kind) {
  switch (kind) {
    case cmPageControl: return "PageControl";
    case cmTabSheet: return "TabSheet";
    case cmGroupBox: return "GroupBox";
    case cmLabel: return "Label";
    case cmCheckBox: return "CheckBox";
    case cmComboBox: return "ComboBox";
  }
  return "Unknown";
}

std::vector<int> ParentIndexes(const std::vector<TFrameComponent>& layout) {
  std::vector<int> parents;
  parents.reserve(layout.size());
  for (size_t index = 0; index < layout.size(); ++index) {
    const TFrameComponent& component = layout[index];
    int parent = -1;
    if (!component.Parent.empty()) {
      for (size_t earlier = 0; earlier < index; ++earlier)
        if (layout[earlier].Name == component.Parent) parent = static_cast<int>(earlier);
      if (parent < 0)
        throw EError(Format("TuningFrame: the parent \"%s\" of \"%s\" is not laid out before it",
                            {component.Parent, component.Name}));
    }
    parents.push_back(parent);
  }
  return parents;
}

}  // namespace tgl

#include "ui/ListViewControl.h"

#include "base/Errors.h"
#include "platform/Platform.h"

namespace tgl {

int TListViewControl::IndexOfData(const void* data) const {
  for (int index = 0; index < Count(); ++index)
    if (Data(index) == data) return index;
  return -1;
}

void TListViewControl::RaiseEvent(const std::function<void()>& event) {
  try {
    event();
  } catch (const EAbort&) {
  } catch (const std::exception& error) {
    Messages().ShowMessage(error.what(), TMessageKind::mkError);
  }
}

void TListViewControl::Changing2(int item, uint32_t oldState, uint32_t newState,
                                 TItemChange change, bool& allowChange) {
  if (OnChanging2) RaiseEvent([&] { OnChanging2(item, oldState, newState, change, allowChange); });
}

void TListViewControl::SelectItem(int item, bool selected) {
  if (OnSelectItem) RaiseEvent([&] { OnSelectItem(item, selected); });
}

int TListViewControl::GetImageIndex(int item) {
  int index = 0;
  if (OnGetImageIndex) RaiseEvent([&] { index = OnGetImageIndex(item); });
  return index;
}

}  // namespace tgl

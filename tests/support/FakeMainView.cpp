#include "support/FakeMainView.h"

namespace tgl::test {

void TFakeMainView::ShowForm() {
  if (FormVisible) return;
  FormVisible = true;
  if (OnFormShow) OnFormShow();
}

void TFakeMainView::ShowAboutBox() {
  ++AboutBoxesShown;
  if (WhileAboutBoxOpen) WhileAboutBoxOpen();
}

}  // namespace tgl::test

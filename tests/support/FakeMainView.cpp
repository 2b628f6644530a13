#include "support/FakeMainView.h"

#include "profiles/ProfileFile.h"

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

bool TFakeMainView::EditGameToImport(TGameProfile& profile) {
  TitlesToReplace.push_back(profile.Title);
  if (ImportTitles.empty()) return false;
  profile.Title = ImportTitles.front();
  ImportTitles.erase(ImportTitles.begin());
  return true;
}

}  // namespace tgl::test

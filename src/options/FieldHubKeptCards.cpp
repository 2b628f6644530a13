// The cards the option hub keeps for a return: their options, proxies and hidden frames.
#include <algorithm>

#include "config/ConfigFiles.h"
#include "options/FieldHub.h"
#include "panels/TuningFrame.h"

namespace tgl {

TFieldHub::TKeptCard::~TKeptCard() {
  Frame.reset();
  while (!Options.empty()) Options.pop_back();
}

void TFieldHub::LeaveCard() {
  if (FCardMade) {
    FFrame->SetShown(false);
    auto kept = std::make_unique<TKeptCard>();
    kept->Card = FCurrentCard;
    kept->Paths = std::move(FPaths);
    kept->FrameName = std::move(FFrameName);
    kept->Files = std::move(FLoadedFiles);
    kept->CommonTemplate = std::move(FCommonTemplate);
    kept->Options = std::move(FOptions);
    kept->Frame = std::move(FFrame);
    if (static_cast<int>(FKeptCards.size()) == MaxKeptCards) FKeptCards.erase(FKeptCards.begin());
    FKeptCards.push_back(std::move(kept));
  } else {
    ClearCard();
  }
  FCardMade = false;
  FOptions.clear();
  FPaths.clear();
  FFrameName.clear();
  FLoadedFiles.clear();
}

std::unique_ptr<TFieldHub::TKeptCard> TFieldHub::TakeKeptCard(const TrlCardConfig* card) {
  auto found = std::find_if(FKeptCards.begin(), FKeptCards.end(),
                            [card](const auto& kept) { return kept->Card == card; });
  if (found == FKeptCards.end()) return nullptr;
  std::unique_ptr<TKeptCard> kept = std::move(*found);
  FKeptCards.erase(found);
  return kept;
}

bool TFieldHub::ReturnToKeptCard(std::unique_ptr<TKeptCard> kept) {
  if (!kept) return false;
  for (const TLoadedFile& file : kept->Files)
    if (ContentFingerprint(FindConfigFile(file.Name + ".CFG")) != file.Fingerprint) return false;

  FPaths = std::move(kept->Paths);
  FFrameName = std::move(kept->FrameName);
  FLoadedFiles = std::move(kept->Files);
  FCommonTemplate = std::move(kept->CommonTemplate);
  FOptions = std::move(kept->Options);
  FFrame = std::move(kept->Frame);
  // As a fresh load leaves them: the values come from the profile or the driver next.
  for (const std::unique_ptr<TRegistryOption>& option : FOptions) {
    option->SetValue({});
    option->SetSavedValue({});
  }
  FFrame->SetShown(true);
  FCardMade = true;
  return true;
}

}  // namespace tgl

#include "profiles/ProfileTitle.h"

#include "base/Errors.h"
#include "base/StartupState.h"
#include "base/TextUtils.h"
#include "profiles/GamesFile.h"

namespace tgl {

void CheckProfileTitle(std::string_view title) {
  if (title.empty()) throw EError("Application title shouldn't be empty");
  if (title.find('_') != std::string_view::npos)
    throw EError("Application title shouldn't contailns any \"_\" characters.");
  if (title.find(']') != std::string_view::npos)
    throw EError("Application title shouldn't contain any \"]\" characters.");
  if (title.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos)
    throw EError("Application title shouldn't contain line breaks.");
  if (TrimBlanks(title).size() != title.size())
    throw EError("Application title shouldn't begin or end with blanks.");
  if (SameText(title, NameOfDefaultProfile()) || SameText(title, ConfigurationSection))
    throw EError(Format("Application title \"%s\" is reserved.", {title}));
}

void CheckListedTitle(std::string_view title) {
  CheckProfileTitle(title);
  if (title.front() == '%') throw EError(TitlePercentText);
}

}  // namespace tgl

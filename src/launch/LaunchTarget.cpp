#include "launch/LaunchTarget.h"

#include "base/Errors.h"
#include "base/TextUtils.h"

namespace tgl {

TrlProgramConfig& LaunchTarget(const TrlPrograms& programs, const TLaunchRequest& request) {
  if (request.IsDefault()) return programs.Items(0);
  int index = programs.IndexOfName(request.Title);
  if (index <= 0 || programs.Items(index).IsDefault())
    throw EError(Format(UnknownTitleText, {request.Title}));
  return programs.Items(index);
}

}  // namespace tgl

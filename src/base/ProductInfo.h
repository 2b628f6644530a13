#pragma once
// What the about box tells of the product, and where the product lives on the web. The
// version and the home page come from base/ReleaseInfo.h, which the version resource and
// the installer read too. The support mailbox has the reserved ".example" name as well
// (it can never reach anyone else's mailbox) until the project has one of its own.
#include <string>
#include <string_view>

#include "base/ReleaseInfo.h"

namespace tgl {

inline constexpr const char* VersionText = "Version " TGL_VERSION_TEXT " from " TGL_RELEASE_DATE;
inline constexpr const char* ProductComment =
    "Keeps the display driver settings of each of your games and puts them in place just "
    "before the game starts.";
inline constexpr const char* HomePageAddress = TGL_HOME_PAGE;
inline constexpr const char* SupportAddress = "mailto:support@tesmoragl.example";

// An address as a link shows it: without "http://" or "mailto:" and a closing "/".
std::string LinkTextOf(std::string_view address);

}  // namespace tgl

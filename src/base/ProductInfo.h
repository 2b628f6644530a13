#pragma once
// What the about box tells of the product, and where the product lives on the web. The
// project has no addresses of its own yet: the reserved ".example" names below stand in
// (they can never reach anyone else's site or mailbox), and a release that has real ones
// changes them here and nowhere else.
#include <string>
#include <string_view>

namespace tgl {

inline constexpr const char* VersionText = "Version 1.0.3 from 02-Dec-2001";
inline constexpr const char* ProductComment =
    "Keeps the display driver settings of each of your games and puts them in place just "
    "before the game starts.";
inline constexpr const char* HomePageAddress = "http://www.tesmoragl.example/";
inline constexpr const char* SupportAddress = "mailto:support@tesmoragl.example";

// An address as a link shows it: without "http://" or "mailto:" and a closing "/".
std::string LinkTextOf(std::string_view address);

}  // namespace tgl

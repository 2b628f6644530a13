/* What a release is known by outside the program: its version and date, who publishes it
   and where. A release changes these here and nowhere else: the About box (through
   base/ProductInfo.h), the exe's version resource (resources/VersionInfo.rc), the package
   names of tools/make-dist and the installer's Add/Remove Programs entry all read them.

   Plain #defines on one line each, as the resource compiler and tools/make-dist read this
   file too. The project has no addresses of its own yet: the reserved ".example" name
   stands in (it can never reach anyone else's site). */
#pragma once

#define TGL_VERSION_MAJOR 1
#define TGL_VERSION_MINOR 0
#define TGL_VERSION_PATCH 3
#define TGL_RELEASE_DATE "02-Dec-2001"
#define TGL_PRODUCT_TITLE "Tesmora Game Launcher"
#define TGL_PUBLISHER "The TesmoraGL authors"
#define TGL_HOME_PAGE "http://www.tesmoragl.example/"

#define TGL_STRINGIFY_(x) #x
#define TGL_STRINGIFY(x) TGL_STRINGIFY_(x)
/* "1.0.3" */
#define TGL_VERSION_TEXT \
  TGL_STRINGIFY(TGL_VERSION_MAJOR) "." TGL_STRINGIFY(TGL_VERSION_MINOR) "." TGL_STRINGIFY(TGL_VERSION_PATCH)

; The release's version, publisher and home page, read from the one place a release
; changes them: src/base/ReleaseInfo.h (which the program and its version resource read).
; Defines VERSION ("1.0.3"), VERSION_QUAD ("1.0.3.0", for version resources), PRODUCT_TITLE,
; PUBLISHER and HOME_PAGE.
!define RELEASE_INFO "${__FILEDIR__}/../src/base/ReleaseInfo.h"
!searchparse /file "${RELEASE_INFO}" '#define TGL_VERSION_MAJOR ' VERSION_MAJOR
!searchparse /file "${RELEASE_INFO}" '#define TGL_VERSION_MINOR ' VERSION_MINOR
!searchparse /file "${RELEASE_INFO}" '#define TGL_VERSION_PATCH ' VERSION_PATCH
!searchparse /file "${RELEASE_INFO}" '#define TGL_PRODUCT_TITLE "' PRODUCT_TITLE '"'
!searchparse /file "${RELEASE_INFO}" '#define TGL_PUBLISHER "' PUBLISHER '"'
!searchparse /file "${RELEASE_INFO}" '#define TGL_HOME_PAGE "' HOME_PAGE '"'
!define VERSION "${VERSION_MAJOR}.${VERSION_MINOR}.${VERSION_PATCH}"
!define VERSION_QUAD "${VERSION}.0"

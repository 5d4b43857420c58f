# make package: a Debian package of the installed files (cpack -G DEB). Its run-time
# dependencies are the shared libraries the program links (found by dpkg-shlibdeps)
# and what it loads by name: Qt's platform and SVG plugins and the migemo dictionary.
# The project has no address of its own yet: whoever publishes a package names
# themselves with -DVOSTEK_MAINTAINER="Name <mail>".
set(VOSTEK_MAINTAINER "VOSTEK developers <vostek@vostek.example.org>" CACHE STRING
    "Maintainer of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vostek)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${VOSTEK_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tray-resident file launcher with romaji search")
set(CPACK_PACKAGE_DESCRIPTION "\
VOSTEK waits in the system tray and keeps files, folders and links as items in
named groups. Alt+Space or the tray icon brings its window up at the mouse;
typing romaji narrows the list through the migemo dictionary, so names
written in kana or kanji are found too, and Enter opens the chosen items.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(VOSTEK_PACKAGE_LOADED_DEPENDS "qt6-qpa-plugins, libqt6svg6, cmigemo-common")
set(CPACK_DEBIAN_PACKAGE_DEPENDS ${VOSTEK_PACKAGE_LOADED_DEPENDS})
# Japanese glyphs, and the toolkit's own texts in Japanese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk | fonts-ipafont-gothic, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_IGNORE_FILES "/build[^/]*/" "/\\\\.git/")
include(CPack)

# The Debian package, built by scripts/package.sh (cpack -G DEB). The package
# installs under /usr; the Debian triggers of the icon theme, the desktop menu,
# the manual pages and AppStream take care of their caches, so it needs no
# maintainer scripts.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME ${QMP_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The ${QMP_DISPLAY_NAME} developers")
set(CPACK_PACKAGE_CONTACT "${QMP_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "planner for hiking and backpacking trips")
set(CPACK_PACKAGE_DESCRIPTION
    "${QMP_DISPLAY_NAME} keeps named trip plans, each with a calendar of day\n"
    "notes, a gear list, a shopping list, logistics plans, recipes, the party's\n"
    "contacts, park permits and a budget. It totals weights, costs and volumes\n"
    "in the units the user picks, charts them against the budget and a target\n"
    "weight, compiles printable reports and exchanges trip plans as text files.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
# scripts/package.sh configures the same prefix, which the manual page names.
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/StripExtraSections.cmake)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QMP_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
# The Qt libraries come from dpkg-shlibdeps; the window system plugin and the
# fonts that stand in for the window's fonts are loaded at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-comic-neue, fonts-liberation, fonts-dejavu-core")
# Web addresses and the e-mail message are handed to the desktop through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
if(NOT TARGET Qt6::WebEngineWidgets)
  # Without Qt WebEngine the Go Shopping! page opens the shop in the browser.
  set(CPACK_DEBIAN_PACKAGE_SUGGESTS "www-browser")
endif()

include(CPack)

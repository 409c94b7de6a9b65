# `make package`: a Debian package of the installed files. The libraries the
# program links come from dpkg-shlibdeps; the Qt plugins it loads at run time
# (SQLite driver, window system, SVG icons) and Qt's Turkish texts are named here.
set(VELMO_MAINTAINER "Velmo developers <velmo@example.org>" CACHE STRING
  "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Velmo")
set(CPACK_PACKAGE_CONTACT ${VELMO_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "draws curves defined by formulas in 2-D and 3-D space")
set(CPACK_PACKAGE_DESCRIPTION
  "Velmo draws curves given by up to three formulas in one of seven coordinate\n"
  "systems, in graph windows that turn under the mouse, spin, animate and zoom.\n"
  "It keeps a curve library, lists the numeric values of a curve and evaluates\n"
  "single formulas. Its user interface is in Turkish.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VELMO_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libqt6sql6-sqlite, qt6-qpa-plugins, libqt6svg6, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
include(CPack)

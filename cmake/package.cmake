# SPDX-License-Identifier: GPL-3.0-or-later
# `cpack` (or `make package`) makes the Debian package. Its dependencies are the shared libraries the
# program links (found by dpkg-shlibdeps) and what it uses without linking: the fonts that stand in for
# the Windows Japanese fonts, Qt's Japanese texts and the postal-code dictionary.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rova-yamato)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "parcel waybill entry and printing on pre-printed forms")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ROVA_PACKAGE_MAINTAINER}")
# The extended description; CPack puts the summary above it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "The operator of a small shop fills in one parcel waybill at a time
(destination, one of ten registered senders, item names, dates, time slot,
number of pieces) or pastes an address block, and prints the values at the
fixed points of the carrier's pre-printed form, through CUPS or into a PDF
file.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-ipafont-gothic, fonts-ipafont-mincho, fonts-dejavu-core, qt6-translations-l10n, skkdic-extra")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "cups")
if(ROVA_WEB_URL)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ROVA_WEB_URL}")
endif()
include(CPack)

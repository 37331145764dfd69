# `make package`: a Debian package made by CPack from the install layout of cmake/Install.cmake,
# with the documentation Debian asks of every package (the copyright file and the changelog).
set(VANTRELL_MAINTAINER "The Vantrell developers <developers@vantrell.org>")
set(CPACK_DEBIAN_PACKAGE_RELEASE 1) # the package's own revision of this version

set(doc ${CMAKE_INSTALL_DATADIR}/doc/vantrell)
install(FILES ${CMAKE_SOURCE_DIR}/resources/debian/copyright DESTINATION ${doc})
set(PACKAGE_VERSION ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
set(PACKAGE_MAINTAINER ${VANTRELL_MAINTAINER})
execute_process(COMMAND date -u -R -d ${VANTRELL_RELEASE_DATE}
    OUTPUT_VARIABLE PACKAGE_DATE OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(${CMAKE_SOURCE_DIR}/resources/debian/changelog.in
               ${CMAKE_BINARY_DIR}/debian/changelog.Debian @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/debian/changelog.Debian.gz
    COMMAND gzip -9nkf ${CMAKE_BINARY_DIR}/debian/changelog.Debian
    DEPENDS ${CMAKE_BINARY_DIR}/debian/changelog.Debian)
add_custom_target(package_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/debian/changelog.Debian.gz)
install(FILES ${CMAKE_BINARY_DIR}/debian/changelog.Debian.gz DESTINATION ${doc})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantrell)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Vantrell developers")
set(CPACK_PACKAGE_CONTACT ${VANTRELL_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "check the interest a lender charged on a home loan")
# The control file's long description, as its lines are to read.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Vantrell checks the interest a lender charged on a home loan. The borrower"
    "enters each bank statement of the loan account, or imports the bank's CSV,"
    "OFX/QFX or QIF export; Vantrell checks that each statement adds up, keeps"
    "the whole history in one account file, recomputes the interest day by day"
    "by the lender's method and prints a report with the interest due beside"
    "the interest charged."
    ""
    "Besides the desktop program, the command-line tools vantrell-report (the"
    "report as text, CSV or PDF) and vantrell-import (a bank's file into an"
    "account).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_STRIP_FILES ON)
# The dependencies come from dpkg-shlibdeps' scan of the libraries the binaries link, but for
# what Qt loads at run time and what the printed report asks the font system for:
#   libqt6sql6-sqlite  the Qt SQL driver every account file is opened through (a plugin)
#   qt6-qpa-plugins    Qt's platform plugins, loaded by name when a window or the PDF report is
#                      made (Debian 12 keeps xcb and offscreen in libqt6gui6, the others here;
#                      named so that a release which moves them still brings them)
#   fonts-liberation   Liberation Sans, the Arial-metric face the printed report is laid out in
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-qpa-plugins, fonts-liberation")
# Qt's own catalogues (its dialog buttons, the file dialog) in the windows' language: without
# them those few texts stay English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)

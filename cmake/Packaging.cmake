# SPDX-License-Identifier: GPL-3.0-or-later
# Installation layout and the Debian package. Included from the top level after the program.
#
# Installed: bin/fieldshot, the camera library in the program's own library folder, the desktop
# entry, the icons, the AppStream metadata, the man page and the copyright file. Tests, benchmarks and tools are not.
include(GNUInstallDirs)

set(FIELDSHOT_INSTALL_LASERDIR "lib/fieldshot" CACHE STRING
    "Folder below the prefix that holds the camera library, found relative to the program")
set(FIELDSHOT_HOMEPAGE "https://www.orvex.com/fieldshot/" CACHE STRING
    "Home page named in the package and the AppStream metadata (ends with /)")
set(FIELDSHOT_PACKAGE_CONTACT "Orvex Fieldshot <fieldshot@orvex.com>" CACHE STRING
    "Maintainer of the Debian package")
set(FIELDSHOT_RELEASE_DATE "2026-12-07")
set(FIELDSHOT_APP_ID "com.orvex.Fieldshot")
set(packaging ${CMAKE_SOURCE_DIR}/packaging)

target_compile_definitions(fieldshot PRIVATE FIELDSHOT_VERSION="${PROJECT_VERSION}")

# The program looks for the library relative to its own folder, so any prefix works.
file(RELATIVE_PATH laser_from_bin /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${FIELDSHOT_INSTALL_LASERDIR})
set_source_files_properties(${CMAKE_SOURCE_DIR}/camera/laserlibrary.cpp PROPERTIES
    COMPILE_DEFINITIONS FIELDSHOT_LASER_DIR="${laser_from_bin}")

install(TARGETS fieldshot RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS Laser LIBRARY DESTINATION ${FIELDSHOT_INSTALL_LASERDIR})

install(FILES ${packaging}/${FIELDSHOT_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(DIRECTORY ${packaging}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${packaging}/icons/src/${FIELDSHOT_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

configure_file(${packaging}/${FIELDSHOT_APP_ID}.metainfo.xml.in
    ${CMAKE_BINARY_DIR}/packaging/${FIELDSHOT_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${FIELDSHOT_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

configure_file(${packaging}/fieldshot.1.in ${CMAKE_BINARY_DIR}/packaging/fieldshot.1 @ONLY)
# Man pages are installed compressed; -n keeps the time stamp out, so equal input gives equal bytes.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/fieldshot.1.gz
    COMMAND gzip -9 -n -f -k ${CMAKE_BINARY_DIR}/packaging/fieldshot.1
    DEPENDS ${CMAKE_BINARY_DIR}/packaging/fieldshot.1
    COMMENT "Compressing the man page")
add_custom_target(fieldshot_manpage DEPENDS ${CMAKE_BINARY_DIR}/packaging/fieldshot.1.gz)
# Building the program is enough for installing it.
add_dependencies(fieldshot fieldshot_manpage)
install(FILES ${CMAKE_BINARY_DIR}/packaging/fieldshot.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The licence terms in Debian's machine-readable form, where Debian packages keep them.
install(FILES ${packaging}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/fieldshot)

# Debian package: cpack -G DEB in the build folder, after building the program (tools/build-deb.sh).
# Installing and packaging build nothing themselves, so they do not wait for every test to build.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_PACKAGE_NAME fieldshot)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Orvex")
set(CPACK_PACKAGE_CONTACT ${FIELDSHOT_PACKAGE_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "laser dry-fire trainer with webcams")
set(CPACK_PACKAGE_DESCRIPTION
    "One to four webcams watch a wall, a paper target or a projector screen. The camera library \
finds the laser spots in their pictures; the program maps every shot onto the target areas \
drawn over the live picture, scores it, marks it, plays a sound and writes it into the table \
of hits. The user interface speaks German, English, French and Spanish.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${FIELDSHOT_HOMEPAGE})
# The dependencies come from the libraries the program and the camera library link.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (dialog buttons, file dialogs) in the program's languages; Qt loads its SQL
# drivers as plugins, which the library scan cannot see: SQLite for the training history,
# PostgreSQL for a club's shared server.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qttranslations5-l10n, libqt5sql5-sqlite, libqt5sql5-psql")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)

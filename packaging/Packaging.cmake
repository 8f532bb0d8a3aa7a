# Installation under a prefix and the Debian package built from it (cmake --build build --target package).
# Installed: the two programs in <prefix>/bin, the shipped read-only files in <prefix>/share/taru (found by
# the programs as ../share/taru), the menu entry, the icon in the hicolor theme, the manual pages, the
# copyright file and the changelog.
include(GNUInstallDirs)

set(TARU_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})
set(TARU_GENERATED_PACKAGING ${CMAKE_BINARY_DIR}/packaging)
set(TARU_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/taru)

install(TARGETS taru taru-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A folder not in the tree is skipped when installing (looked for then, not when configuring).
foreach(dir help Images BIBLIO)
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/${dir} DESTINATION ${CMAKE_INSTALL_DATADIR}/taru OPTIONAL)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/resources/Printers/default.tpr DESTINATION ${CMAKE_INSTALL_DATADIR}/taru/Printers)
install(FILES ${TARU_PACKAGING_DIR}/taru.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/images/taru.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${TARU_PACKAGING_DIR}/copyright DESTINATION ${TARU_DOC_DIR})

# The changelog is the one place the package's version and maintainer are written; its latest entry
# must name the project's version.
file(STRINGS ${TARU_PACKAGING_DIR}/changelog TARU_CHANGELOG_TOP LIMIT_COUNT 1)
file(STRINGS ${TARU_PACKAGING_DIR}/changelog TARU_CHANGELOG_SIGNOFF REGEX "^ -- " LIMIT_COUNT 1)
if(NOT TARU_CHANGELOG_TOP MATCHES "^taru \\(([^-)]+)-([^)]+)\\)")
  message(FATAL_ERROR "packaging/changelog: the first line must read \"taru (VERSION-REVISION) ...\"")
endif()
set(TARU_DEB_UPSTREAM ${CMAKE_MATCH_1})
set(TARU_DEB_REVISION ${CMAKE_MATCH_2})
if(NOT TARU_DEB_UPSTREAM STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "packaging/changelog: the latest entry is for ${TARU_DEB_UPSTREAM}, the project is "
    "${PROJECT_VERSION}; add an entry for the new version")
endif()
string(REGEX REPLACE "^ -- (.*>).*$" "\\1" TARU_DEB_MAINTAINER "${TARU_CHANGELOG_SIGNOFF}")

# Generated for the package: icon sizes from the SVG, manual pages from --help, the compressed
# changelog. Each needs a tool from Debian's packages; without it that part is left out, with a warning.
find_program(TARU_RSVG_CONVERT rsvg-convert)
find_program(TARU_HELP2MAN help2man)
find_program(TARU_GZIP gzip)
set(TARU_PACKAGE_OUTPUTS "")
if(TARU_RSVG_CONVERT)
  foreach(size 16 22 24 32 48 64 128 256)
    set(png ${TARU_GENERATED_PACKAGING}/icons/${size}x${size}/taru.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${TARU_GENERATED_PACKAGING}/icons/${size}x${size}
      COMMAND ${TARU_RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${CMAKE_SOURCE_DIR}/resources/images/taru.svg
      DEPENDS ${CMAKE_SOURCE_DIR}/resources/images/taru.svg VERBATIM)
    list(APPEND TARU_PACKAGE_OUTPUTS ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
else()
  message(WARNING "rsvg-convert not found (package librsvg2-bin): the package will have the SVG icon only")
endif()
if(TARU_HELP2MAN AND TARU_GZIP)
  foreach(program taru taru-cli)
    if(program STREQUAL "taru")
      set(what "desktop program for coupons, reduced systems and slip printing of a draw game")
    else()
      set(what "command-line tool for pricing, checking, building and printing coupons")
    endif()
    set(page ${TARU_GENERATED_PACKAGING}/man/${program}.1)
    add_custom_command(OUTPUT ${page}.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${TARU_GENERATED_PACKAGING}/man
      COMMAND ${TARU_HELP2MAN} --no-info --section 1 --name ${what} --version-string ${PROJECT_VERSION}
        --include ${TARU_PACKAGING_DIR}/man.h2m --output ${page} $<TARGET_FILE:${program}>
      COMMAND ${TARU_GZIP} -9nf ${page}
      DEPENDS ${program} ${TARU_PACKAGING_DIR}/man.h2m VERBATIM)
    list(APPEND TARU_PACKAGE_OUTPUTS ${page}.gz)
    install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endforeach()
else()
  message(WARNING "help2man or gzip not found (package help2man): the package will have no manual pages")
endif()
if(TARU_GZIP)
  set(changelog ${TARU_GENERATED_PACKAGING}/changelog.Debian.gz)
  add_custom_command(OUTPUT ${changelog}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TARU_GENERATED_PACKAGING}
    COMMAND ${TARU_GZIP} -9nc ${TARU_PACKAGING_DIR}/changelog > ${changelog}
    DEPENDS ${TARU_PACKAGING_DIR}/changelog)
  list(APPEND TARU_PACKAGE_OUTPUTS ${changelog})
  install(FILES ${changelog} DESTINATION ${TARU_DOC_DIR})
endif()
add_custom_target(taru_package_files ALL DEPENDS ${TARU_PACKAGE_OUTPUTS})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME taru)
set(CPACK_PACKAGE_VENDOR "The TARU developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "coupons, reduced systems and slip printing for a draw game")
# The synopsis comes from the summary; this is the extended description under it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A desktop program, in Greek, for players and betting agencies of a draw game
in which 20 numbers are drawn out of 1 to 80: fill in and price coupons on an
80-number board, build reduced systems with a guarantee, produce random
coupons, apply systems from the shipped library, print every coupon onto the
pre-printed betting slip, keep the past draws with their statistics and check
coupons against a draw.

The taru-cli tool drives the same core from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_VERSION ${TARU_DEB_UPSTREAM})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${TARU_DEB_REVISION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TARU_DEB_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Library dependencies are read from the binaries by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window titles, the icon and the slips are drawn in DejaVu Sans (Greek included).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-dejavu-core)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)

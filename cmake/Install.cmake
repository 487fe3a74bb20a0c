# SPDX-License-Identifier: MIT
# What `cmake --install` puts under the prefix, and the Debian package made from
# the same rules (`cpack -G DEB`). The benchmarks and the tests are never installed.
#
#   bin/snapwane, bin/snapwane-reduce
#   libexec/snapwane/snapwane-pack           found by the programs relative to bin/
#   share/applications, share/metainfo, share/icons/hicolor/*/apps
#   share/snapwane/docs/guide/index.html     the user guide (with its screenshots)
#   share/man/man1/snapwane.1.gz, snapwane-reduce.1.gz
#   share/doc/snapwane/copyright, changelog.gz
include(GNUInstallDirs)

set(SNAPWANE_APP_ID io.github.snapwane.Snapwane)
set(SNAPWANE_ICON_SOURCE ${PROJECT_SOURCE_DIR}/src/res/icons/snapwane.svg)

install(TARGETS snapwane-reduce RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS snapwane-pack RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/snapwane)

# Manual pages and the changelog are installed compressed, as Debian's policy asks
# (gzip -n: no name or time stamp, so the same sources give the same package).
find_program(GZIP gzip REQUIRED)
function(snapwane_install_gzipped source destination)
  get_filename_component(name ${source} NAME)
  set(compressed ${PROJECT_BINARY_DIR}/gz/${name}.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/gz
    COMMAND ${GZIP} -9n -c ${source} > ${compressed}
    DEPENDS ${source})
  string(MAKE_C_IDENTIFIER ${name} target)
  add_custom_target(gz_${target} ALL DEPENDS ${compressed})
  install(FILES ${compressed} DESTINATION ${destination})
endfunction()
snapwane_install_gzipped(${PROJECT_SOURCE_DIR}/docs/man/snapwane-reduce.1 ${CMAKE_INSTALL_MANDIR}/man1)

# The package's copyright and changelog (Debian's formats).
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/snapwane)
# The changelog's date in RFC 5322 form, from the release date (Zeller's rule for the weekday).
set(y ${SNAPWANE_RELEASE_YEAR})
set(m ${SNAPWANE_RELEASE_MONTH})
if(m LESS 3)
  math(EXPR m "${m} + 12")
  math(EXPR y "${y} - 1")
endif()
math(EXPR weekday "(${SNAPWANE_RELEASE_DAY} + (13 * (${m} + 1)) / 5 + ${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + 6) % 7")
set(weekdays Sun Mon Tue Wed Thu Fri Sat)
list(GET weekdays ${weekday} weekday_name)
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
math(EXPR month_index "${SNAPWANE_RELEASE_MONTH} - 1")
list(GET months ${month_index} month_name)
string(REGEX MATCH "[0-9]+$" day_text ${SNAPWANE_RELEASE_DATE})
set(SNAPWANE_CHANGELOG_DATE "${weekday_name}, ${day_text} ${month_name} ${SNAPWANE_RELEASE_YEAR} 12:00:00 +0000")
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${PROJECT_BINARY_DIR}/changelog @ONLY)
snapwane_install_gzipped(${PROJECT_BINARY_DIR}/changelog ${CMAKE_INSTALL_DATADIR}/doc/snapwane)

if(TARGET snapwane)
  install(TARGETS snapwane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  snapwane_install_gzipped(${PROJECT_SOURCE_DIR}/docs/man/snapwane.1 ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${PROJECT_SOURCE_DIR}/src/res/${SNAPWANE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  configure_file(${PROJECT_SOURCE_DIR}/src/res/${SNAPWANE_APP_ID}.metainfo.xml.in
                 ${PROJECT_BINARY_DIR}/${SNAPWANE_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/${SNAPWANE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  # The menu's icon: the drawing itself, and bitmaps at the usual sizes made from it.
  install(FILES ${SNAPWANE_ICON_SOURCE} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  find_program(RSVG_CONVERT rsvg-convert REQUIRED)
  set(icon_files)
  foreach(size 16 22 24 32 48 64 128 256)
    set(icon ${PROJECT_BINARY_DIR}/icons/${size}x${size}/snapwane.png)
    add_custom_command(OUTPUT ${icon}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/icons/${size}x${size}
      COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${icon} ${SNAPWANE_ICON_SOURCE}
      DEPENDS ${SNAPWANE_ICON_SOURCE} VERBATIM)
    list(APPEND icon_files ${icon})
    install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  add_custom_target(snapwane-icons ALL DEPENDS ${icon_files})

  # The guide keeps its place beside the screenshots it shows, as in the source tree.
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/guide DESTINATION ${CMAKE_INSTALL_DATADIR}/snapwane/docs)
  file(STRINGS ${PROJECT_SOURCE_DIR}/docs/guide/index.html guide_images REGEX "src=\"\\.\\./[^\"]+\\.png\"")
  string(REGEX MATCHALL "\\.\\./[^\"]+\\.png" guide_images "${guide_images}")
  list(TRANSFORM guide_images REPLACE "^\\.\\./" "${PROJECT_SOURCE_DIR}/docs/")
  list(REMOVE_DUPLICATES guide_images)
  install(FILES ${guide_images} DESTINATION ${CMAKE_INSTALL_DATADIR}/snapwane/docs)
endif()

# The Debian package. dpkg-shlibdeps finds the libraries the programs link (Qt 6
# widgets, libjpeg-turbo, libexif, the C++ runtime); the rest is what they load or
# start: the SVG icon plug-in, the zip packer's zip and the mail composer's xdg-email.
set(CPACK_PACKAGE_NAME snapwane)
set(CPACK_PACKAGE_VENDOR Quenfield)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "prepare photos for sending by e-mail or via the Internet")
# Lines of at most 80 characters, as the package description's format asks.
set(CPACK_PACKAGE_DESCRIPTION
    "Snapwane loads JPEG photos from files, folders or a camera's drive, shows\n"
    "them as a list, a grid or one at a time, turns and corrects them, and\n"
    "reduces the whole set into a folder, optionally packed into one zip file\n"
    "and attached to a new e-mail. snapwane-reduce does the same reduction from\n"
    "the command line.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGE_CONTACT "Quenfield <support@quenfield.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.quenfield.com")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, zip, xdg-utils")
# Qt's own dialogs in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)

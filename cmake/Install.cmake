# What `cmake --install` puts under the prefix, and the Debian package made from
# the same rules (`cpack -G DEB`). The benchmarks and the tests are never installed.
#
#   bin/snapwane, bin/snapwane-reduce
#   libexec/snapwane/snapwane-pack           found by the programs relative to bin/
#   share/applications, share/metainfo, share/icons/hicolor/*/apps
#   share/snapwane/docs/guide/index.html     the user guide (with its screenshots)
#   share/man/man1/snapwane.1, snapwane-reduce.1
include(GNUInstallDirs)

set(SNAPWANE_APP_ID io.github.snapwane.Snapwane)
set(SNAPWANE_ICON_SOURCE ${PROJECT_SOURCE_DIR}/src/res/icons/snapwane.svg)

install(TARGETS snapwane-reduce RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS snapwane-pack RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/snapwane)
install(FILES ${PROJECT_SOURCE_DIR}/docs/man/snapwane-reduce.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

if(TARGET snapwane)
  install(TARGETS snapwane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/docs/man/snapwane.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${PROJECT_SOURCE_DIR}/src/res/${SNAPWANE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/src/res/${SNAPWANE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

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
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Quickly prepares your photos for sending by email or via the Internet")
set(CPACK_PACKAGE_DESCRIPTION
    "Snapwane loads JPEG photos from files, folders or a camera's drive, shows them as a list, a grid\n"
    "or one at a time, turns and corrects them, and reduces the whole set into a folder, optionally\n"
    "packed into one zip file and attached to a new e-mail. snapwane-reduce does the same reduction\n"
    "from the command line.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGE_CONTACT "Quenfield <support@quenfield.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.quenfield.com")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, zip, xdg-utils")
set(CPACK_STRIP_FILES ON)
include(CPack)

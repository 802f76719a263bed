# Installing the program like any desktop program, and its Debian package.
#
#   cmake --install build --prefix /usr/local     # system-wide
#   cpack -G DEB --config build/CPackConfig.cmake  # aritmetica_<version>_<arch>.deb
#
# The program, a menu entry, AppStream metadata, icons for the hicolor theme,
# a manual page in English and Italian, and the copyright and changelog.

if(NOT TARGET aritmetica)
  return()
endif()

include(GNUInstallDirs)

# The id of the desktop entry, the AppStream component and the icon.
set(ARITMETICA_APP_ID "io.github.aritmetica.Aritmetica" CACHE STRING
    "Reverse-domain id of the menu entry, the AppStream component and the icon")
target_compile_definitions(aritmetica PRIVATE ARITMETICA_APP_ID="${ARITMETICA_APP_ID}")
# Web folder where the pictures of docs/screenshots/ (rendered by
# packaging/screenshots.sh) are published; software centres load the AppStream
# screenshots from there. The default is a placeholder in a domain reserved
# never to resolve: it passes validation, and shows no picture.
set(ARITMETICA_SCREENSHOT_URL "https://aritmetica.invalid/docs/screenshots" CACHE STRING
    "Web address of the published docs/screenshots folder")
set(ARITMETICA_MAINTAINER "Aritmetica developers <aritmetica@users.noreply.invalid>" CACHE STRING
    "Maintainer of the Debian package, as Name <address>")
# The date of this version, for the AppStream release, the manual page and the
# Debian changelog.
set(ARITMETICA_RELEASE_DATE "2026-12-11")

# Packages the program needs at run time that no library it links pulls in:
# the fonts its screens are drawn with. dpkg-shlibdeps adds the libraries.
set(ARITMETICA_RUNTIME_PACKAGES
    fonts-dejavu-core
    fonts-dejavu-extra
    fonts-liberation
    fonts-wine)

set(ARITMETICA_DOCDIR "${CMAKE_INSTALL_DATAROOTDIR}/doc/aritmetica")
set(packaging_source "${CMAKE_CURRENT_LIST_DIR}")
set(packaging_build "${CMAKE_BINARY_DIR}/packaging")
# Directories a package creates are world-readable whatever the umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS aritmetica RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")

# Menu entry and AppStream metadata.
configure_file("${packaging_source}/aritmetica.desktop.in"
               "${packaging_build}/${ARITMETICA_APP_ID}.desktop" @ONLY)
configure_file("${packaging_source}/aritmetica.metainfo.xml.in"
               "${packaging_build}/${ARITMETICA_APP_ID}.metainfo.xml" @ONLY)
install(FILES "${packaging_build}/${ARITMETICA_APP_ID}.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${packaging_build}/${ARITMETICA_APP_ID}.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")

# Icons: the drawing itself, and bitmaps rendered from it for the sizes menus
# and panels ask for.
set(ARITMETICA_ICON_SIZES 16 24 32 48 64 128 256)
set(icon_source "${CMAKE_SOURCE_DIR}/assets/program-icon.svg")
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(icon_bitmaps)
foreach(size IN LISTS ARITMETICA_ICON_SIZES)
  set(bitmap "${packaging_build}/icons/${size}x${size}/${ARITMETICA_APP_ID}.png")
  add_custom_command(
    OUTPUT "${bitmap}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${packaging_build}/icons/${size}x${size}"
    COMMAND "${RSVG_CONVERT}" --width=${size} --height=${size} --output=${bitmap} ${icon_source}
    DEPENDS "${icon_source}"
    COMMENT "Rendering the ${size}x${size} icon"
    VERBATIM)
  list(APPEND icon_bitmaps "${bitmap}")
  install(FILES "${bitmap}" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps")
endforeach()
install(FILES "${icon_source}" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps"
        RENAME "${ARITMETICA_APP_ID}.svg")

# Manual pages, English and Italian, and the Debian changelog, compressed as
# Debian wants them.
set(compressed_docs)
function(compressed_doc template output)
  configure_file("${template}" "${output}" @ONLY)
  add_custom_command(
    OUTPUT "${output}.gz"
    COMMAND gzip -9nkf "${output}"
    DEPENDS "${output}"
    VERBATIM)
  set(compressed_docs ${compressed_docs} "${output}.gz" PARENT_SCOPE)
endfunction()
compressed_doc("${packaging_source}/man/aritmetica.1.in" "${packaging_build}/man/aritmetica.1")
compressed_doc("${packaging_source}/man/aritmetica.it.1.in" "${packaging_build}/man/it/aritmetica.1")
execute_process(COMMAND date -R -u -d "${ARITMETICA_RELEASE_DATE} 12:00:00"
                OUTPUT_VARIABLE ARITMETICA_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE)
compressed_doc("${packaging_source}/changelog.in" "${packaging_build}/doc/changelog")
install(FILES "${packaging_build}/man/aritmetica.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
install(FILES "${packaging_build}/man/it/aritmetica.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/it/man1")
install(FILES "${packaging_build}/doc/changelog.gz" "${packaging_source}/copyright"
        DESTINATION "${ARITMETICA_DOCDIR}")

add_custom_target(install_files ALL DEPENDS ${icon_bitmaps} ${compressed_docs})

# The Debian package. Its name, version and file name follow Debian's rules;
# the libraries come from dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME aritmetica)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arithmetic workbook for the second class of primary school")
set(CPACK_PACKAGE_DESCRIPTION
    "Arithmetic exercises for children in the second class of Italian primary
school: counting sequences, comparing numbers, numbers in digits and in words,
column addition, subtraction and multiplication, multiplication tables, open
sentences, and numbers to 1000 on an abacus. A face shows at once whether each
answer is right, and a score counts the right answers.

All text in the program is Italian. It writes nothing on the computer and
uses no network.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ARITMETICA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
list(JOIN ARITMETICA_RUNTIME_PACKAGES ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

# Checks of the installed tree and of the package.
add_test(NAME install_tree
         COMMAND bash "${CMAKE_SOURCE_DIR}/tests/packaging/install_tree.sh" "${CMAKE_BINARY_DIR}"
                 "${ARITMETICA_APP_ID}")
add_test(NAME debian_package
         COMMAND bash "${CMAKE_SOURCE_DIR}/tests/packaging/debian_package.sh" "${CMAKE_BINARY_DIR}"
                 "${ARITMETICA_APP_ID}" ${ARITMETICA_RUNTIME_PACKAGES})
set_tests_properties(install_tree debian_package PROPERTIES TIMEOUT 600 LABELS packaging)

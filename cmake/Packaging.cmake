# The packages, made by CPack: `cmake --build <dir> --target package`. The Windows installer
# and zip are WindowsPackaging.cmake's; the rest of this file makes the Debian package.
# Name, version and homepage come from project(); the summary and the long description are
# the AppStream metainfo's, so the package manager and the software centres say the same.
if(KELVANE_CORE_ONLY)
    return()
endif()
# Kelvane's terms, which every package carries.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/WindowsPackaging.cmake)
    return()
endif()
if(NOT UNIX OR APPLE)
    return()
endif()

include(GNUInstallDirs)

string(TOLOWER "${PROJECT_NAME}" package_name)
set(CPACK_PACKAGE_NAME ${package_name})
set(CPACK_PACKAGE_CONTACT "Kelvane developers <developers@kelvane.example.org>")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps finds the packages of the libraries the program links. Qt loads its X11
# platform plugin only at run time (Wayland sessions run it through XWayland); Debian 12
# ships it in libqt6gui6, which those bring already. The package test checks this on the
# plugin the program actually loads.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The die buttons ask for Arial; Liberation Sans has its metrics. Qt's own texts (a message
# box's buttons) in the player's language come from Qt's translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-translations-l10n")

file(READ ${PROJECT_SOURCE_DIR}/resources/org.kelvane.Kelvane.metainfo.xml.in metainfo)
string(REGEX MATCH "<summary>([^<]*)</summary>" summary "${metainfo}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${CMAKE_MATCH_1}")
# The paragraphs, each on one line and a blank line between them, wrapped by fmt to the
# width Debian's description fields keep to.
string(REGEX MATCHALL "<p>[^<]*</p>" paragraphs "${metainfo}")
list(TRANSFORM paragraphs REPLACE "</?p>" "")
list(TRANSFORM paragraphs REPLACE "[ \n]+" " ")
list(TRANSFORM paragraphs STRIP)
list(JOIN paragraphs "\n\n" description)
set(packaging_dir ${PROJECT_BINARY_DIR}/packaging)
file(WRITE ${packaging_dir}/description "${description}\n")
execute_process(COMMAND fmt --width=78 ${packaging_dir}/description
    OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_DESCRIPTION COMMAND_ERROR_IS_FATAL ANY)

# What Debian's policy asks of every package: the copyright in the machine-readable format,
# the changelog and a manual page for the program, the last two compressed as dh_compress
# does so that the same sources give the same bytes. The copyright holders and the terms are
# LICENSE's; in the license paragraph each line of the terms is indented by one space and a
# blank line is written as " .".
if(NOT license MATCHES "\nCopyright \\(C\\) ([^\n]*)\n\n(.*)")
    message(FATAL_ERROR "LICENSE has no copyright line followed by the terms")
endif()
set(license_copyright "${CMAKE_MATCH_1}")
string(STRIP "${CMAKE_MATCH_2}" license_terms)
string(REPLACE "\n\n" "\n.\n" license_terms "${license_terms}")
string(REPLACE "\n" "\n " license_terms "${license_terms}")
file(CONFIGURE OUTPUT ${packaging_dir}/copyright @ONLY CONTENT [[
Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: @PROJECT_NAME@
Upstream-Contact: @CPACK_PACKAGE_CONTACT@
Source: @PROJECT_HOMEPAGE_URL@

Files: *
Copyright: @license_copyright@
License: MIT

License: MIT
 @license_terms@
]])
file(CONFIGURE OUTPUT ${packaging_dir}/changelog.Debian @ONLY CONTENT [[
kelvane (1.0.0-1) unstable; urgency=medium

  * First release.

 -- @CPACK_PACKAGE_CONTACT@  Mon, 07 Dec 2026 12:00:00 +0000
]])
file(CONFIGURE OUTPUT ${packaging_dir}/kelvane.6 @ONLY CONTENT [[
.TH KELVANE 6 2026-12-07 "Kelvane @PROJECT_VERSION@"
.SH NAME
kelvane \- dice roller for tabletop role-playing games
.SH SYNOPSIS
.B kelvane
.SH DESCRIPTION
.B Kelvane
rolls any number of d4, d6, d8, d10, d12, d20 or d100 with one click, or M dice
of N sides. Every die is listed with its value, the total is shown at once, and
the rolls can go to the clipboard, one value per line, for pasting into other
documents.
.PP
Kelvane has no options of its own and reads and writes no files; it takes the
options every Qt program takes, such as
.BR \-platform .
.SH SEE ALSO
@PROJECT_HOMEPAGE_URL@
]])
foreach(compressed changelog.Debian kelvane.6)
    execute_process(COMMAND gzip -9nf ${packaging_dir}/${compressed} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
# Two of lintian's findings do not apply: Debian keeps games' programs in /usr/games, but
# Kelvane is a roller for the players at the table, installed in bin/ like any program so
# that every user's PATH finds it; and this package is not uploaded to Debian, so its first
# changelog entry has no intent-to-package bug to close.
file(WRITE ${packaging_dir}/lintian-overrides
    "${package_name}: package-section-games-but-contains-no-game\n"
    "${package_name}: initial-upload-closes-no-bugs *\n")

set(doc_dir ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package_name})
install(FILES ${packaging_dir}/copyright ${packaging_dir}/changelog.Debian.gz
    DESTINATION ${doc_dir})
install(FILES ${packaging_dir}/kelvane.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${packaging_dir}/lintian-overrides
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides RENAME ${package_name})

include(CPack)

# The Windows program's folder and its packages. Beside kelvane.exe goes everything it needs
# on a clean Windows: Qt's libraries with its Windows platform and style plugins, Qt's own
# translations and licence, and the MinGW runtime the Qt libraries were built against. CPack
# makes a 64-bit NSIS installer of that folder, and a zip of it for users who may not install
# programs: `cmake --build <dir> --target package`.
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::Core Qt6::Gui Qt6::Network Qt6::Widgets Qt6::Concurrent
    RUNTIME DESTINATION .)
# TLS for sharing rolls with the table, through Schannel, Windows' own, which Qt Network loads
# as a plugin on the first https request.
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QSchannelBackendPlugin LIBRARY DESTINATION tls)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsIntegrationPlugin LIBRARY DESTINATION platforms)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsVistaStylePlugin LIBRARY DESTINATION styles)

# The folder is its own Qt prefix: without this, Qt would look for its plugins and translations
# one folder above its libraries, as in a Qt installation.
file(WRITE ${PROJECT_BINARY_DIR}/packaging/qt.conf
    "[Paths]\nPrefix = .\nPlugins = .\nTranslations = translations\n")
install(FILES ${PROJECT_BINARY_DIR}/packaging/qt.conf DESTINATION .)

# Qt's translations of its own texts (the buttons of message boxes, a text box's menu), for the
# languages Kelvane is translated into; the same files Debian's Qt uses.
file(GLOB qt_translations RELATIVE ${PROJECT_SOURCE_DIR}/translations
    ${PROJECT_SOURCE_DIR}/translations/kelvane_*.ts)
list(TRANSFORM qt_translations REPLACE "^kelvane_(.*)\\.ts$"
    "/usr/share/qt6/translations/qtbase_\\1.qm")
foreach(qt_translation ${qt_translations})
    if(NOT EXISTS ${qt_translation})
        message(FATAL_ERROR "No ${qt_translation}: run scripts/install-deps.")
    endif()
endforeach()
install(FILES ${qt_translations} DESTINATION translations)

# Kelvane's own terms, which the installer shows before it installs, and Qt's licence.
set(license_file ${PROJECT_BINARY_DIR}/packaging/LICENSE.txt)
file(CONFIGURE OUTPUT ${license_file} @ONLY CONTENT [[
Kelvane @PROJECT_VERSION@

@license@
Kelvane uses the Qt libraries (Qt Core, Qt Gui, Qt Network, Qt Widgets, Qt Concurrent and their
Windows plugins), which are licensed under the GNU Lesser General Public License version 3.
Their licence, and where their source is to be had, are in the folder licenses\Qt beside the program.
]])
install(FILES ${license_file} DESTINATION licenses RENAME Kelvane.txt)
install(DIRECTORY ${KELVANE_WINDOWS_QT}/LICENSES/ DESTINATION licenses/Qt)
install(FILES ${KELVANE_WINDOWS_QT}/SOURCE.txt DESTINATION licenses/Qt)
# SQLite is linked into kelvane.exe (a static library, so no DLL goes with it); it is in the
# public domain, as Debian's copyright file beside it says.
install(FILES ${KELVANE_WINDOWS_SQLITE}/LICENSES/sqlite3-copyright.txt DESTINATION licenses/SQLite)

# The MinGW runtime libraries, stripped of the debugging data Debian ships them with.
set(runtime_dir ${PROJECT_BINARY_DIR}/packaging/runtime)
foreach(library libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${library}
        OUTPUT_VARIABLE library_path OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    add_custom_command(OUTPUT ${runtime_dir}/${library}
        COMMAND ${CMAKE_STRIP} --strip-unneeded -o ${runtime_dir}/${library} ${library_path}
        DEPENDS ${library_path}
        COMMENT "Stripping ${library}")
    list(APPEND runtime_libraries ${runtime_dir}/${library})
endforeach()
add_custom_target(windows_runtime ALL DEPENDS ${runtime_libraries})
install(PROGRAMS ${runtime_libraries} DESTINATION .)

set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR "Kelvane developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY ${PROJECT_NAME})
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY ${PROJECT_NAME})
set(CPACK_PACKAGE_EXECUTABLES kelvane ${PROJECT_NAME})
set(CPACK_GENERATOR NSIS64 ZIP)
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${license_file})

# A per-machine install into Program Files with a Start-menu shortcut, an entry in Apps and
# Features and Uninstall.exe beside the program. Debian's makensis builds a 32-bit installer
# unless told otherwise, and 64-bit Windows without its 32-bit layer cannot run that.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_NSIS_DISPLAY_NAME ${PROJECT_NAME})
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME kelvane.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/kelvane.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/kelvane.ico)
set(CPACK_NSIS_URL_INFO_ABOUT ${PROJECT_HOMEPAGE_URL})
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)

include(CPack)

# The Windows program links against the Qt that scripts/build-qt-windows keeps in its cache,
# built from the same source version as the host Qt whose moc, rcc and uic generate its code.
execute_process(COMMAND ${PROJECT_SOURCE_DIR}/scripts/build-qt-windows --prefix
    OUTPUT_VARIABLE KELVANE_WINDOWS_QT OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
if(NOT EXISTS ${KELVANE_WINDOWS_QT}/lib/cmake/Qt6/Qt6Config.cmake)
    message(FATAL_ERROR "No Qt for Windows in ${KELVANE_WINDOWS_QT}: build it once with "
        "scripts/build-qt-windows (about 20 to 40 minutes on two cores); make test does so.")
endif()
list(APPEND CMAKE_FIND_ROOT_PATH ${KELVANE_WINDOWS_QT})
set(QT_HOST_PATH /usr)
file(GLOB host_qt_config /usr/lib/*/cmake/Qt6/Qt6Config.cmake)
if(NOT host_qt_config)
    message(FATAL_ERROR "No host Qt in /usr: run scripts/install-deps.")
endif()
cmake_path(GET host_qt_config PARENT_PATH host_qt_cmake_dir)
cmake_path(GET host_qt_cmake_dir PARENT_PATH QT_HOST_PATH_CMAKE_DIR)

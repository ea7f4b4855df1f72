# The Windows builds link the static SQLite that scripts/build-sqlite-windows keeps in its
# cache, built from the same Debian source version as the host's libsqlite3; FindSQLite3 finds
# it below the find root.
execute_process(COMMAND ${PROJECT_SOURCE_DIR}/scripts/build-sqlite-windows --prefix
    OUTPUT_VARIABLE KELVANE_WINDOWS_SQLITE OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
if(NOT EXISTS ${KELVANE_WINDOWS_SQLITE}/lib/libsqlite3.a)
    message(FATAL_ERROR "No SQLite for Windows in ${KELVANE_WINDOWS_SQLITE}: build it once with "
        "scripts/build-sqlite-windows (a few minutes); make test does so.")
endif()
list(APPEND CMAKE_FIND_ROOT_PATH ${KELVANE_WINDOWS_SQLITE})
# A build tree configured before the cache moved (its key follows the build's options) finds
# the new one, not the library it found first.
set(SQLite3_INCLUDE_DIR ${KELVANE_WINDOWS_SQLITE}/include CACHE PATH "" FORCE)
set(SQLite3_LIBRARY ${KELVANE_WINDOWS_SQLITE}/lib/libsqlite3.a CACHE FILEPATH "" FORCE)

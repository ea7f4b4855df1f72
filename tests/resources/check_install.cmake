# Installs the build into a fresh prefix and checks that the program and what the desktop
# needs of it land where the desktop looks for them.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
    bin/kelvane
    share/applications/org.kelvane.Kelvane.desktop
    share/metainfo/org.kelvane.Kelvane.metainfo.xml
    share/icons/hicolor/scalable/apps/kelvane.svg)
foreach(size 16 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/kelvane.png)
endforeach()
foreach(file IN LISTS expected)
    if(NOT EXISTS "${PREFIX}/${file}")
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

file(READ "${PREFIX}/share/metainfo/org.kelvane.Kelvane.metainfo.xml" metainfo)
if(NOT metainfo MATCHES "<release version=\"${VERSION}\"")
    message(FATAL_ERROR "the metainfo names no release ${VERSION}")
endif()
file(STRINGS "${PREFIX}/share/applications/org.kelvane.Kelvane.desktop" comment REGEX "^Comment=")
if(NOT comment STREQUAL "Comment=Kelvane: Dice rolling for gamers!")
    message(FATAL_ERROR "unexpected desktop comment: ${comment}")
endif()
file(REMOVE_RECURSE "${PREFIX}")

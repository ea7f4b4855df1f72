# Makes a fresh Wine prefix holding the registry values the Windows tests read (STEP=setup),
# or ends its Wine server and removes it (STEP=cleanup).
get_filename_component(wine_folder "${WINE}" DIRECTORY)
find_program(WINESERVER NAMES wineserver64 wineserver HINTS "${wine_folder}" REQUIRED)

if(STEP STREQUAL "cleanup")
    execute_process(COMMAND "${WINESERVER}" -k)
    file(REMOVE_RECURSE "${PREFIX}")
    return()
endif()

file(REMOVE_RECURSE "${PREFIX}")
file(MAKE_DIRECTORY "${PREFIX}")
# One server for all the tests, and for the services Wine starts with the prefix, so that no
# test starts them anew; it ends by itself half a minute after its last program, should the
# cleanup never run. Wine's output goes to files: the services it starts would hold a pipe
# open, and each step and test would wait for them to end.
execute_process(COMMAND "${WINESERVER}" -p30 OUTPUT_FILE /dev/null ERROR_FILE /dev/null)
execute_process(COMMAND "${WINE}" wineboot -i RESULT_VARIABLE result
    OUTPUT_FILE "${PREFIX}/wineboot.log" ERROR_FILE "${PREFIX}/wineboot.log")
if(NOT result EQUAL 0)
    file(READ "${PREFIX}/wineboot.log" log)
    message(FATAL_ERROR "wineboot failed: ${result}\n${log}")
endif()

# Every Windows has Tahoma, the font of its dialogs and of Qt's text boxes there; a fresh
# prefix has none, and its text boxes would show no text.
file(GLOB tahoma /usr/share/wine/fonts/tahoma*.ttf)
if(NOT tahoma)
    message(FATAL_ERROR "No Tahoma in /usr/share/wine/fonts: run scripts/install-deps.")
endif()
file(COPY ${tahoma} DESTINATION "${PREFIX}/drive_c/windows/Fonts")

# The values, imported in one start of Wine's regedit. The ANSI reads report strings with
# their terminating zero, so 1023 characters make 1024 bytes and 1024 characters one byte too
# many; binary values are read as they are stored. Wine's regedit gives every string a
# terminating zero, so the strings stored without one are written by the test itself.
string(REPEAT "x" 1023 chars_1023)
string(REPEAT "78," 1023 bytes_1023)
file(WRITE "${PREFIX}/values.reg" "Windows Registry Editor Version 5.00

[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kelvane Tests]
\"Terminated\"=\"abcdefgh\"
\"Bytes1024\"=\"${chars_1023}\"
\"Bytes1025\"=\"${chars_1023}x\"
\"Binary1024\"=hex:${bytes_1023}78
\"Binary1025\"=hex:${bytes_1023}78,78
\"Empty\"=\"\"
\"Dword261\"=dword:00000105
\"DwordAllBytes\"=dword:12345678
\"Expandable\"=hex(2):78,00
")
execute_process(COMMAND "${WINE}" regedit /S "${PREFIX}/values.reg" RESULT_VARIABLE result
    OUTPUT_FILE "${PREFIX}/regedit.log" ERROR_FILE "${PREFIX}/regedit.log")
if(NOT result EQUAL 0)
    file(READ "${PREFIX}/regedit.log" log)
    message(FATAL_ERROR "regedit failed: ${result}\n${log}")
endif()

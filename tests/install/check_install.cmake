# Installs the build tree into a fresh prefix and checks what lands there:
# exactly the program, the desktop entry, the metainfo and the themed icons
# (each PNG a real PNG of its size), and a program that starts from where it
# was installed.
#
# cmake -D BUILD_DIR=... -D PREFIX=... -D APP_ID=... -P check_install.cmake
foreach(var IN ITEMS BUILD_DIR PREFIX APP_ID)
    if(NOT ${var})
        message(FATAL_ERROR "${var} is not set")
    endif()
endforeach()

set(failures "")
macro(fail text)
    string(APPEND failures "\n  ${text}")
endmacro()

file(REMOVE_RECURSE ${PREFIX})
execute_process(
    COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${result}):\n${output}")
endif()

# Exactly these files: a missing one breaks the desktop, an extra one (a
# test program, a static library) does not belong on a user's machine.
set(expected
    bin/tavimor
    ${MODULE}
    share/applications/${APP_ID}.desktop
    share/icons/hicolor/128x128/apps/${APP_ID}.png
    share/icons/hicolor/16x16/apps/${APP_ID}.png
    share/icons/hicolor/32x32/apps/${APP_ID}.png
    share/icons/hicolor/48x48/apps/${APP_ID}.png
    share/icons/hicolor/scalable/apps/${APP_ID}.svg
    share/metainfo/${APP_ID}.metainfo.xml)
file(GLOB_RECURSE installed RELATIVE ${PREFIX} LIST_DIRECTORIES false ${PREFIX}/*)
list(SORT installed)
list(SORT expected)
set(missing ${expected})
list(REMOVE_ITEM missing ${installed})
set(extra ${installed})
list(REMOVE_ITEM extra ${expected})
foreach(file IN LISTS missing)
    fail("missing: ${file}")
endforeach()
foreach(file IN LISTS extra)
    fail("not expected: ${file}")
endforeach()

# A PNG starts with its 8-byte signature, then the IHDR chunk whose first
# eight data bytes are the width and height, big-endian.
foreach(size IN ITEMS 16 32 48 128)
    set(png ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
    if(NOT EXISTS ${png})
        continue()
    endif()
    file(READ ${png} header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 0 16 signature)
    string(SUBSTRING "${header}" 32 16 dimensions)
    # 16 -> "00000010": the size as eight hex digits.
    math(EXPR side "${size}" OUTPUT_FORMAT HEXADECIMAL)
    string(REPLACE "0x" "0000000" side "${side}")
    string(LENGTH "${side}" length)
    math(EXPR skip "${length} - 8")
    string(SUBSTRING "${side}" ${skip} 8 side)
    if(NOT signature STREQUAL "89504e470d0a1a0a")
        fail("${size} px icon is not a PNG")
    elseif(NOT dimensions STREQUAL "${side}${side}")
        fail("${size} px icon has the header size ${dimensions}, not ${side}${side}")
    endif()
endforeach()

# The program loads the HTTP module when it first submits, from its run path.
file(READ_ELF ${PREFIX}/bin/tavimor RUNPATH runpath CAPTURE_ERROR elf_error)
string(REPLACE "$ORIGIN" "${PREFIX}/bin" runpath "${runpath}")
string(REPLACE ":" ";" runpath "${runpath}")
get_filename_component(module_name ${MODULE} NAME)
set(module_found FALSE)
foreach(dir IN LISTS runpath)
    if(EXISTS ${dir}/${module_name})
        set(module_found TRUE)
    endif()
endforeach()
if(NOT module_found)
    fail("bin/tavimor's run path (${runpath}${elf_error}) leads to no ${module_name}")
endif()

# The installed program finds its libraries and resources and opens its
# dialog: still running after a few seconds, when the time limit ends it,
# with its Profiles folder made in the directory it was started from.
if(EXISTS ${PREFIX}/bin/tavimor)
    set(run_dir ${PREFIX}/run)
    file(MAKE_DIRECTORY ${run_dir})
    execute_process(
        # Its own data folder, where no recovery copy waits to be offered.
        COMMAND timeout 3 ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${run_dir}/data ${PREFIX}/bin/tavimor
        WORKING_DIRECTORY ${run_dir}
        RESULT_VARIABLE result
        OUTPUT_VARIABLE output
        ERROR_VARIABLE output)
    if(NOT result EQUAL 124)
        fail("bin/tavimor ended by itself (${result}) instead of showing its dialog:\n${output}")
    elseif(NOT IS_DIRECTORY ${run_dir}/Profiles)
        fail("bin/tavimor made no Profiles folder where it was started")
    endif()
    file(REMOVE_RECURSE ${run_dir})
endif()

if(failures)
    message(FATAL_ERROR "The installed tree is not as expected:${failures}")
endif()
message(STATUS "Installed tree under ${PREFIX} is complete and its program starts")

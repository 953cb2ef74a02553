# What every target of ours is built with, and how a layer shows its headers.

# Linked by every target of ours: warnings on for our own code (not for what
# it includes from elsewhere), and the sanitizers or the fuzzers' coverage
# when asked for, so that the core and everything linking it are
# instrumented alike and a report aborts instead of scrolling past.
add_library(tavimor_options INTERFACE)
target_compile_options(tavimor_options INTERFACE -Wall -Wextra)
# A debug build checks every index into the standard containers and spans,
# so an index one past the end aborts where it happens instead of reading
# whatever lies beyond. The checks leave the library's layout alone.
target_compile_definitions(tavimor_options INTERFACE $<$<CONFIG:Debug>:_GLIBCXX_ASSERTIONS>)
if(TAVIMOR_SANITIZE)
    target_compile_options(tavimor_options INTERFACE
        -fsanitize=${TAVIMOR_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
    target_link_options(tavimor_options INTERFACE -fsanitize=${TAVIMOR_SANITIZE})
endif()
if(TAVIMOR_BUILD_FUZZERS)
    # libFuzzer's main is linked into the fuzz targets only (tests/fuzz).
    target_compile_options(tavimor_options INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
        -fno-sanitize-recover=all)
    target_link_options(tavimor_options INTERFACE -fsanitize=address,undefined)
endif()

# tavimor_layer(<target>): the library <target>, made in the folder of its
# sources, shows their headers as "<folder>/name.h" to itself and to whatever
# links it, and to nothing else: its include path holds a link named after
# the folder, never the repository's root, so including a layer that a target
# does not link fails to build. <folder> is the path from the repository's
# root, so a layer in a sub-folder ("form/marks") is included as
# "form/marks/name.h" and shows nothing of the folder above it.
function(tavimor_layer target)
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    set(root ${CMAKE_CURRENT_BINARY_DIR}/include)
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
    target_include_directories(${target} PUBLIC ${root})
    target_link_libraries(${target} PRIVATE tavimor_options)
endfunction()

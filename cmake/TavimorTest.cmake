# tavimor_add_test(<name> SOURCES <files...> [LIBS <targets...>] [LABELS <labels...>] [OWN_MAIN])
#
# OWN_MAIN: the sources bring their own main() (the Qt tests, which need a
# QApplication); otherwise GoogleTest's main is linked in.
# One GoogleTest executable, its cases registered one by one with CTest. Every
# test runs with Qt's offscreen platform so that a plain `ctest` needs no
# display, and in the build tree's scratch folder rather than the source tree.
find_package(GTest REQUIRED)
include(GoogleTest)

function(tavimor_add_test name)
    cmake_parse_arguments(ARG "OWN_MAIN" "" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
    if(NOT ARG_OWN_MAIN)
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
    endif()
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 30
        PROPERTIES
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
            LABELS "${ARG_LABELS}"
            TIMEOUT 120)
endfunction()

# tavimor_add_test(<name> SOURCES <files...> [LIBS <targets...>] [LABELS <labels...>] [OWN_MAIN]
#                  [LAUNCHER <command...>])
#
# OWN_MAIN: a library in LIBS brings main() (the Qt tests take theirs from
# tavimor_qt_test_support, which runs them in a scratch folder inside the
# application object); otherwise GoogleTest's main is linked in.
# LAUNCHER: the program runs (to list its cases, and for each case) as the
# last arguments of this command, e.g. a script that sets up a private
# D-Bus session around it.
# One GoogleTest executable, its cases registered one by one with CTest. Every
# test runs with Qt's offscreen platform so that a plain `ctest` needs no
# display. A test that hangs (a modal box nobody closes) fails after 30 s,
# several times the slowest normal run.
find_package(GTest REQUIRED)
include(GoogleTest)

function(tavimor_add_test name)
    cmake_parse_arguments(ARG "OWN_MAIN" "" "SOURCES;LIBS;LABELS;LAUNCHER" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    if(ARG_LAUNCHER)
        # GoogleTest's discovery runs the program through a target's emulator.
        set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR "${ARG_LAUNCHER}")
    endif()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} tavimor_options GTest::gtest GTest::gmock)
    # Test programs run in seconds whatever the optimiser does, and their
    # many expectations cost it most of the build's time: they are built
    # without it. (What they test is built as the build type says.)
    target_compile_options(${name} PRIVATE -O0)
    if(NOT ARG_OWN_MAIN)
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
    endif()
    # A list inside the properties' list keeps its separators escaped.
    string(REPLACE ";" "\\;" labels "${ARG_LABELS}")
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 30
        PROPERTIES
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
            LABELS "${labels}"
            TIMEOUT 30)
endfunction()

# The program's command line, run as a user runs it (cmake -P, with PROGRAM,
# VERSION and WORK set): --help and --version answer and end with 0; an
# unknown option or a second profile print the usage to the error output
# and end with 2; --help and --version answer with no display at all (no
# X11, no Wayland, no platform named), and Qt's own options pass; a profile that cannot be loaded is refused with Load's
# message, naming the file in full, while the window stays open. On a
# German desktop, all of it is German.
set(failures "")
function(expect_run code out_pattern err_pattern)
    execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${WORK}
        RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT result STREQUAL code OR NOT out MATCHES "${out_pattern}" OR NOT err MATCHES "${err_pattern}")
        set(failures "${failures}\n${ARGN}: ended with ${result}, printed:\n${out}\nand to errors:\n${err}"
            PARENT_SCOPE)
    endif()
endfunction()

file(MAKE_DIRECTORY ${WORK})
expect_run(0 "^Usage: [^\n]*tavimor \\[options\\] \\[profile\\]\nOrders a custom search box for your web site\\.\n.*-h, --help +Displays this help\\.\n.*-v, --version.*--registrations +Prints the registrations kept.*profile +A profile \\(\\.dat\\) to open in the form\\.\n$" "" ${PROGRAM} --help)
expect_run(2 "^$" "Unknown option 'help-all'" ${PROGRAM} --help-all)
# On a German desktop, the help is German: the program's words and Qt's.
set(german ${CMAKE_COMMAND} -E env --unset=LC_ALL --unset=LC_MESSAGES LANGUAGE=de LANG=de_DE.UTF-8)
expect_run(0 "^Aufruf: [^\n]*tavimor \\[Optionen\\] \\[Profil\\]\nBestellt ein eigenes Suchfeld für Ihre Website\\.\n.*-h, --help +Zeigt diese Hilfe an\\.\n.*Profil +Ein Profil \\(\\.dat\\), das im Formular geöffnet wird\\." "" ${german} ${PROGRAM} --help)
expect_run(2 "^$" "Es kann immer nur ein Profil geöffnet werden\\.\n\nAufruf: " ${german} ${PROGRAM} a.dat b.dat)
expect_run(0 "^Tavimor ${VERSION}\n$" "" ${PROGRAM} --version)
expect_run(2 "^$" "Unknown option 'bogus'\\.\n\nUsage: " ${PROGRAM} --bogus)
set(no_display ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM)
expect_run(0 "^Tavimor ${VERSION}\n$" "" ${no_display} ${PROGRAM} --version)
expect_run(0 "^Usage: [^\n]*tavimor \\[options\\] \\[profile\\]\n" "" ${no_display} ${PROGRAM} --help)
expect_run(2 "^$" "Unknown option 'bogus'" ${no_display} ${PROGRAM} --bogus)
# The record listed with no display: none kept yet prints nothing; a damaged
# one says so on the error output.
expect_run(0 "^$" "^$" ${no_display} XDG_DATA_HOME=${WORK}/data ${PROGRAM} --registrations)
file(MAKE_DIRECTORY ${WORK}/damaged/Tavimor)
file(WRITE ${WORK}/damaged/Tavimor/registrations.db "not a database at all, just some text")
expect_run(1 "^$" "registrations" ${no_display} XDG_DATA_HOME=${WORK}/damaged ${PROGRAM} --registrations)
expect_run(0 "^Tavimor ${VERSION}\n$" "" ${PROGRAM} -style Fusion -reverse -geometry 400x300 -platform offscreen --version)
expect_run(2 "^$" "Only one profile can be opened at a time\\.\n\nUsage: " ${PROGRAM} a.dat b.dat)
# Still running when the time limit ends it: the refusal did not end it.
expect_run(124 "^$" "Cannot load the profile \"${WORK}/missing\\.dat\": there is no such file\\."
    timeout 2 ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${WORK}/data ${PROGRAM} missing.dat)
file(REMOVE_RECURSE ${WORK})
if(failures)
    message(FATAL_ERROR "The command line is not as expected:${failures}")
endif()

# The program's translations: one i18n/tavimor_<language>.ts per language,
# kept as Qt projects keep them, compiled to .qm files that are embedded
# under :/i18n. `make translations` (the update_translations target) brings
# the .ts files up to date with the sources; the test
# Translations.EveryTextHasAFinishedTranslation fails while a text lacks a
# finished translation.

# The words the core marks for the user (profile/translatable_text.h) are
# found as Qt's own marks are.
set(TAVIMOR_LUPDATE_ALIAS QT_TRANSLATE_NOOP+=TAVIMOR_TRANSLATE_NOOP)
# Texts no longer in the sources are dropped; locations are left out, since
# line numbers would change the files with every edit of the sources.
set(TAVIMOR_LUPDATE_OPTIONS
    -no-obsolete -locations none -tr-function-alias ${TAVIMOR_LUPDATE_ALIAS})
set(TAVIMOR_TRANSLATIONS_DIR ${PROJECT_SOURCE_DIR}/i18n)
set(TAVIMOR_TS_FILES ${TAVIMOR_TRANSLATIONS_DIR}/tavimor_de.ts)
# The list of sources lupdate reads, one a line, and the folders their
# includes are found in ("-I" lines), for the test that checks the
# translations against them. Without the headers, lupdate cannot tell that
# a class is in namespace tavimor, and files the tr() of its members under
# another context than `make translations` does.
set(TAVIMOR_LUPDATE_SOURCES ${PROJECT_BINARY_DIR}/i18n/lupdate-sources.lst)

# tavimor_add_translations(<target> <library>...): the translations of the
# texts in the sources of <target> and of each <library> (with the header
# beside each source), embedded into <target>. Generated sources are left
# out: they hold no texts of ours.
function(tavimor_add_translations target)
    set(sources "")
    foreach(owner IN ITEMS ${target} ${ARGN})
        get_target_property(folder ${owner} SOURCE_DIR)
        get_target_property(files ${owner} SOURCES)
        foreach(file IN LISTS files)
            cmake_path(ABSOLUTE_PATH file BASE_DIRECTORY ${folder} NORMALIZE)
            cmake_path(IS_PREFIX PROJECT_BINARY_DIR ${file} generated)
            if(generated OR NOT EXISTS ${file})
                continue()
            endif()
            list(APPEND sources ${file})
            cmake_path(REPLACE_EXTENSION file .h OUTPUT_VARIABLE header)
            if(EXISTS ${header})
                list(APPEND sources ${header})
            endif()
        endforeach()
    endforeach()
    list(REMOVE_DUPLICATES sources)
    qt_add_translations(${target}
        TS_FILES ${TAVIMOR_TS_FILES}
        SOURCES ${sources}
        RESOURCE_PREFIX /i18n
        LUPDATE_OPTIONS ${TAVIMOR_LUPDATE_OPTIONS})
    list(JOIN sources "\n" lines)
    # As qt_add_translations gives them to lupdate: the target's include
    # folders with those of everything it links.
    set(includes "$<TARGET_PROPERTY:${target},INCLUDE_DIRECTORIES>")
    set(include_lines "$<$<BOOL:${includes}>:-I$<JOIN:${includes},\n-I>\n>")
    file(GENERATE OUTPUT ${TAVIMOR_LUPDATE_SOURCES} CONTENT "${lines}\n${include_lines}")
endfunction()

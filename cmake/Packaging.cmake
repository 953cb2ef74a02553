# What `cmake --install` puts on a desktop, and the Debian package that
# `make package` (CPack) builds from it. The desktop entry, the metainfo and
# the icon all carry one application id, which is how a desktop ties the
# launcher, the software centre's page and the icon to one another.
set(tavimor_desktop_dir ${PROJECT_SOURCE_DIR}/res/desktop)
set(tavimor_icon_svg ${PROJECT_SOURCE_DIR}/res/pictures/app-icon.svg)
set(tavimor_hicolor ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

install(TARGETS tavimor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${tavimor_desktop_dir}/${TAVIMOR_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The release it names is the project's version, like the package's and the
# one the program reports.
set(TAVIMOR_METAINFO_FILE ${CMAKE_CURRENT_BINARY_DIR}/res/desktop/${TAVIMOR_APP_ID}.metainfo.xml)
configure_file(${tavimor_desktop_dir}/${TAVIMOR_APP_ID}.metainfo.xml.in ${TAVIMOR_METAINFO_FILE} @ONLY)
install(FILES ${TAVIMOR_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icon theme: the SVG for any size, and PNGs drawn from it at build time
# for the sizes that panels and menus ask for most, since not every desktop
# reads SVG icons.
install(FILES ${tavimor_icon_svg} DESTINATION ${tavimor_hicolor}/scalable/apps
        RENAME ${TAVIMOR_APP_ID}.svg)
set(tavimor_icon_pngs)
foreach(size IN ITEMS 16 32 48 128)
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/icons/hicolor/${size}x${size}/apps)
    set(png ${dir}/${TAVIMOR_APP_ID}.png)
    # Leak reports of an instrumented build would fail the drawing, not
    # anything it draws.
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
                $<TARGET_FILE:tavimor-render-icon> ${tavimor_icon_svg} ${size} ${png}
        DEPENDS tavimor-render-icon ${tavimor_icon_svg}
        COMMENT "Drawing the ${size} x ${size} icon"
        VERBATIM)
    list(APPEND tavimor_icon_pngs ${png})
    install(FILES ${png} DESTINATION ${tavimor_hicolor}/${size}x${size}/apps)
endforeach()
add_custom_target(tavimor_icons ALL DEPENDS ${tavimor_icon_pngs})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavimor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tavimor")
set(CPACK_PACKAGE_CONTACT "Tavimor developers <developers@tavimor.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "order a custom search box for your web site")
# Debian shows the description as written: lines kept under 80 columns.
set(CPACK_PACKAGE_DESCRIPTION "\
Tavimor orders a custom branded search box for a web site from its
registration service. The site's owner fills in a seven-page form (contact
details, logo, colour scheme, favourite links, a target category or keyword)
and presses Submit, and Tavimor shows the ID code the service answers with.
Entries can be saved to and loaded from profile files.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program and its HTTP module link (libcurl among them)
# are found by dpkg-shlibdeps. Qt's platform
# plugins are loaded only at run time, so it cannot see them, and without one
# the program cannot open a window: that dependency is named here. The SVG
# icon engine that draws the window icon is a plugin too, but Debian ships it
# in libqt6svg6 itself, which the program links and so depends on already.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's own translations, found at run time too: without them the program's
# words are translated and Qt's dialogs and buttons stay in English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# QtKeychain reaches the desktop's keyring through libsecret, which it too
# loads only at run time; without it the program works but keeps no password.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libsecret-1-0")
include(CPack)

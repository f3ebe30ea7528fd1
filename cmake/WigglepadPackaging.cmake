# Installs Wigglepad where a Linux desktop looks for it (program, launcher entry, software-centre
# metadata, icons, manual page, font and its licence) and packs the same files into a .deb.
# Everything is in the one install component "wigglepad", so the package can never pick up
# files some other part of the build might install.
include(GNUInstallDirs)

set(WIGGLEPAD_APP_ID org.wigglepad.Wigglepad)
set(WIGGLEPAD_INSTALL_COMPONENT wigglepad)
set(wigglepad_packaging_dir ${PROJECT_SOURCE_DIR}/packaging)
set(wigglepad_generated_dir ${PROJECT_BINARY_DIR}/packaging)
set(wigglepad_icon_svg ${wigglepad_packaging_dir}/${WIGGLEPAD_APP_ID}.svg)

# Launchers and software centres pick bitmaps when a size is missing from the theme, so the
# common large sizes are rendered from the one drawing.
find_program(WIGGLEPAD_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(WIGGLEPAD_GZIP gzip REQUIRED)
set(wigglepad_icon_sizes 128 256)
set(wigglepad_generated_files)
foreach(size IN LISTS wigglepad_icon_sizes)
    set(png ${wigglepad_generated_dir}/icons/${size}x${size}/${WIGGLEPAD_APP_ID}.png)
    add_custom_command(
        OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${wigglepad_generated_dir}/icons/${size}x${size}
        COMMAND ${WIGGLEPAD_RSVG_CONVERT} --width=${size} --height=${size} --format=png
                --output=${png} ${wigglepad_icon_svg}
        DEPENDS ${wigglepad_icon_svg}
        COMMENT "Rendering the ${size}x${size} icon"
        VERBATIM)
    list(APPEND wigglepad_generated_files ${png})
endforeach()

# -n leaves the time stamp out, so the same page always packs into the same bytes.
set(wigglepad_man_page ${wigglepad_generated_dir}/wigglepad.6.gz)
add_custom_command(
    OUTPUT ${wigglepad_man_page}
    COMMAND ${CMAKE_COMMAND} -E copy ${wigglepad_packaging_dir}/wigglepad.6 ${wigglepad_generated_dir}/
    COMMAND ${WIGGLEPAD_GZIP} -9 -n -f ${wigglepad_generated_dir}/wigglepad.6
    DEPENDS ${wigglepad_packaging_dir}/wigglepad.6
    COMMENT "Compressing the manual page"
    VERBATIM)
list(APPEND wigglepad_generated_files ${wigglepad_man_page})
add_custom_target(wigglepad_desktop_files ALL DEPENDS ${wigglepad_generated_files})

install(TARGETS wigglepad
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT ${WIGGLEPAD_INSTALL_COMPONENT})
install(FILES ${wigglepad_packaging_dir}/${WIGGLEPAD_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT ${WIGGLEPAD_INSTALL_COMPONENT})
install(FILES ${wigglepad_packaging_dir}/${WIGGLEPAD_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT ${WIGGLEPAD_INSTALL_COMPONENT})
install(FILES ${wigglepad_icon_svg}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    COMPONENT ${WIGGLEPAD_INSTALL_COMPONENT})
foreach(size IN LISTS wigglepad_icon_sizes)
    install(FILES ${wigglepad_generated_dir}/icons/${size}x${size}/${WIGGLEPAD_APP_ID}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        COMPONENT ${WIGGLEPAD_INSTALL_COMPONENT})
endforeach()
install(FILES ${wigglepad_man_page}
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man6 COMPONENT ${WIGGLEPAD_INSTALL_COMPONENT})
# The program carries the font inside itself; the file and its licence go along so the font's
# terms travel with every copy.
install(FILES ${PROJECT_SOURCE_DIR}/resources/fonts/Nunito_900Black.ttf
    DESTINATION ${CMAKE_INSTALL_DATADIR}/wigglepad/fonts COMPONENT ${WIGGLEPAD_INSTALL_COMPONENT})
install(FILES ${PROJECT_SOURCE_DIR}/resources/fonts/OFL.txt
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/wigglepad RENAME Nunito-OFL.txt
    COMPONENT ${WIGGLEPAD_INSTALL_COMPONENT})

set(CPACK_PACKAGE_NAME wigglepad)
set(CPACK_PACKAGE_VENDOR "Wigglepad")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "safe play screen for babies and toddlers")
set(CPACK_PACKAGE_DESCRIPTION
    "Wigglepad turns the main screen into a play surface for a baby or toddler: every key \
press, click, drag and pointer movement paints coloured figures, letters, ribbons and a \
rainbow trail, while the desktop is locked down so the child cannot switch windows, close \
the program or log out. An adult leaves by holding Escape for 3 seconds.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL ${WIGGLEPAD_INSTALL_COMPONENT})
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Wigglepad maintainers <maintainers@wigglepad.org>"
    CACHE STRING "Maintainer field of the .deb")
# The library packages come from what the binary links, as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt draws on X11 by itself; on Wayland it needs the platform plugin, which nothing links.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
include(CPack)

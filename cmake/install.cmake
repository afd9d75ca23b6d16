# Install rules: the program, its app-defaults file, man page, desktop entry
# and icon, in their usual places.
include(GNUInstallDirs)

# The app-defaults file is written from the compiled-in fallback resources.
add_executable(dirnaut_app_defaults shell/app_defaults_main.cpp)
target_link_libraries(dirnaut_app_defaults PRIVATE dirnaut_x)
set(DIRNAUT_APP_DEFAULTS_FILE ${CMAKE_BINARY_DIR}/Dirnaut)
add_custom_command(OUTPUT ${DIRNAUT_APP_DEFAULTS_FILE}
                   COMMAND dirnaut_app_defaults ${DIRNAUT_APP_DEFAULTS_FILE}
                   DEPENDS dirnaut_app_defaults
                   COMMENT "Writing the app-defaults file Dirnaut")
add_custom_target(dirnaut_app_defaults_file ALL DEPENDS ${DIRNAUT_APP_DEFAULTS_FILE})

pkg_get_variable(XT_APPDEFAULTDIR xt appdefaultdir)
set(DIRNAUT_APPDEFAULTDIR "${XT_APPDEFAULTDIR}" CACHE STRING
    "Where the app-defaults file goes (relative paths lie under the install prefix)")

install(TARGETS dirnaut RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${DIRNAUT_APP_DEFAULTS_FILE} DESTINATION ${DIRNAUT_APPDEFAULTDIR})
install(FILES doc/dirnaut.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES shell/dirnaut.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES shell/dirnaut.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

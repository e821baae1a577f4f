# cmake --install: the programs with their resources beside them in <prefix>/lib/vorn (the
# program reads skin/, DefaultData/ and Font/ from its own folder), vorn and vornctl on the
# path, the desktop entry and icon, and the udev rule that lets the user at the seat open
# the devices (under <prefix>/lib/udev/rules.d; a prefix other than /usr needs the rule
# copied to /etc/udev/rules.d by hand).
include(GNUInstallDirs)
set(VORN_INSTALL_DIR "lib/vorn")
install(TARGETS vorn vornctl skinview RUNTIME DESTINATION "${VORN_INSTALL_DIR}")
install(DIRECTORY "${VORN_BIN_DIR}/skin" "${VORN_BIN_DIR}/DefaultData" "${VORN_BIN_DIR}/Font"
        DESTINATION "${VORN_INSTALL_DIR}")
install(CODE "
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    foreach(program vorn vornctl)
        file(CREATE_LINK \"../${VORN_INSTALL_DIR}/\${program}\"
             \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${program}\" SYMBOLIC)
    endforeach()")
install(FILES "${CMAKE_SOURCE_DIR}/resources/desktop/io.vorn.Vorn.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${CMAKE_SOURCE_DIR}/resources/skin/common/logo.svg"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps" RENAME io.vorn.Vorn.svg)
install(FILES "${CMAKE_SOURCE_DIR}/resources/udev/70-vorn.rules" DESTINATION "lib/udev/rules.d")

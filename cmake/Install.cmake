# The installed program: lib/kalmoro holds the program, its browser and print plugins and the web pages;
# bin/kalmoro links to it (the program resolves the link to find its folder).
install(TARGETS kalmoro RUNTIME DESTINATION "${KALMORO_INSTALL_PROGRAM_DIR}")

if(UNIX AND NOT APPLE)
    file(CREATE_LINK "../${KALMORO_INSTALL_PROGRAM_DIR}/kalmoro" "${PROJECT_BINARY_DIR}/kalmoro-launcher" SYMBOLIC)
    install(FILES "${PROJECT_BINARY_DIR}/kalmoro-launcher" DESTINATION bin RENAME kalmoro)

    configure_file("${PROJECT_SOURCE_DIR}/assets/kalmoro.desktop.in" "${PROJECT_BINARY_DIR}/kalmoro.desktop" @ONLY)
    install(FILES "${PROJECT_BINARY_DIR}/kalmoro.desktop" DESTINATION share/applications)
    install(DIRECTORY "${PROJECT_SOURCE_DIR}/assets/icon/hicolor/" DESTINATION share/icons/hicolor
        FILES_MATCHING PATTERN "*.png")

    # What a Debian package carries besides the program: the manual page, the copyright, the
    # package's changelog and the lintian overrides. Compressed as Debian wants them: gzip -9n,
    # no name or time stamp, so that the same sources give the same package.
    # The package's Debian revision, in its changelog and its version alike.
    set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
    set(KALMORO_DEB_VERSION "${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}")
    find_program(KALMORO_GZIP gzip REQUIRED)
    set(kalmoro_gzipped)
    foreach(name IN ITEMS kalmoro.1 changelog.Debian)
        configure_file("${PROJECT_SOURCE_DIR}/packaging/${name}.in" "${PROJECT_BINARY_DIR}/${name}" @ONLY)
        add_custom_command(OUTPUT "${PROJECT_BINARY_DIR}/${name}.gz"
            COMMAND "${KALMORO_GZIP}" -9n -c "${PROJECT_BINARY_DIR}/${name}" > "${PROJECT_BINARY_DIR}/${name}.gz"
            DEPENDS "${PROJECT_BINARY_DIR}/${name}"
            VERBATIM)
        list(APPEND kalmoro_gzipped "${PROJECT_BINARY_DIR}/${name}.gz")
    endforeach()
    add_custom_target(kalmoro_package_files ALL DEPENDS ${kalmoro_gzipped})
    install(FILES "${PROJECT_BINARY_DIR}/kalmoro.1.gz" DESTINATION share/man/man1)
    install(FILES "${PROJECT_SOURCE_DIR}/packaging/copyright" "${PROJECT_BINARY_DIR}/changelog.Debian.gz"
        DESTINATION share/doc/kalmoro)
    install(FILES "${PROJECT_SOURCE_DIR}/packaging/lintian-overrides" DESTINATION share/lintian/overrides
        RENAME kalmoro)
endif()

if(WIN32)
    target_sources(kalmoro PRIVATE "${PROJECT_SOURCE_DIR}/assets/kalmoro.rc")
endif()

if(PROJECT_IS_TOP_LEVEL)
    set(CPACK_PACKAGE_NAME kalmoro)
    set(CPACK_PACKAGE_VENDOR "Lumavo")
    set(CPACK_PACKAGE_CONTACT "Lumavo <support@lumavo.example>")
    # The synopsis needs a space: lintian reads a synopsis of one word as too short.
    set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "中央空调工具箱 — 加氟量、铜管价格、风口价格、冷凝水管与空调选型")
    set(CPACK_PACKAGE_DESCRIPTION [=[
A desktop toolbox, in Simplified Chinese, for the people who sell, design and
install central air conditioning (multi-split systems: one outdoor unit,
several indoor units). In one window it answers the questions of a site
visit: how much refrigerant to add after the piping is laid, what the copper
pipe and the air vents cost, which condensate drain pipe to use, and what
five air-conditioner brands offer. It works offline, except for the copper
futures quotation on the copper pipe page.]=])
    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_STRIP_FILES ON)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION utils)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://${KALMORO_MAKER_HOST}/")
    # dpkg-shlibdeps finds the libraries the program and the browser plugin link (with the web
    # engine's helper process). Listed here is what else they load at run time.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(kalmoro_runtime_depends
        qt6-qpa-plugins # the platform plugins
        fonts-noto-cjk # the Simplified Chinese faces of the user interface
        qt6-translations-l10n) # Qt's own texts (buttons, context menus) in Simplified Chinese
    list(JOIN kalmoro_runtime_depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
    # Native Wayland sessions; without it the program runs through XWayland.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
    include(CPack)
endif()

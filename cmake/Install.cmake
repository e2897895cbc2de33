# The installed program: lib/kalmoro holds the program, its browser and print plugins and the web pages;
# bin/kalmoro links to it (the program resolves the link to find its folder).
install(TARGETS kalmoro RUNTIME DESTINATION "${KALMORO_INSTALL_PROGRAM_DIR}")

if(UNIX AND NOT APPLE)
    file(CREATE_LINK "../${KALMORO_INSTALL_PROGRAM_DIR}/kalmoro" "${PROJECT_BINARY_DIR}/kalmoro-launcher" SYMBOLIC)
    install(FILES "${PROJECT_BINARY_DIR}/kalmoro-launcher" DESTINATION bin RENAME kalmoro)

    # The desktop entry and the software centres' metadata, both named by the program's id.
    configure_file("${PROJECT_SOURCE_DIR}/assets/kalmoro.desktop.in" "${PROJECT_BINARY_DIR}/${KALMORO_APP_ID}.desktop" @ONLY)
    install(FILES "${PROJECT_BINARY_DIR}/${KALMORO_APP_ID}.desktop" DESTINATION share/applications)
    configure_file("${PROJECT_SOURCE_DIR}/assets/kalmoro.metainfo.xml.in"
        "${PROJECT_BINARY_DIR}/${KALMORO_APP_ID}.metainfo.xml" @ONLY)
    install(FILES "${PROJECT_BINARY_DIR}/${KALMORO_APP_ID}.metainfo.xml" DESTINATION share/metainfo)
    # The job file's type, which the desktop entry names, so that a double click opens a job.
    install(FILES "${PROJECT_SOURCE_DIR}/assets/kalmoro-job.xml" DESTINATION share/mime/packages
        RENAME "${KALMORO_APP_ID}.xml")
    install(DIRECTORY "${PROJECT_SOURCE_DIR}/assets/icon/hicolor/" DESTINATION share/icons/hicolor
        FILES_MATCHING PATTERN "*.png")

    # What a Debian package carries besides the program: the manual pages in English and Chinese,
    # the copyright, the package's changelog and the lintian overrides. Compressed as Debian wants
    # them: gzip -9n, no name or time stamp, so that the same sources give the same package.
    # The package's Debian revision, in its changelog and its version alike.
    set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
    set(KALMORO_DEB_VERSION "${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}")
    find_program(KALMORO_GZIP gzip REQUIRED)
    set(kalmoro_gzipped)
    foreach(name IN ITEMS kalmoro.1 kalmoro.zh_CN.1 changelog.Debian)
        configure_file("${PROJECT_SOURCE_DIR}/packaging/${name}.in" "${PROJECT_BINARY_DIR}/${name}" @ONLY)
        add_custom_command(OUTPUT "${PROJECT_BINARY_DIR}/${name}.gz"
            COMMAND "${KALMORO_GZIP}" -9n -c "${PROJECT_BINARY_DIR}/${name}" > "${PROJECT_BINARY_DIR}/${name}.gz"
            DEPENDS "${PROJECT_BINARY_DIR}/${name}"
            VERBATIM)
        list(APPEND kalmoro_gzipped "${PROJECT_BINARY_DIR}/${name}.gz")
    endforeach()
    add_custom_target(kalmoro_package_files ALL DEPENDS ${kalmoro_gzipped})
    install(FILES "${PROJECT_BINARY_DIR}/kalmoro.1.gz" DESTINATION share/man/man1)
    install(FILES "${PROJECT_BINARY_DIR}/kalmoro.zh_CN.1.gz" DESTINATION share/man/zh_CN/man1 RENAME kalmoro.1.gz)
    install(FILES "${PROJECT_SOURCE_DIR}/packaging/copyright" "${PROJECT_BINARY_DIR}/changelog.Debian.gz"
        DESTINATION share/doc/kalmoro)
    install(FILES "${PROJECT_SOURCE_DIR}/packaging/lintian-overrides" DESTINATION share/lintian/overrides
        RENAME kalmoro)

    # The linker copies the compiler's name and version into every file (.comment, also from the C
    # library's start files, so no compiler option can keep it out); the installed files go without
    # it, as Debian's own packages do. After the files are installed, and stripped when asked.
    set(kalmoro_elf_files kalmoro $<TARGET_FILE_NAME:kalmoro_print>)
    if(KALMORO_BUILD_WEBENGINE)
        list(APPEND kalmoro_elf_files $<TARGET_FILE_NAME:kalmoro_webengine>)
    endif()
    install(CODE "
        foreach(file IN ITEMS ${kalmoro_elf_files})
            execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${KALMORO_INSTALL_PROGRAM_DIR}/\${file}\"
                COMMAND_ERROR_IS_FATAL ANY)
        endforeach()")
endif()

if(WIN32)
    target_sources(kalmoro PRIVATE "${PROJECT_SOURCE_DIR}/assets/kalmoro.rc")
endif()

if(PROJECT_IS_TOP_LEVEL)
    set(CPACK_PACKAGE_NAME kalmoro)
    set(CPACK_PACKAGE_VENDOR "Lumavo")
    set(CPACK_PACKAGE_CONTACT "Lumavo <support@lumavo.example>")
    # The synopsis, after the package name in apt's lists: the Chinese name, then in English for
    # the tools and readers that have no Chinese.
    set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "中央空调工具箱 / central air-conditioning toolbox for installers")
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
    # CPack gives the package ldconfig scripts for the plugins, which the dynamic linker never
    # looks for; this takes them out again.
    set(CPACK_POST_BUILD_SCRIPTS "${PROJECT_SOURCE_DIR}/cmake/DebWithoutLdconfig.cmake")
    include(CPack)
endif()

# The installed program: lib/kalmoro holds the program, its browser plugin and the web pages;
# bin/kalmoro links to it (the program resolves the link to find its folder).
install(TARGETS kalmoro RUNTIME DESTINATION "${KALMORO_INSTALL_PROGRAM_DIR}")

if(UNIX AND NOT APPLE)
    file(CREATE_LINK "../${KALMORO_INSTALL_PROGRAM_DIR}/kalmoro" "${PROJECT_BINARY_DIR}/kalmoro-launcher" SYMBOLIC)
    install(FILES "${PROJECT_BINARY_DIR}/kalmoro-launcher" DESTINATION bin RENAME kalmoro)

    configure_file("${PROJECT_SOURCE_DIR}/assets/kalmoro.desktop.in" "${PROJECT_BINARY_DIR}/kalmoro.desktop" @ONLY)
    install(FILES "${PROJECT_BINARY_DIR}/kalmoro.desktop" DESTINATION share/applications)
    install(DIRECTORY "${PROJECT_SOURCE_DIR}/assets/icon/hicolor/" DESTINATION share/icons/hicolor
        FILES_MATCHING PATTERN "*.png")
endif()

if(WIN32)
    target_sources(kalmoro PRIVATE "${PROJECT_SOURCE_DIR}/assets/kalmoro.rc")
endif()

if(PROJECT_IS_TOP_LEVEL)
    set(CPACK_PACKAGE_NAME kalmoro)
    set(CPACK_PACKAGE_VENDOR "Lumavo")
    set(CPACK_PACKAGE_CONTACT "Lumavo <support@lumavo.example>")
    set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "中央空调工具箱：加氟量、铜管价格、风口价格、冷凝水管与空调选型")
    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION utils)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS
        "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), libqt6webenginewidgets6 (>= 6.4), qt6-qpa-plugins, libpng16-16, zlib1g, fonts-noto-cjk")
    include(CPack)
endif()

# Run by CPack once it has written the Debian package (CPACK_POST_BUILD_SCRIPTS).
#
# CPack adds postinst and postrm scripts that call ldconfig whenever a shared object lies in
# /usr/lib or in a folder directly below it. The program's plugins lie in /usr/lib/kalmoro, a
# private folder the dynamic linker never searches, so the scripts would rebuild its cache for
# nothing. They are taken out and the package is built again from the same tree.
find_program(KALMORO_DPKG_DEB dpkg-deb REQUIRED)
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    set(tree "${package}.tree")
    file(REMOVE_RECURSE "${tree}")
    execute_process(COMMAND "${KALMORO_DPKG_DEB}" --raw-extract "${package}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
    foreach(script IN ITEMS postinst postrm)
        if(EXISTS "${tree}/DEBIAN/${script}")
            file(STRINGS "${tree}/DEBIAN/${script}" commands REGEX "^[ \t]*[^# \t]")
            list(FILTER commands EXCLUDE REGEX "^[ \t]*(set -e|ldconfig|if .*; then|fi)[ \t]*$")
            if(commands)
                message(FATAL_ERROR "${script} does more than call ldconfig: ${commands}")
            endif()
            file(REMOVE "${tree}/DEBIAN/${script}")
        endif()
    endforeach()
    execute_process(COMMAND "${KALMORO_DPKG_DEB}" --root-owner-group --build "${tree}" "${package}"
        OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE "${tree}")
endforeach()

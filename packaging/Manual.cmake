# kvt_manual(TARGET): TARGET's manual page, written from packaging/man/TARGET.1.in and the program's own
# --help and --version (packaging/man/HelpToMan.cmake) so it never falls behind the commands;
# compressed as Debian installs manual pages, into share/man/man1.
find_program(KVT_GZIP gzip REQUIRED)

function(kvt_manual target)
  set(template "${PROJECT_SOURCE_DIR}/packaging/man/${target}.1.in")
  set(script "${PROJECT_SOURCE_DIR}/packaging/man/HelpToMan.cmake")
  set(page "${CMAKE_CURRENT_BINARY_DIR}/${target}.1")
  add_custom_command(OUTPUT "${page}.gz"
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${target}> "-DTEMPLATE=${template}" "-DOUTPUT=${page}"
            -P "${script}"
    COMMAND ${KVT_GZIP} -9nf "${page}"
    DEPENDS ${target} "${template}" "${script}"
    COMMENT "Manual page for ${target}"
    VERBATIM)
  add_custom_target(${target}-manual ALL DEPENDS "${page}.gz")
  install(FILES "${page}.gz" DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

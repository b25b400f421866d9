# Installs a man page whose FILES section names the places of the prefix the
# tree is installed to (cmake --install --prefix, CPack's /usr), not of the
# prefix configured: the page is written at install time, where only the
# variables set here are known (the version among them), then compressed as
# Debian wants it (gzip -9n, no time stamp).
function(ratio_install_man_page source)
  get_filename_component(name ${source} NAME)
  string(REGEX REPLACE "\\.in$" "" name ${name})
  set(page ${CMAKE_CURRENT_BINARY_DIR}/${name})
  foreach(kind MODULE HELPER)
    set(dir ${RATIO_${kind}_INSTALL_DIR})
    if(NOT IS_ABSOLUTE ${dir})
      set(dir "\${CMAKE_INSTALL_PREFIX}/${dir}")
    endif()
    set(set_${kind} "set(RATIO_${kind}_DIR \"${dir}\")")
  endforeach()
  install(CODE "
    set(PROJECT_VERSION \"${PROJECT_VERSION}\")
    ${set_MODULE}
    ${set_HELPER}
    configure_file(\"${CMAKE_CURRENT_SOURCE_DIR}/${source}\" \"${page}\" @ONLY)
    execute_process(COMMAND gzip -9nf \"${page}\" COMMAND_ERROR_IS_FATAL ANY)")
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

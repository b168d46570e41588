# Everything installed beside the program (src/app installs bin/aerolark):
# its built-in files, and what each desktop reads to offer it. The same rules
# serve `make install PREFIX=...` and the Debian package (cmake/package.cmake).

install(DIRECTORY ${AEROLARK_SHARE_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/aerolark)

# MATE, Xfce and XScreenSaver run savers only from XScreenSaver's folder: a
# relative link there to bin/aerolark works under any prefix, and the program
# still finds share/aerolark/ from its real path.
set(saver_dir ${CMAKE_INSTALL_LIBEXECDIR}/xscreensaver)
file(RELATIVE_PATH link_target /${saver_dir} /${CMAKE_INSTALL_BINDIR}/aerolark)
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/saver-link)
file(CREATE_LINK ${link_target} ${CMAKE_CURRENT_BINARY_DIR}/saver-link/aerolark SYMBOLIC)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/saver-link/aerolark DESTINATION ${saver_dir})

# The saver entry names that link by its full path, which only the install
# knows (`--prefix`, PREFIX= and the package each give their own). Written
# into a folder of its own per destination, so installs running at once
# never install each other's copy.
set(entry_template ${CMAKE_CURRENT_SOURCE_DIR}/desktop/aerolark.desktop.in)
install(CODE "
  string(MD5 destination \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
  set(entry_folder \"${CMAKE_CURRENT_BINARY_DIR}/saver-entry/\${destination}\")
  set(saver \"\${CMAKE_INSTALL_PREFIX}/${saver_dir}/aerolark\")
  configure_file(\"${entry_template}\" \"\${entry_folder}/aerolark.desktop\" @ONLY)
  file(INSTALL \"\${entry_folder}/aerolark.desktop\"
       DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications/screensavers\")
")

install(FILES xscreensaver/aerolark.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/xscreensaver/config)
install(FILES desktop/aerolark-settings.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(DIRECTORY ${CMAKE_BINARY_DIR}/share/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

configure_file(metainfo/aerolark.metainfo.xml.in
               ${CMAKE_CURRENT_BINARY_DIR}/example.aerolark.Aerolark.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/example.aerolark.Aerolark.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual page and the changelog compressed as Debian wants them: at the
# highest level, without a time stamp, so each build gives the same bytes.
find_program(GZIP gzip REQUIRED)
set(compressed)
foreach(text man/aerolark.6 package/changelog)
  get_filename_component(name ${text} NAME)
  set(copy ${CMAKE_CURRENT_BINARY_DIR}/compressed/${name})
  add_custom_command(
    OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/${text} ${copy}
    COMMAND ${GZIP} -9nf ${copy}
    DEPENDS ${text}
    VERBATIM)
  list(APPEND compressed ${copy}.gz)
endforeach()
add_custom_target(aerolark_docs ALL DEPENDS ${compressed})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/compressed/aerolark.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/compressed/changelog.gz package/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
# `make run` and `make install` build aerolark_data: it brings these along.
add_dependencies(aerolark_data aerolark_docs)

# aerolark.scr: the program with its resources, in the package folder beside
# the built-in files.
set(AEROLARK_MANIFEST ${CMAKE_CURRENT_SOURCE_DIR}/win32/aerolark.manifest)
configure_file(win32/aerolark.rc.in ${CMAKE_CURRENT_BINARY_DIR}/aerolark.rc @ONLY)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/aerolark.rc PROPERTIES
  OBJECT_DEPENDS "${AEROLARK_ICON};${AEROLARK_MANIFEST}")

add_executable(aerolark WIN32
  mode_actions.cpp
  preview_mode.cpp
  win32/main_win32.cpp
  win32/notice_box.cpp
  win32/password_mode.cpp
  win32/backends_win32.cpp
  saver_mode.cpp
  ${CMAKE_CURRENT_BINARY_DIR}/aerolark.rc)
# wWinMain: the command line arrives as UTF-16.
target_compile_options(aerolark PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-municode>)
target_link_options(aerolark PRIVATE -municode)
target_link_libraries(aerolark PRIVATE
  aerolark_startup aerolark_trace aerolark_saver aerolark_platform aerolark_setup_win32
  aerolark_driver_win32 aerolark_driver_silent user32)
set_target_properties(aerolark PROPERTIES
  SUFFIX .scr
  RUNTIME_OUTPUT_DIRECTORY ${AEROLARK_SHARE_DIR})
add_dependencies(aerolark aerolark_data)

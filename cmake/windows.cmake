# The Windows build: aerolark.scr with the built-in files beside it in
# Aerolark/, and Aerolark.zip of that folder. Only the shared core (settings,
# render, assets, saver, the software compositor, start-up) and the Windows
# backends; no pkg-config, SDL, Qt, X11 or test framework.
enable_language(RC)
add_compile_options(-Wall -Wextra)
# Windows 10's calls, their UTF-16 forms; no min/max macros to trip over std::min.
add_compile_definitions(_WIN32_WINNT=0x0A00 WINVER=0x0A00 UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN)
# The C library's thread-safe POSIX forms (localtime_r), as on Linux.
add_compile_definitions(_POSIX_THREAD_SAFE_FUNCTIONS)

# The unpacked folder as a user gets it: the program and its files together.
set(AEROLARK_PACKAGE_NAME Aerolark)
set(AEROLARK_SHARE_DIR ${CMAKE_BINARY_DIR}/${AEROLARK_PACKAGE_NAME})
set(AEROLARK_ICON ${CMAKE_BINARY_DIR}/aerolark.ico)
file(MAKE_DIRECTORY ${AEROLARK_SHARE_DIR})

add_subdirectory(src/settings)
add_subdirectory(src/render)
add_subdirectory(src/assets)
add_subdirectory(src/platform)
add_subdirectory(src/drivers)
add_subdirectory(src/saver)
add_subdirectory(src/setup)
add_subdirectory(data)
add_subdirectory(src/app)
# Programs the Wine tests run beside the saver (not packed).
add_subdirectory(tests/windows)

set(AEROLARK_ZIP ${CMAKE_BINARY_DIR}/${AEROLARK_PACKAGE_NAME}.zip)
add_custom_command(
  OUTPUT ${AEROLARK_ZIP}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${AEROLARK_ZIP}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${AEROLARK_ZIP} --format=zip ${AEROLARK_PACKAGE_NAME}
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  DEPENDS aerolark aerolark_data $<TARGET_FILE:aerolark>
          ${AEROLARK_SHARE_DIR}/support.htm "${AEROLARK_SHARE_DIR}/Read me.txt"
  COMMENT "Packing ${AEROLARK_PACKAGE_NAME}.zip"
  VERBATIM)
add_custom_target(aerolark_zip ALL DEPENDS ${AEROLARK_ZIP})

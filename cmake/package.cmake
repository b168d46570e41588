# The Debian package (`make package`): CPack's DEB generator over the install
# rules, into /usr. Its dependencies come from dpkg-shlibdeps, the program is
# stripped, and it needs no maintainer scripts: the icon cache, the menus and
# the manual's index are refreshed by those packages' own triggers.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME aerolark)
set(CPACK_PACKAGE_VENDOR "The Aerolark developers")
set(CPACK_PACKAGE_CONTACT "Aerolark developers <maintainers@aerolark.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "biplanes flying a relay over a sunset, a screen saver")
set(CPACK_PACKAGE_DESCRIPTION [=[Fifteen biplanes fly a relay over a sunset: each one launches the next as it
crosses the screen. A background biplane and a fast aircraft with a propeller
sound cross at the intervals you choose; a logo, a line of message text and a
clock can be shown over them.

MATE, Xfce and XScreenSaver offer it among their screen savers; an idle daemon
can run it on X11 or Wayland. Its settings dialog opens with aerolark /c.]=])
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://${AEROLARK_WEB_HOST}/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# The Makefile builds the program before it packs it: CPack's own build of
# everything first (tests, benchmarks) would only cost minutes.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
include(CPack)

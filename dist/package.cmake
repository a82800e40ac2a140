# The Debian package, made by `cpack -G DEB` in a build directory from what
# `cmake --install` puts under /usr. dist/make-deb builds it with Debian's
# hardening flags and checks it with lintian.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME meridex)
set(CPACK_PACKAGE_VENDOR "The Meridex team")
set(CPACK_PACKAGE_CONTACT "The Meridex team <meridex@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "world clock with alarm, unit converter, calculator and globe")
set(CPACK_PACKAGE_DESCRIPTION
    "Meridex tells the time around the world and converts measures. Its world
clock lists more than five hundred cities with their local time and weekday,
keeps a Hot List of favourites, takes places of your own, forecasts what time
it will be everywhere when one city reaches a chosen time, and raises one
alarm with a message and a sound.

Beside the clock it offers a unit conversion window (temperature, weight,
volume, length, area and mixed units), a desk calculator linked to it, and a
world view that draws the earth as a rotatable globe or a flat map.

Meridex needs no network and no time-zone database of the system: its city
database carries each city's offset and daylight-saving rule.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program links, found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The fonts the windows are laid out with; without them Qt falls back to others.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})
include(CPack)

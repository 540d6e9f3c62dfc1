# The Debian package: `cpack -G DEB` in the build folder, or `cmake --build <build> --target package`,
# makes algol_<version>_<arch>.deb from the install rules, for a prefix of /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME algol)
set(CPACK_PACKAGE_VENDOR "Les auteurs d'Algol")
set(CPACK_PACKAGE_CONTACT "Les auteurs d'Algol <${ALGOL_AUTHOR_MAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "predicts the minima of the variable star Algol")
set(CPACK_PACKAGE_DESCRIPTION [[
Algol (beta Persei) is an eclipsing binary star. This desktop program predicts
its primary minima from a linear ephemeris, for the present moment or for a
date and time that you type: Julian Day, next minimum, phase, the eleven minima
from just before the month, the yearly list of minima in a text file, the light
curve and star charts. Its interface is in French.
.
Two companions come with it: algol-minima lists on the command line the
minima that can be seen from a site, and algol-planner, a window in English
or French, plans the nights: which minima of the coming weeks can be watched,
and for each night the twilight, Algol's and the Moon's altitudes, Algol's
predicted brightness and the comparison stars.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://${ALGOL_AUTHOR_WEB}")
# The libraries the program links (Qt 6 among them) are found by dpkg-shlibdeps. The fonts are
# built into the program as resources, so no font package is needed.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)

# The Debian package that `cpack -G DEB` builds from the install rules.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvo-registration)
set(CPACK_PACKAGE_VENDOR "${TARVO_AUTHOR_NAME}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${TARVO_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "registration form writer for the Tarvo download site")
set(CPACK_PACKAGE_DESCRIPTION
  "A desktop tool for software authors who hand in freeware or shareware to the
Japanese download site Tarvo. The form is filled in on four tabbed pages; the
tool checks the required fields, writes the site's plain-text registration
form into an editable preview, keeps a backup of every field per software
name, works out what a shareware user pays and what the author receives, and
saves the text. The interface is Japanese; every file is Shift-JIS with CR LF
line ends.

The program keeps its files in ~/.local/share/tarvo-registration, a folder of
each user's own. The package also contains tarvo-regtext, which writes the
registration text from a backup file and works out fees on the command line.")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TARVO_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps adds the Qt 6 and C++ runtime libraries the binaries link to.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's Japanese text needs a Japanese font; opening the site's pages
# goes through xdg-open. PAD files are read with expat (dpkg-shlibdeps finds it
# too; named here so that the package says so whatever the link does).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, xdg-utils, libexpat1")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)

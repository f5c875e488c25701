# `cpack -G DEB` makes the Debian package from the install rules.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quistral)
set(CPACK_PACKAGE_VENDOR "The Quistral developers")
set(CPACK_PACKAGE_CONTACT "The Quistral developers <developers@quistral.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "take customer orders for goods that are shipped")
# Debian wants the long description in lines of under 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "Quistral takes a customer's name and address and the order's items one\n\
at a time, and shows the amount due, the sales tax, shipping and handling\n\
by weight, and the total, as currency in the user's locale. The order\n\
window can be printed.")
set(CPACK_STRIP_FILES ON)
# Folders as Debian makes them, whatever the umask of whoever builds the package.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the program and its print module link come from dpkg-shlibdeps; the X11
# platform plugin comes with one of them (libqt6gui6). Qt loads the Wayland platform plugin
# only at run time, which no linker records, and without it the program cannot open on a
# desktop that has no X server: a Depends.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-wayland")
# Qt's own dialogs (the font and colour choosers, the buttons of messages) in the user's
# language; the program works in English without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

include(CPack)

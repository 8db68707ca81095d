# The Debian package: `cpack -G DEB` in the build folder. It holds what `install` puts in place:
# vexatarn (translations and artwork compiled in), vexatarn-cli, vexatarn-sim, the desktop entry
# and the icon. Dependencies come from the binaries (dpkg-shlibdeps), plus the SQLite driver
# that Qt loads at run time and the fonts the interface draws with.
set(CPACK_PACKAGE_NAME "vexatarn")
set(CPACK_PACKAGE_VENDOR "VexaTarn")
set(CPACK_PACKAGE_CONTACT "VexaTarn developers <dev@vexatarn.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "control application for networked digital audio matrix processors")
set(CPACK_PACKAGE_DESCRIPTION
    "VexaTarn finds audio matrix processors on the local network, connects to one, mirrors its\n\
parameters and edits every DSP module, presets, labels, firmware and setup. vexatarn-cli does\n\
the same from scripts (backups, upgrades, checks); vexatarn-sim is a simulated processor.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "sound")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt5sql5-sqlite, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk | fonts-wqy-microhei")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://vexatarn.invalid")
include(CPack)

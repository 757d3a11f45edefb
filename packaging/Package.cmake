# `cpack` in the build folder makes kvt_VERSION_ARCH.deb for Debian 12. Library dependencies are
# computed by dpkg-shlibdeps from the linked programs; only what is loaded at run time without being
# linked is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kvt)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "The KVT developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "preprocessing of surface-wave seismic shot records")
# Lines of the long description as the control file wants them, under 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "KVT opens multichannel seismic shot records (its native .srw, SEG-2 and"
  "SEG-Y), shows them as a wiggle or variable-area section, mutes, amplifies,"
  "swaps and corrects traces, filters against the amplitude spectrum,"
  "resamples and saves them again. Batch tools resample, combine, extract"
  "channels from and stack lists of records. kvt-cli does the same work from"
  "the command line.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${PROJECT_HOMEPAGE_URL}")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The KVT developers <kvt@kvt.example.org>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds its window-system plugin at run time (libqt6gui6 only recommends it), and the interface is
# Chinese, so a CJK font is wanted.
if(TARGET kvt)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk | fonts-wqy-microhei | fonts-wqy-zenhei")
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

install(FILES "${PROJECT_SOURCE_DIR}/packaging/copyright" DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kvt)

include(CPack)

# Builds the Debian package from this build, unpacks it into a scratch root and runs what it installed.
# Registered only where the package can be built.
find_program(ORLEX_DPKG_DEB dpkg-deb)
find_program(ORLEX_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(ORLEX_DPKG_DEB AND ORLEX_DPKG_SHLIBDEPS AND CMAKE_CPACK_COMMAND)
  orlex_add_test(tst_package SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_package.cpp LIBS Qt6::Core)
  target_compile_definitions(tst_package PRIVATE
    ORLEX_PROJECT_VERSION="${PROJECT_VERSION}"
    ORLEX_CPACK="${CMAKE_CPACK_COMMAND}"
    ORLEX_DPKG_DEB="${ORLEX_DPKG_DEB}"
    ORLEX_APP_ID="${ORLEX_APP_ID}")
  add_dependencies(tst_package orlex-k7 orlex-k7-cli orlex-k7-sim man_pages)
  # Packing the sanitizer-built programs takes a while; it is one test among the others.
  set_tests_properties(tst_package PROPERTIES TIMEOUT 300)
endif()

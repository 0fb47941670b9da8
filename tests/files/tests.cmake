orlex_add_test(tst_datfile SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_datfile.cpp LIBS orlex_files)
orlex_add_test(tst_settingsstore SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_settingsstore.cpp LIBS orlex_files)
orlex_add_test(tst_portfilelocation SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_portfilelocation.cpp LIBS orlex_files)
orlex_add_test(tst_inputfile SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_inputfile.cpp LIBS orlex_files)

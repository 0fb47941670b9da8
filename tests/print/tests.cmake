orlex_add_test(tst_printreport SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_printreport.cpp LIBS orlex_app)

orlex_add_test(tst_optionalfeatures SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_optionalfeatures.cpp LIBS orlex_editors)

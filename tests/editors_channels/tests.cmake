orlex_add_test(tst_channeleditor SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_channeleditor.cpp LIBS orlex_editors)
orlex_add_test(tst_channeltable SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_channeltable.cpp LIBS orlex_editors)

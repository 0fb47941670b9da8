orlex_add_test(tst_reportcontent SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_reportcontent.cpp LIBS orlex_report)

orlex_add_test(tst_dtmfwindow SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_dtmfwindow.cpp
               ${CMAKE_CURRENT_LIST_DIR}/featuretesthelpers.h LIBS orlex_editors)
orlex_add_test(tst_fmradiowindow SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_fmradiowindow.cpp
               ${CMAKE_CURRENT_LIST_DIR}/featuretesthelpers.h LIBS orlex_editors orlex_files)
orlex_add_test(tst_calibrationwindow SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_calibrationwindow.cpp
               ${CMAKE_CURRENT_LIST_DIR}/featuretesthelpers.h LIBS orlex_editors)

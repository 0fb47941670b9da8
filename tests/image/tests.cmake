orlex_add_test(tst_codecs SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_codecs.cpp LIBS orlex_image)
orlex_add_test(tst_imagecodec SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_imagecodec.cpp LIBS orlex_image)
orlex_add_test(tst_imagemap SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_imagemap.cpp ${CMAKE_CURRENT_LIST_DIR}/tonetable.h
               LIBS orlex_image)
orlex_add_test(tst_channelrows SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_channelrows.cpp LIBS orlex_image)

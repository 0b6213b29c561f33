sm_test(test_util SOURCES test_util.cpp LIBS smcore)

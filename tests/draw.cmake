sm_test(test_draw SOURCES test_draw.cpp LIBS smcore)

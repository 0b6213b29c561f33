sm_test(test_census SOURCES test_census.cpp LIBS smcore)

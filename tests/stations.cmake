sm_test(test_stations SOURCES test_stations.cpp LIBS smcore)

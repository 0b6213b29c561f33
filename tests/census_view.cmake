sm_test(test_census_view SOURCES test_census_view.cpp LIBS smcore)

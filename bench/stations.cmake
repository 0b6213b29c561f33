add_executable(bench-stations ${CMAKE_CURRENT_LIST_DIR}/bench_stations.cpp)
target_link_libraries(bench-stations PRIVATE smcore)

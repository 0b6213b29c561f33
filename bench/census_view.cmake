add_executable(bench-census-view ${CMAKE_CURRENT_LIST_DIR}/bench_census_view.cpp)
target_link_libraries(bench-census-view PRIVATE smcore)

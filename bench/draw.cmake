add_executable(bench-draw ${CMAKE_CURRENT_LIST_DIR}/bench_draw.cpp)
target_link_libraries(bench-draw PRIVATE smcore)

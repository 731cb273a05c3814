# The clickable maps of the built data folder: rasters, pictures and names.
add_executable(map_tests ${CMAKE_CURRENT_LIST_DIR}/map_tests.cpp ${CMAKE_CURRENT_LIST_DIR}/qt_main.cpp)
target_link_libraries(map_tests PRIVATE trazora_app GTest::gtest)
target_compile_definitions(map_tests PRIVATE TRAZORA_TEST_DATA="${TRAZORA_DATA_OUT}")
add_dependencies(map_tests datafolder)
gtest_discover_tests(map_tests DISCOVERY_MODE PRE_TEST PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

target_sources(kalmoro_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/catalogue.cpp)

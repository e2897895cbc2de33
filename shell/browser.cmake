target_sources(kalmoro_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/widgets/browserhost.cpp
    ${CMAKE_CURRENT_LIST_DIR}/widgets/browserengine.cpp)

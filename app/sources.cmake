set(VELMORA_ENTRY_SOURCE app/win_main.cpp)
list(APPEND VELMORA_CORE_SOURCES
)
list(APPEND VELMORA_WIN32_SOURCES
  app/placeholder.cpp
)

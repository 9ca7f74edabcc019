set(VELMORA_ENTRY_SOURCE app/win_main.cpp)
list(APPEND VELMORA_CORE_SOURCES
  app/update_address.cpp
)
list(APPEND VELMORA_WIN32_SOURCES
  app/memory.cpp
  app/late_library.cpp
  app/startup.cpp
  app/main_window.cpp
  app/commands.cpp
  app/context_menu.cpp
  app/toolbar.cpp
  app/zoom.cpp
  app/text_level.cpp
  app/aliyot.cpp
  app/practice.cpp
  app/update_check.cpp
  app/about_box.cpp
  app/reading_accessible.cpp
)

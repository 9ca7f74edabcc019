list(APPEND VELMORA_CORE_SOURCES
  settings/settings.cpp
  settings/registry_data.cpp
)
list(APPEND VELMORA_WIN32_SOURCES
  settings/registry.cpp
  settings/settings_store.cpp
  settings/window_placement.cpp
)

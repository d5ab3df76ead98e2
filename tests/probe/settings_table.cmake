# Only the settings table reads or writes the settings store, checked from the sources: the
# store's functions and QSettings appear in the store itself and in window/settings.cpp, and
# nowhere else in the program, so every key goes through a row of the table (the window tests'
# watch on the store checks the keys themselves).
# Usage: cmake -DSOURCE=DIR -P settings_table.cmake; fails naming each line that bypasses it.
cmake_policy(VERSION 3.25)
set(allowed platform/settings_store.h platform/settings_store.cpp window/settings.cpp)
set(broken "")
foreach(dir engine expr solver answer player deal cli lang window dialogs files platform)
  file(GLOB files "${SOURCE}/${dir}/*.h" "${SOURCE}/${dir}/*.cpp")
  foreach(file ${files})
    file(RELATIVE_PATH name "${SOURCE}" "${file}")
    if(name IN_LIST allowed)
      continue()
    endif()
    file(STRINGS "${file}" lines REGEX "(^|[^A-Za-z0-9_])(GetSetting|SaveSetting|SettingExists|DeleteSetting|DeleteSettingSection|SettingKeys|QSettings)([^A-Za-z0-9_]|$)")
    foreach(line ${lines})
      string(APPEND broken "\n  ${name}: ${line}")
    endforeach()
  endforeach()
endforeach()
if(broken)
  message(FATAL_ERROR "these reach the settings store past the settings table (window/settings.h):${broken}")
endif()

# The catalogue check: picture indices, sound ids and weapon numbers are named once, in
# src/core/pictures.h, sounds.h and weapons.h; every other file uses the names.
#
# Run as a script (cmake -DSOURCE_DIRS=<dir>[;<dir>...] -P catalogue.cmake) it reads every .h and
# .cpp below the folders and fails, one line per fault, on a raw number where a name belongs.
cmake_policy(VERSION 3.25)
if(NOT SOURCE_DIRS)
  message(FATAL_ERROR "catalogue.cmake: give the folders with -DSOURCE_DIRS=...")
endif()

# The raw uses, one a variable (a list would split them at their brackets).
set(RAW_USE_1 "raznoe\\[ *[0-9]")  # a picture by number
set(RAW_USE_2 "(playSoundEffect|finishSound|finishLoop)\\( *[0-9]")  # a sound by number
set(RAW_USE_3 "PlaySound\\([^,()]*, *[0-9]")
set(RAW_USE_4 "table\\.put\\( *[0-9]")  # the generator's pictures
set(RAW_USE_5 "(weaponSpecs|flightPrograms|WEAPON_ICONS|WEAPON_PRICES|weaponNames|WEAPONS|ammo)\\[ *[0-9]")
set(RAW_USE_6 "\\.kind *[=!]= *[1-9]")  # a projectile kind by number
set(RAW_USE_7 "(eapon|selectedWeapon\\.load\\(\\)) *\\+ *1[^0-9.]")  # a kind as weapon + 1 (kindOf)
set(RAW_USE_8 "(_IMAGE|_PICTURE|_SOUND|_KIND|_ICON) *= *[0-9]")  # a picture, sound or kind named again
set(RAW_USE_COUNT 8)
set(CATALOGUE_FILES core/pictures.h core/sounds.h core/weapons.h)

set(faults)
foreach(dir IN LISTS SOURCE_DIRS)
  get_filename_component(dir "${dir}" ABSOLUTE)
  file(GLOB_RECURSE files ${dir}/*.h ${dir}/*.cpp)
  foreach(file IN LISTS files)
    file(RELATIVE_PATH name ${dir} ${file})
    if(name IN_LIST CATALOGUE_FILES)
      continue()
    endif()
    file(READ ${file} text)
    string(REPLACE ";" "," text "${text}")
    foreach(n RANGE 1 ${RAW_USE_COUNT})
      string(REGEX MATCHALL "[^\n]*${RAW_USE_${n}}[^\n]*" lines "${text}")
      foreach(line IN LISTS lines)
        string(STRIP "${line}" line)
        list(APPEND faults "${name}: ${line}")
      endforeach()
    endforeach()
  endforeach()
endforeach()
if(faults)
  list(REMOVE_DUPLICATES faults)
  list(JOIN faults "\n" text)
  message(NOTICE "${text}")
  message(FATAL_ERROR "Raw picture, sound or weapon numbers above: name them in src/core.")
endif()

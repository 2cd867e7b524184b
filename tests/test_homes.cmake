# SPDX-License-Identifier: GPL-3.0-or-later
# Tests run with a home and settings folders of their own, emptied before
# each run, so that none reads or writes the real user's files (Qt keeps its
# file dialog's folders and history in the user's settings) and none sees
# what an earlier run left behind. Included, it defines the helpers; run with
# -P by the fixture test, it makes the folders.

if(CMAKE_SCRIPT_MODE_FILE)
  file(REMOVE_RECURSE ${ROOT})
  string(REPLACE "," ";" NAMES "${NAMES}")
  foreach(name IN LISTS NAMES)
    file(MAKE_DIRECTORY ${ROOT}/${name}/config ${ROOT}/${name}/data ${ROOT}/${name}/cache
         ${ROOT}/${name}/runtime)
    file(CHMOD ${ROOT}/${name}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  endforeach()
  return()
endif()

set(VEREDOD_TEST_HOMES_SCRIPT ${CMAKE_CURRENT_LIST_FILE})

# A fixture test named `fixture` that makes an empty home under `root` for
# each of `names`.
function(veredod_add_test_homes fixture root names)
  string(REPLACE ";" "," joined "${names}")
  add_test(NAME ${fixture} COMMAND ${CMAKE_COMMAND} -DROOT=${root} -DNAMES=${joined}
                                   -P ${VEREDOD_TEST_HOMES_SCRIPT})
  set_tests_properties(${fixture} PROPERTIES FIXTURES_SETUP ${fixture} TIMEOUT 60)
endfunction()

# The environment of a test whose home is `home`.
function(veredod_home_environment out home)
  set(${out}
      "HOME=${home};XDG_CONFIG_HOME=${home}/config;XDG_DATA_HOME=${home}/data;XDG_CACHE_HOME=${home}/cache;XDG_RUNTIME_DIR=${home}/runtime"
      PARENT_SCOPE)
endfunction()

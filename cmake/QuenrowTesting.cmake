# Every test runs in an environment of its own: offscreen Qt, UTC, UTF-8, a
# private HOME with its XDG folders, and every outside endpoint on loopback.
# Widget tests save their screenshots under build/test-shots/<test>.
function(quenrow_test_environment test)
  set(home ${CMAKE_BINARY_DIR}/testhome/${test})
  file(MAKE_DIRECTORY ${home}/log ${home}/config ${home}/data ${home}/cache ${home}/runtime ${home}/tmp)
  file(CHMOD ${home}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  set(env
    QT_QPA_PLATFORM=offscreen
    TZ=UTC
    LANG=C.UTF-8
    LC_ALL=C.UTF-8
    HOME=${home}
    XDG_CONFIG_HOME=${home}/config
    XDG_DATA_HOME=${home}/data
    XDG_CACHE_HOME=${home}/cache
    XDG_RUNTIME_DIR=${home}/runtime
    TMPDIR=${home}/tmp
    no_proxy=127.0.0.1,localhost
    QUENROW_LOG_DIR=${home}/log
    QUENROW_DATA_ROOT=${home}/data
    QUENROW_ANALYTICS_URL=http://127.0.0.1:9/analytics
    QUENROW_REACHABILITY_URL=http://127.0.0.1:9/reachability
    QUENROW_UPDATE_URL=http://127.0.0.1:9/update
    QUENROW_CONFIG_URL=http://127.0.0.1:9/config
    QUENROW_ONLINE_CONFIG_URL=http://127.0.0.1:9/onlineconfig
    QUENROW_HOMEPAGE_URL=http://127.0.0.1:9/home
    QUENROW_LINE_PICTURE_URL=http://127.0.0.1:9
    QUENROW_FFMPEG=ffmpeg
    QUENROW_RUBBISH=${QUENROW_BIN_DIR}/rubbish
    QUENROW_BIN_DIR=${QUENROW_BIN_DIR}
    QUENROW_TEST_HOME=${home}
    QUENROW_SHOTS_DIR=${CMAKE_BINARY_DIR}/test-shots/${test}
    QUENROW_REALDATA=${CMAKE_SOURCE_DIR}/tests/data/real
    USBMUXD_SOCKET_ADDRESS=UNIX:${home}/no-usbmuxd
    ${QUENROW_SANITIZER_ENVIRONMENT})
  set_tests_properties(${test} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 600)
endfunction()

# quenrow_add_test(NAME SOURCES a.cpp ... LIBS x y ... [THREADS]): one test
# executable, one CTest entry. THREADS labels a test that exercises threads
# ("threads", as set_tests_properties(NAME PROPERTIES LABELS threads) does):
# `make test-tsan` runs those.
function(quenrow_add_test name)
  cmake_parse_arguments(ARG "THREADS" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  quenrow_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  quenrow_test_environment(${name})
  if(ARG_THREADS)
    set_tests_properties(${name} PROPERTIES LABELS threads)
  endif()
endfunction()

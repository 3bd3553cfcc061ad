# cmake/config_keys.cmake as a configure runs it, on the signature test's keys (KEYS): two
# P-256 keys give, in order, the points openssl prints; any other file stops it, named.
function(generate keys)
  execute_process(COMMAND ${CMAKE_COMMAND} "-DNORVEL_CONFIG_KEYS=${keys}" -DNORVEL_CONFIG_KEYS_INC=${KEYS}/check.inc
                  -P ${SOURCE_DIR}/cmake/config_keys.cmake RESULT_VARIABLE result ERROR_VARIABLE text)
  string(REGEX REPLACE "[ \n]+" " " text "${text}")  # CMake wraps its messages
  file(READ ${KEYS}/check.inc inc)
  string(REGEX REPLACE "//[^\n]*|0x|[{},\n ]" "" points "${inc}")
  set(result ${result} PARENT_SCOPE)
  set(text "${text}" PARENT_SCOPE)
  set(points "${points}" PARENT_SCOPE)
endfunction()

set(expected "")
foreach(k a b)
  execute_process(COMMAND openssl ec -pubin -in ${KEYS}/${k}.pub.pem -text -noout OUTPUT_VARIABLE dump ERROR_QUIET)
  string(REGEX REPLACE ".*pub:(.*)ASN1 OID.*" "\\1" dump "${dump}")
  string(REGEX REPLACE "[: \n]" "" dump "${dump}")
  string(SUBSTRING "${dump}" 2 -1 dump)  # after the 04 of an uncompressed point
  string(APPEND expected "${dump}")
endforeach()
generate("${KEYS}/a.pub.pem;${KEYS}/b.pub.pem")
if(NOT result EQUAL 0 OR NOT points STREQUAL expected)
  message(FATAL_ERROR "two keys: ${result} ${text}\nexpected ${expected}\ngot ${points}")
endif()
foreach(bad p384.pub.pem k256.pub.pem rsa.pub.pem a.pem lf.ini missing.pem)
  generate("${KEYS}/a.pub.pem;${KEYS}/${bad}")
  if(result EQUAL 0 OR NOT text MATCHES "NORVEL_CONFIG_KEYS: ${KEYS}/${bad} (is not an ECDSA P-256 public key|does not exist)")
    message(FATAL_ERROR "${bad} was taken: ${result} ${text}")
  endif()
endforeach()

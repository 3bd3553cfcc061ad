# cmake -DSOURCE=ini -DTOOLS_DIR=dir -DNAMES=a,b,... -DOUTPUT=ini -P pin_tools.cmake
# Writes OUTPUT: the configuration SOURCE with a line "sha256=<digest>" after each
# line "eseguibile=<name>.exe" of the named tools, the digest being that of
# TOOLS_DIR/<name>.exe as built.
file(READ "${SOURCE}" text)
string(REPLACE "," ";" names "${NAMES}")
foreach(name IN LISTS names)
  file(SHA256 "${TOOLS_DIR}/${name}.exe" digest)
  string(REPLACE "eseguibile=${name}.exe\n" "eseguibile=${name}.exe\nsha256=${digest}\n" text "${text}")
endforeach()
file(WRITE "${OUTPUT}.part" "${text}")
file(RENAME "${OUTPUT}.part" "${OUTPUT}")

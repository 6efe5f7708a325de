# Writes the service worker (IN to OUT) with the first 12 hex digits of a hash of the program's
# files (STAMP_OF, its paths joined by "|") as its cache's stamp.
string(REPLACE "|" ";" files "${STAMP_OF}")
set(hashes "")
foreach(file IN LISTS files)
    file(SHA256 ${file} hash)
    string(APPEND hashes ${hash})
endforeach()
string(SHA256 hash "${hashes}")
string(SUBSTRING ${hash} 0 12 VANDRO_SITE_STAMP)
configure_file(${IN} ${OUT} @ONLY)

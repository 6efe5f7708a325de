# Writes the service worker (IN to OUT) with the first 12 hex digits of the program's hash
# (STAMP_OF) as its cache's stamp.
file(SHA256 ${STAMP_OF} hash)
string(SUBSTRING ${hash} 0 12 VANDRO_SITE_STAMP)
configure_file(${IN} ${OUT} @ONLY)

# Writes the game's page (IN to OUT) with the program's script (SCRIPT) inside it in place of the
# element that loads it: the page then needs no second request before the program can start, and
# the browser compiles the script as it parses the page.
file(READ ${IN} page)
file(READ ${SCRIPT} script)
set(loader "<script src=\"vandro.js\" async></script>")
string(FIND "${page}" "${loader}" at)
if(at EQUAL -1)
    message(FATAL_ERROR "${IN} has no ${loader} to put the program's script in place of")
endif()
# Inside a script element, the parser would take these for the element's end or a comment's start.
string(TOLOWER "${script}" lower)
foreach(breaking IN ITEMS "</script" "<!--")
    string(FIND "${lower}" "${breaking}" found)
    if(NOT found EQUAL -1)
        message(FATAL_ERROR "${SCRIPT} holds ${breaking}, which would end the page's script early")
    endif()
endforeach()
string(REPLACE "${loader}" "<script>${script}</script>" page "${page}")
file(WRITE ${OUT} "${page}")

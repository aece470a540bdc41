# Lays out one release of the web site, ready for any static host:
#
#   cmake -DSOURCE_DIR=<web/site> -DMODULE_DIR=<lorvan.js and lorvan.wasm>
#         -DICONS_DIR=<the PNG icons> -DFAVICON=<.ico> -DFONT_LICENCE=<text>
#         -DSITE_DIR=<output> [-DRELEASE_FILE=<file that receives the release>]
#         -P lay_out_site.cmake
#
# The release is the first 16 hex digits of a SHA-256 over every file's name and
# content (and this script's). Every file the page asks for carries it as ?v=<release> (index.html's
# src and href, the modules' relative imports, the module's lorvan.wasm, the
# manifest's icons), so a browser never pairs a cached file of one release with
# another's; the service worker's cache is named after it and precaches the
# site under exactly those addresses. _headers gives hosts that set headers the
# page's own policy.

cmake_minimum_required(VERSION 3.20)

foreach(input SOURCE_DIR MODULE_DIR ICONS_DIR FAVICON FONT_LICENCE SITE_DIR)
    if(NOT DEFINED ${input})
        message(FATAL_ERROR "lay_out_site.cmake needs -D${input}=...")
    endif()
endforeach()

# -- What the site holds: each name in the site and the file it comes from ----------
file(GLOB page_files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.html ${SOURCE_DIR}/*.js
     ${SOURCE_DIR}/*.css ${SOURCE_DIR}/*.webmanifest)
file(GLOB icon_files RELATIVE ${ICONS_DIR} ${ICONS_DIR}/*.png)
set(site_names)
macro(add_site_file name from)
    if(NOT EXISTS "${from}")
        message(FATAL_ERROR "The site needs ${from}, which is missing")
    endif()
    list(APPEND site_names ${name})
    set(from_${name} "${from}")
endmacro()
foreach(name ${page_files})
    add_site_file(${name} ${SOURCE_DIR}/${name})
endforeach()
foreach(name lorvan.js lorvan.wasm)
    add_site_file(${name} ${MODULE_DIR}/${name})
endforeach()
foreach(name ${icon_files})
    add_site_file(${name} ${ICONS_DIR}/${name})
endforeach()
add_site_file(favicon.ico ${FAVICON})
add_site_file(FONTS-LICENSE.txt ${FONT_LICENCE})
list(SORT site_names)
foreach(required index.html service-worker.js manifest.webmanifest)
    if(NOT required IN_LIST site_names)
        message(FATAL_ERROR "${SOURCE_DIR} has no ${required}")
    endif()
endforeach()

# -- The release ----------------------------------------------------------------------
# This script's own text counts too: a change in how the site is laid out is a
# new release.
file(SHA256 ${CMAKE_CURRENT_LIST_FILE} digest)
set(digests "lay_out_site.cmake ${digest}\n")
foreach(name ${site_names})
    file(SHA256 "${from_${name}}" digest)
    string(APPEND digests "${name} ${digest}\n")
endforeach()
string(SHA256 release "${digests}")
string(SUBSTRING ${release} 0 16 release)
set(v "?v=${release}")

# -- Stamping -------------------------------------------------------------------------
# Names the stamped texts ask for with ?v=; the other files are precached bare.
set(stamped_names)

# Replaces every match of pattern in the variable text_variable names by replacement
# (which appends the release to the address), adds each address (regex group
# address_group) to stamped_names, and says how many there were in stamp_count.
function(stamp text_variable pattern replacement address_group)
    string(REGEX MATCHALL "${pattern}" matches "${${text_variable}}")
    list(LENGTH matches count)
    set(names ${stamped_names})
    foreach(match ${matches})
        string(REGEX REPLACE "${pattern}" "\\${address_group}" found "${match}")
        string(REGEX REPLACE "^\\./" "" found "${found}")
        list(APPEND names ${found})
    endforeach()
    string(REGEX REPLACE "${pattern}" "${replacement}" result "${${text_variable}}")
    set(${text_variable} "${result}" PARENT_SCOPE)
    set(stamped_names ${names} PARENT_SCOPE)
    set(stamp_count ${count} PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${SITE_DIR})
file(MAKE_DIRECTORY ${SITE_DIR})

foreach(name ${site_names})
    set(from "${from_${name}}")
    if(name STREQUAL "service-worker.js")
        continue() # written last, once every stamped address is known
    elseif(name STREQUAL "index.html")
        file(READ ${from} text)
        # Relative addresses only: no scheme, fragment or query of their own.
        stamp(text "(src|href)=\"([^\":#?]+)\"" "\\1=\"\\2${v}\"" 2)
        # Hosts that set headers send the page's own policy, with what only a
        # header can say.
        if(NOT text MATCHES "<meta http-equiv=\"Content-Security-Policy\" content=\"([^\"]+)\"")
            message(FATAL_ERROR "${from} has no Content-Security-Policy meta tag")
        endif()
        set(policy "${CMAKE_MATCH_1}")
    elseif(name STREQUAL "lorvan.js")
        file(READ ${from} text)
        # The loader fetches its module by this name.
        stamp(text "\"(lorvan\\.wasm)\"" "\"\\1${v}\"" 1)
        if(NOT stamp_count EQUAL 1)
            message(FATAL_ERROR "${from} names \"lorvan.wasm\" ${stamp_count} times, not once")
        endif()
    elseif(name MATCHES "\\.js$")
        file(READ ${from} text)
        # Static and dynamic imports of the site's own modules, in either quotes.
        foreach(q "\"" "'")
            stamp(text "(from|import)([ \t]*\\(?[ \t]*)${q}(\\./[^${q}?]+)${q}"
                  "\\1\\2${q}\\3${v}${q}" 3)
        endforeach()
    elseif(name STREQUAL "manifest.webmanifest")
        file(READ ${from} text)
        stamp(text "(\"src\"[ \t]*:[ \t]*\")([^\":#?]+)\"" "\\1\\2${v}\"" 2)
    else()
        configure_file(${from} ${SITE_DIR}/${name} COPYONLY)
        continue()
    endif()
    file(WRITE ${SITE_DIR}/${name} "${text}")
endforeach()

# -- The service worker's precache list -----------------------------------------------
# The start address, then every file as the page asks for it; the worker itself
# and the hosts' _headers are no part of the pages.
set(precache "./")
foreach(name ${site_names})
    if(name STREQUAL "service-worker.js")
        continue()
    elseif(name IN_LIST stamped_names)
        list(APPEND precache "${name}${v}")
    else()
        list(APPEND precache "${name}")
    endif()
endforeach()
list(JOIN precache "\", \"" LORVAN_SITE_FILES)
set(LORVAN_RELEASE ${release})
configure_file(${from_service-worker.js} ${SITE_DIR}/service-worker.js @ONLY)

# -- Headers for hosts that set them (the _headers format) ----------------------------
# The page and the worker are asked again on every visit, so a new release is seen;
# every other address carries its release.
file(WRITE ${SITE_DIR}/_headers "/*
  Content-Security-Policy: ${policy}; frame-ancestors 'none'
  X-Content-Type-Options: nosniff
  Referrer-Policy: no-referrer
/
  Cache-Control: no-cache
/index.html
  Cache-Control: no-cache
/service-worker.js
  Cache-Control: no-cache
")

if(DEFINED RELEASE_FILE)
    file(WRITE ${RELEASE_FILE} "${release}\n")
endif()
message(STATUS "Web site release ${release} in ${SITE_DIR}")

# The maker's files the installer carries: the license agreement and the pictures of its look.
# Each has a cache variable naming the maker's own file; empty means the committed default under
# installer/resources/. A missing file, or a picture whose format or pixel size does not fit its
# place in the installer's look, stops the configuration with a message naming the file and what
# was expected.
set(VELKOR_LICENSE "" CACHE FILEPATH
    "The maker's license agreement in the label markup, UTF-8; the committed one when empty")
set(VELKOR_BANNER "" CACHE FILEPATH
    "The maker's banner, JPEG 900 x 1000; the committed one when empty")
set(VELKOR_BACKGROUND "" CACHE FILEPATH
    "The maker's page background, PNG 576 x 494; the committed one when empty")
set(VELKOR_LOGO "" CACHE FILEPATH "The maker's logo, PNG 236 x 72; the committed one when empty")
set(VELKOR_CHECKBOX "" CACHE FILEPATH
    "The maker's check box, PNG 14 x 28 (unticked above ticked); the committed one when empty")
set(VELKOR_INSTALLED_CHECK "" CACHE FILEPATH
    "The maker's result mark, PNG 38 x 72 (not installed, installed); the committed one when empty")

set(VELKOR_COMMITTED_FILES "${PROJECT_SOURCE_DIR}/installer/resources")
set(VELKOR_LICENSE_BYTES 25759)

# The big-endian number of `count` bytes at `offset` of `file`; empty past the end of the file.
function(velkor_read_number file offset count out)
    file(READ "${file}" hex OFFSET ${offset} LIMIT ${count} HEX)
    string(LENGTH "${hex}" digits)
    math(EXPR expected "${count} * 2")
    if(digits EQUAL expected)
        math(EXPR value "0x${hex}")
        set(${out} ${value} PARENT_SCOPE)
    else()
        set(${out} "" PARENT_SCOPE)
    endif()
endfunction()

# The pixel size of a PNG, from its IHDR chunk; empty when the file is no PNG.
function(velkor_png_size file out_width out_height)
    file(READ "${file}" head LIMIT 16 HEX)
    set(width "")
    set(height "")
    if(head MATCHES "^89504e470d0a1a0a0000000d49484452$")
        velkor_read_number("${file}" 16 4 width)
        velkor_read_number("${file}" 20 4 height)
    endif()
    set(${out_width} "${width}" PARENT_SCOPE)
    set(${out_height} "${height}" PARENT_SCOPE)
endfunction()

# The pixel size of a JPEG, from its first frame header (SOF); empty when the file is no JPEG or
# ends before one.
function(velkor_jpeg_size file out_width out_height)
    set(width "")
    set(height "")
    file(READ "${file}" signature LIMIT 3 HEX)
    file(SIZE "${file}" file_size)
    set(offset 2)
    while(signature STREQUAL "ffd8ff" AND offset LESS file_size)
        file(READ "${file}" marker OFFSET ${offset} LIMIT 2 HEX)
        if(marker STREQUAL "ffff")  # a fill byte before the marker
            math(EXPR offset "${offset} + 1")
        elseif(marker MATCHES "^ffc[0-35-79abd-f]$")  # a frame header of any coding
            math(EXPR height_at "${offset} + 5")
            math(EXPR width_at "${offset} + 7")
            velkor_read_number("${file}" ${height_at} 2 height)
            velkor_read_number("${file}" ${width_at} 2 width)
            break()
        elseif(marker MATCHES "^ff(d9|da)$" OR NOT marker MATCHES "^ff")  # image data, end, junk
            break()
        else()
            math(EXPR length_at "${offset} + 2")
            velkor_read_number("${file}" ${length_at} 2 length)
            if(length STREQUAL "")
                break()
            endif()
            math(EXPR offset "${offset} + 2 + ${length}")
        endif()
    endwhile()
    set(${out_width} "${width}" PARENT_SCOPE)
    set(${out_height} "${height}" PARENT_SCOPE)
endfunction()

# The file a slot embeds: the maker's when the variable names one, else the committed default.
function(velkor_maker_file variable default out)
    set(file "${default}")
    if(${variable})
        set(file "${${variable}}")
        if(NOT EXISTS "${file}" OR IS_DIRECTORY "${file}")
            message(FATAL_ERROR "${variable} names a file that does not exist: ${file}")
        endif()
    endif()
    set(${out} "${file}" PARENT_SCOPE)
endfunction()

# Stops the configuration unless the slot's picture is a `format` (PNG or JPEG) of the pixel size.
function(velkor_check_picture variable what file format width height)
    if(format STREQUAL "JPEG")
        velkor_jpeg_size("${file}" actual_width actual_height)
    else()
        velkor_png_size("${file}" actual_width actual_height)
    endif()
    set(expected "the ${what} must be a ${format} of ${width} x ${height} pixels")
    if(actual_width STREQUAL "")
        message(FATAL_ERROR "${variable}: ${file} is not a ${format} file, but ${expected}")
    endif()
    if(NOT actual_width EQUAL width OR NOT actual_height EQUAL height)
        message(FATAL_ERROR
            "${variable}: ${file} is ${actual_width} x ${actual_height} pixels, but ${expected}")
    endif()
endfunction()

velkor_maker_file(VELKOR_LICENSE "${VELKOR_COMMITTED_FILES}/license.html" license_file)
if(NOT VELKOR_LICENSE)
    # The committed license is the documented one: its exact length and CR LF line ends, which a
    # line-end conversion on checkout would break. Read as bytes: a text read drops every CR.
    file(SIZE "${license_file}" license_size)
    file(READ "${license_file}" license_hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\1 " license_bytes "${license_hex}")
    string(REPLACE "0d 0a " "" license_without_line_ends "${license_bytes}")
    if(NOT license_size EQUAL VELKOR_LICENSE_BYTES OR NOT license_bytes MATCHES "0d 0a $"
       OR license_without_line_ends MATCHES "(^| )0[ad] ")
        message(FATAL_ERROR "${license_file} must be ${VELKOR_LICENSE_BYTES} bytes with every line "
                            "ending in CR LF (it is ${license_size} bytes)")
    endif()
endif()

# Each chosen file is copied under its slot's name, which names its byte array in the program.
set(maker_copies "${CMAKE_CURRENT_BINARY_DIR}/maker_files")
configure_file("${license_file}" "${maker_copies}/license.html" COPYONLY)
set(VELKOR_MAKER_FILES "${maker_copies}/license.html")

# One picture slot: the embedded file's name, its cache variable, what it is, format and size.
macro(velkor_maker_picture name variable what format width height)
    velkor_maker_file(${variable} "${VELKOR_COMMITTED_FILES}/pictures/${name}" picture_file)
    velkor_check_picture(${variable} "${what}" "${picture_file}" ${format} ${width} ${height})
    configure_file("${picture_file}" "${maker_copies}/${name}" COPYONLY)
    list(APPEND VELKOR_MAKER_FILES "${maker_copies}/${name}")
endmacro()

velkor_maker_picture(banner.jpg VELKOR_BANNER "banner" JPEG 900 1000)
velkor_maker_picture(background.png VELKOR_BACKGROUND "page background" PNG 576 494)
velkor_maker_picture(logo.png VELKOR_LOGO "logo" PNG 236 72)
velkor_maker_picture(checkbox.png VELKOR_CHECKBOX "check box picture" PNG 14 28)
velkor_maker_picture(installed_check.png VELKOR_INSTALLED_CHECK "result mark" PNG 38 72)

# Embeds the chosen files into the target: the byte arrays of maker_files, embedded_maker_files.h.
function(velkor_embed_maker_files target)
    velkor_embed_pictures(${target} embedded_maker_files maker_files ${VELKOR_MAKER_FILES})
    if(VELKOR_LICENSE)
        # Only the committed license has a known length; its users check that length only then.
        target_compile_definitions(${target} INTERFACE VELKOR_OWN_LICENSE)
    endif()
endfunction()

if(NOT WIN32 AND NOT VELKOR_FUZZ)
    # A picture that does not fit its slot stops the configuration and says what was expected.
    function(velkor_add_wrong_picture_test slot setting message)
        add_test(NAME configure_rejects_wrong_${slot}
            COMMAND ${CMAKE_COMMAND} -S ${PROJECT_SOURCE_DIR}
                    -B ${PROJECT_BINARY_DIR}/wrong-${slot}-check -G Ninja -D${setting})
        string(REPLACE " " "[\n ]+" wrapped "${message}")  # CMake wraps the message it prints
        set_tests_properties(configure_rejects_wrong_${slot} PROPERTIES
            PASS_REGULAR_EXPRESSION "${wrapped}")
    endfunction()
    velkor_add_wrong_picture_test(logo "VELKOR_LOGO=${VELKOR_COMMITTED_FILES}/pictures/checkbox.png"
        "is 14 x 28 pixels, but the logo must be a PNG of 236 x 72 pixels")
    velkor_add_wrong_picture_test(banner "VELKOR_BANNER=${VELKOR_COMMITTED_FILES}/pictures/logo.png"
        "is not a JPEG file, but the banner must be a JPEG of 900 x 1000 pixels")
endif()

# minizip's unzip side. Natively it comes from libminizip-dev; for Windows it is
# compiled from contrib/minizip of Debian's zlib source package, unpacked by
# tools/setup.sh, against the mingw-w64 zlib.
if(WIN32)
    set(minizip_dir ${ZV_ZLIB_SOURCE}/contrib/minizip)
    if(NOT EXISTS ${minizip_dir}/unzip.c)
        message(FATAL_ERROR "minizip sources not found in ${minizip_dir}; run tools/setup.sh")
    endif()
    find_package(ZLIB REQUIRED)
    add_library(minizip STATIC ${minizip_dir}/unzip.c ${minizip_dir}/ioapi.c ${minizip_dir}/iowin32.c)
    target_include_directories(minizip SYSTEM PUBLIC ${minizip_dir})
    target_compile_options(minizip PRIVATE -w)
    target_link_libraries(minizip PUBLIC ZLIB::ZLIB)
else()
    find_package(PkgConfig REQUIRED)
    pkg_check_modules(MINIZIP REQUIRED IMPORTED_TARGET minizip)
    add_library(minizip INTERFACE)
    target_link_libraries(minizip INTERFACE PkgConfig::MINIZIP)
endif()

#pragma once
// libjpeg's error manager for code that must not be left by a C++ exception: a failure jumps
// back to the point set with setjmp(Jump), which answers it. Between that point and the end of
// libjpeg's work nothing with a destructor may be made, since the jump would skip it.

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

struct TJpegErrors {
  jpeg_error_mgr Public;
  std::jmp_buf Jump;
};

[[noreturn]] inline void JpegFailed(j_common_ptr info) {
  std::longjmp(reinterpret_cast<TJpegErrors*>(info->err)->Jump, 1);
}

// libjpeg's standard manager, failing by the jump; for a libjpeg object's err.
inline jpeg_error_mgr* JumpingJpegErrors(TJpegErrors& errors) {
  jpeg_error_mgr* manager = jpeg_std_error(&errors.Public);
  manager->error_exit = JpegFailed;
  return manager;
}

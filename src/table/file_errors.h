// The C library's reason for the file operation that just failed.
#pragma once

#include <cerrno>
#include <system_error>

namespace quintrel {

// errno as an error code, or fallback when the failing call left errno unset (the standard
// streams do not promise to set it). Clear errno before the call.
inline std::error_code lastSystemError(std::errc fallback) {
  return errno != 0 ? std::error_code(errno, std::generic_category())
                    : std::make_error_code(fallback);
}

}  // namespace quintrel

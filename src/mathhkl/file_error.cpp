// errno values grouped under the platform's file messages; anything else keeps its number.
#include "mathhkl/file_error.hpp"

#include <cerrno>
#include <string>

namespace mathhkl {

platform_error file_error(int error_number) {
  switch (error_number) {
    case ENOENT:
      return platform_error("File not found");
    case ENAMETOOLONG:
    case ENOTDIR:
    case EINVAL:
    case EILSEQ:
      return platform_error("Invalid filename");
    case EMFILE:
    case ENFILE:
      return platform_error("Too many open files");
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
    case EBUSY:
      return platform_error("File access denied");
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return platform_error("Disk full");
    default:
      return platform_error("I/O error " + std::to_string(error_number));
  }
}

}  // namespace mathhkl

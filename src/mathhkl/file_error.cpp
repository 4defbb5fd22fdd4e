// errno values grouped under the platform's file messages; anything else keeps its number.
#include "mathhkl/file_error.hpp"

#include <cerrno>
#include <string>

namespace mathhkl {

platform::error file_error(int error_number) {
  switch (error_number) {
    case ENOENT:
      return platform::error("File not found");
    case ENAMETOOLONG:
    case ENOTDIR:
    case EINVAL:
    case EILSEQ:
      return platform::error("Invalid filename");
    case EMFILE:
    case ENFILE:
      return platform::error("Too many open files");
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
    case EBUSY:
      return platform::error("File access denied");
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return platform::error("Disk full");
    default:
      return platform::error("I/O error " + std::to_string(error_number));
  }
}

}  // namespace mathhkl

#include "util/exception.h"

#include <new>
#include <stdexcept>
#include <system_error>

namespace pv {

std::string ExceptionClassName(const std::exception& e) {
    if (auto* own = dynamic_cast<const Exception*>(&e)) return own->ClassName();
    if (dynamic_cast<const std::bad_alloc*>(&e)) return "EOutOfMemory";
    if (dynamic_cast<const std::out_of_range*>(&e)) return "ERangeError";
    if (dynamic_cast<const std::invalid_argument*>(&e)) return "EArgumentException";
    if (dynamic_cast<const std::system_error*>(&e)) return "EOSError";
    return "Exception";
}

std::string ExceptionMessage(const std::exception& e) {
    if (auto* own = dynamic_cast<const Exception*>(&e)) return own->Message();
    return e.what();
}

}  // namespace pv

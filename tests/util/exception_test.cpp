#include "util/exception.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <system_error>

namespace pv {
namespace {

TEST(ExceptionFamily, EveryClassNamesItselfEvenThroughItsBase) {
    auto nameOf = [](const Exception& e) { return std::string(e.ClassName()); };
    EXPECT_EQ(nameOf(Exception("m")), "Exception");
    EXPECT_EQ(nameOf(EConvertError("m")), "EConvertError");
    EXPECT_EQ(nameOf(EInOutError("m")), "EInOutError");
    EXPECT_EQ(nameOf(EStreamError("m")), "EStreamError");
    EXPECT_EQ(nameOf(EFOpenError("m")), "EFOpenError");
    EXPECT_EQ(nameOf(EFCreateError("m")), "EFCreateError");
    EXPECT_EQ(nameOf(EWriteError("m")), "EWriteError");
    EXPECT_EQ(nameOf(EReadError("m")), "EReadError");
    EXPECT_EQ(nameOf(EInvalidGraphic("m")), "EInvalidGraphic");
    EXPECT_EQ(nameOf(EOutOfResources("m")), "EOutOfResources");
    EXPECT_EQ(nameOf(ERegistryException("m")), "ERegistryException");
    EXPECT_EQ(nameOf(EListError("m")), "EListError");
    EXPECT_EQ(nameOf(EInvalidOperation("m")), "EInvalidOperation");
    EXPECT_EQ(nameOf(EvdPointerRefNotAssigned("m")), "EvdPointerRefNotAssigned");
    EXPECT_EQ(nameOf(EvdValueOutOfValidRangeError("m")), "EvdValueOutOfValidRangeError");
    EXPECT_EQ(nameOf(EOSError("m")), "EOSError");
}

TEST(ExceptionFamily, FileErrorsAreStreamErrorsAndCarryTheirMessage) {
    try {
        throw EFOpenError("Cannot open file \"C:\\x\".");
    } catch (const EStreamError& e) {
        EXPECT_STREQ(e.what(), "Cannot open file \"C:\\x\".");
        EXPECT_EQ(e.Message(), "Cannot open file \"C:\\x\".");
        EXPECT_EQ(ExceptionClassName(e), "EFOpenError");
        EXPECT_EQ(ExceptionMessage(e), e.Message());
    }
    EXPECT_STREQ(EConvertError().what(), "");
}

TEST(ExceptionClassName, NamesStandardFailuresByTheirKind) {
    EXPECT_EQ(ExceptionClassName(std::bad_alloc()), "EOutOfMemory");
    EXPECT_EQ(ExceptionClassName(std::bad_array_new_length()), "EOutOfMemory");
    EXPECT_EQ(ExceptionClassName(std::out_of_range("x")), "ERangeError");
    EXPECT_EQ(ExceptionClassName(std::invalid_argument("x")), "EArgumentException");
    EXPECT_EQ(ExceptionClassName(std::system_error(std::make_error_code(std::errc::permission_denied))),
              "EOSError");
    EXPECT_EQ(ExceptionClassName(std::runtime_error("x")), "Exception");
    EXPECT_EQ(ExceptionClassName(std::logic_error("x")), "Exception");
    EXPECT_EQ(ExceptionMessage(std::runtime_error("plain")), "plain");
}

}  // namespace
}  // namespace pv

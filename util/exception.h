#pragma once
// The program's exception family. Every failure the program raises derives from
// Exception and names its class, which the log and the error report print.
#include <exception>
#include <string>

namespace pv {

class Exception : public std::exception {
public:
    explicit Exception(std::string message = {}) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& Message() const { return message_; }
    virtual const char* ClassName() const { return "Exception"; }

private:
    std::string message_;
};

#define PV_DECLARE_EXCEPTION(Name, Base)                                    \
    class Name : public Base {                                              \
    public:                                                                 \
        using Base::Base;                                                   \
        const char* ClassName() const override { return #Name; }            \
    }

PV_DECLARE_EXCEPTION(EConvertError, Exception);
PV_DECLARE_EXCEPTION(EInOutError, Exception);
PV_DECLARE_EXCEPTION(EStreamError, Exception);
PV_DECLARE_EXCEPTION(EFOpenError, EStreamError);
PV_DECLARE_EXCEPTION(EFCreateError, EStreamError);
PV_DECLARE_EXCEPTION(EWriteError, EStreamError);
PV_DECLARE_EXCEPTION(EReadError, EStreamError);
PV_DECLARE_EXCEPTION(EInvalidGraphic, Exception);
PV_DECLARE_EXCEPTION(EOutOfResources, Exception);
PV_DECLARE_EXCEPTION(ERegistryException, Exception);
PV_DECLARE_EXCEPTION(EListError, Exception);
PV_DECLARE_EXCEPTION(EInvalidOperation, Exception);
PV_DECLARE_EXCEPTION(EvdPointerRefNotAssigned, Exception);
PV_DECLARE_EXCEPTION(EvdValueOutOfValidRangeError, Exception);
PV_DECLARE_EXCEPTION(EOSError, Exception);

// Class name and message of any exception, for the log and the error report. Failures
// from outside the family (the standard library's) are named by their kind.
std::string ExceptionClassName(const std::exception& e);
std::string ExceptionMessage(const std::exception& e);

}  // namespace pv

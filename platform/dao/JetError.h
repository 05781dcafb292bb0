#pragma once

#include <stdexcept>
#include <string>

namespace jet
{

// Error codes as Jet numbers them, where the system can meet them.
enum JetErrorCode : int
{
    kErrTableExists = 3010,
    kErrObjectNotFound = 3011,
    kErrNotUpdatable = 3027,
    kErrFileNotFound = 3024,
    kErrInvalidOperation = 3219,
    kErrNoCurrentRecord = 3021,
    kErrFileInUse = 3045,
    kErrTooFewParameters = 3061,
    kErrSyntax = 3075,
    kErrDiskIo = 3043,
    kErrUnrecognizedFormat = 3274,
    kErrNotInstallableIsam = 3170,
    kErrFieldNotFound = 3265,
    kErrTypeMismatch = 3464,
    kErrFileChanged = 3197,
    kErrDatabaseExists = 3204,
    kErrFieldTooSmall = 3163,
    kErrOverflow = 3349,
    kErrInvalidName = 3125
};

// A database error: a Jet-like code and a Czech description.
class JetError : public std::runtime_error
{
public:
    JetError(int code, const std::string& description) : std::runtime_error(description), code_(code) {}
    int Code() const { return code_; }

private:
    int code_;
};

} // namespace jet

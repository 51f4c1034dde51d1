#pragma once
// The runtime's exception classes. Their messages are the runtime's own
// German texts, because users see them in the standard error box.

#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// A text that is not a number, a date that does not exist.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// A failing file operation; ErrorCode is the operating system's error number,
// or one of the runtime's own codes (100 read past the end, 103 file not open).
class EInOutError : public Exception {
public:
    explicit EInOutError(int code)
        : Exception("E/A-Fehler " + std::to_string(code)), ErrorCode(code) {}
    int ErrorCode;
};

// Opening or creating a file for a whole-file load or save failed.
class EStreamError : public Exception {
public:
    using Exception::Exception;
};
class EFOpenError : public EStreamError {
public:
    explicit EFOpenError(const std::string& path)
        : EStreamError("Datei \"" + path + "\" kann nicht geöffnet werden") {}
};
class EFCreateError : public EStreamError {
public:
    explicit EFCreateError(const std::string& path)
        : EStreamError("Datei \"" + path + "\" kann nicht erstellt werden") {}
};

// A settings value stored with another type than the one read.
class ERegistryException : public Exception {
public:
    using Exception::Exception;
};

// Runtime codes that are not operating-system error numbers.
namespace InOutCode {
constexpr int ReadBeyondEnd = 38;
constexpr int DiskRead = 100;
constexpr int DiskWrite = 101;
constexpr int FileNotOpen = 103;
}

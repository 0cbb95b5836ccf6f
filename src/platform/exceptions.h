#pragma once
// The program's errors. A message is bytes in the program's code page; only the application
// object catches these and shows the message in its error box.
#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

// A text that is not an integer in the accepted form.
class EConvertError : public Exception {
  using Exception::Exception;
};

// A write to a settings file that failed.
class EIniFileException : public Exception {
  using Exception::Exception;
};

// A text or a name that the code page, or Unicode, cannot hold.
class EEncodingError : public Exception {
  using Exception::Exception;
};

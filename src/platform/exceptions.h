#pragma once
// The program's errors. A message is bytes in the program's code page; only the application
// object catches these and shows the message in its error box.
#include <exception>
#include <string>
#include <utility>

class Exception : public std::exception {
 public:
  // Kept as a string of its own: a message may hold any byte, NUL included.
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const std::string& Message() const { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
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

#pragma once
// The two kinds of failure the program knows: an error that carries one of the program's
// own messages for the user, and the silent abort that ends the current user operation
// without any message. EAbort deliberately does not derive from EError, so a handler that
// shows errors can never show an abort by accident.
#include <stdexcept>
#include <string>

namespace tgl {

class EError : public std::runtime_error {
public:
  explicit EError(const std::string& message) : std::runtime_error(message) {}
};

class EAbort : public std::exception {
public:
  const char* what() const noexcept override { return "Operation aborted"; }
};

[[noreturn]] inline void Abort() { throw EAbort(); }

}  // namespace tgl

#pragma once
// What the card tests share: detection on a chosen Windows version and error capture.
#include <memory>
#include <string>

#include "base/Errors.h"
#include "cards/CreateCards.h"
#include "support/TestSupport.h"

namespace tgl::test {

class CardsTest : public TCoreTest {
protected:
  CardsTest() { Startup().WindowsVersion = wvWindows98; }

  std::unique_ptr<TrlCards> Detect() { return CreateCards(); }

  // The message of the error that `action` raises, or "no error".
  template <class TAction>
  static std::string ErrorOf(TAction action) {
    try {
      action();
    } catch (const EError& error) {
      return error.what();
    }
    return "no error";
  }
};

}  // namespace tgl::test

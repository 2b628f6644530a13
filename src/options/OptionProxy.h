#pragma once
// What the option model knows of the control proxy that an option owns: it is freed with
// its option and can show the option's value. The tuning panels derive their check-box and
// combo-box proxies from it.
namespace tgl {

class TOptionProxy {
public:
  TOptionProxy() = default;
  virtual ~TOptionProxy() = default;
  TOptionProxy(const TOptionProxy&) = delete;
  TOptionProxy& operator=(const TOptionProxy&) = delete;

  // Shows the option's current value in the bound control.
  virtual void UpdateControl() {}
};

}  // namespace tgl

#pragma once
// ComObject: the IUnknown side of our COM objects. They are made with new,
// start with one reference, keep the server loaded while they live (see
// server_lock.h) and delete themselves on the last Release. The derived
// class answers QueryInterface, through answerQuery.

#include <windows.h>

#include <atomic>

#include "com/server_lock.h"

namespace vrn::com {

template <class... Interfaces>
class ComObject : public Interfaces... {
 public:
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }

 protected:
  ComObject() { serverLock().objectCreated(); }
  virtual ~ComObject() { serverLock().objectDestroyed(); }

  // `found` is this object as the interface asked for, or null when it
  // offers none such.
  static HRESULT answerQuery(IUnknown* found, void** out) {
    *out = found;
    if (found == nullptr) return E_NOINTERFACE;
    found->AddRef();
    return S_OK;
  }

 private:
  std::atomic<ULONG> refs_{1};
};

}  // namespace vrn::com

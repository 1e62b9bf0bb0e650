#include "com/class_factory.h"

#include "com/com_object.h"
#include "com/server_lock.h"

namespace vrn::com {
namespace {

class ClassFactory final : public ComObject<IClassFactory> {
 public:
  explicit ClassFactory(CreateObject create) : create_(create) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    const bool offered = iid == IID_IUnknown || iid == IID_IClassFactory;
    return answerQuery(offered ? this : nullptr, out);
  }

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    IUnknown* object = create_();
    if (object == nullptr) return E_OUTOFMEMORY;
    const HRESULT hr = object->QueryInterface(iid, out);
    object->Release();
    return hr;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    if (lock) {
      serverLock().lock();
    } else {
      serverLock().unlock();
    }
    return S_OK;
  }

 private:
  CreateObject create_;
};

}  // namespace

IClassFactory* newClassFactory(CreateObject create) { return new ClassFactory(create); }

HRESULT getClassObject(REFCLSID requested, REFCLSID clsid, CreateObject create, REFIID iid,
                       void** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (requested != clsid) return CLASS_E_CLASSNOTAVAILABLE;
  IClassFactory* factory = newClassFactory(create);
  const HRESULT hr = factory->QueryInterface(iid, out);  // E_NOINTERFACE for anything else
  factory->Release();
  return hr;
}

}  // namespace vrn::com

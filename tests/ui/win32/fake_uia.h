// UI Automation's two functions for an announcement, put in place of the
// system's by the tests: they record what reaches them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/win32/uia_notifier.h"

namespace lotwheel::win32 {

// The window's provider as UI Automation would hand it out; it counts the
// references Announce takes and gives back.
class FakeProvider final : public IRawElementProviderSimple {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
  ULONG STDMETHODCALLTYPE Release() override { return --references; }
  HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID, IUnknown**) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID, VARIANT*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE
  get_HostRawElementProvider(IRawElementProviderSimple**) override {
    return E_NOTIMPL;
  }

  ULONG references = 0;
};

inline FakeProvider provider;
inline HWND asked_for = nullptr;
struct Raised {
  IRawElementProviderSimple* provider;
  int kind, processing;
  std::wstring text, activity;
};
inline std::vector<Raised> raised;

inline HRESULT WINAPI HostProvider(HWND window,
                                   IRawElementProviderSimple** out) {
  asked_for = window;
  provider.AddRef();
  *out = &provider;
  return S_OK;
}
inline HRESULT WINAPI NoHostProvider(HWND, IRawElementProviderSimple** out) {
  *out = nullptr;
  return E_FAIL;
}
inline HRESULT WINAPI RaiseNotification(IRawElementProviderSimple* target,
                                        int kind, int processing, BSTR text,
                                        BSTR activity) {
  raised.push_back({target, kind, processing,
                    std::wstring(text, SysStringLen(text)),
                    std::wstring(activity, SysStringLen(activity))});
  return S_OK;
}

}  // namespace lotwheel::win32

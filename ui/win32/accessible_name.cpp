// What a screen reader learns of a control or window: its name, whether it
// is a link, and a window's description.
#include "ui/win32/accessible_name.h"

#include <commctrl.h>
#include <oleacc.h>

#include <atomic>

#include "ui/texts.h"
#include "ui/win32/system_library.h"
#include "ui/win32/wide_text.h"

namespace lotwheel::win32 {
namespace {

// The two functions of oleacc.dll that the annotations need. The DLL is not
// one Windows always takes from its own folder, so it is loaded at run time
// from there, once, and kept until the program ends: the standard objects
// it makes live as long as screen readers hold on to them.
struct Oleacc {
  decltype(&CreateStdAccessibleObject) create_standard_object;
  decltype(&LresultFromObject) lresult_from_object;
};

const Oleacc& OleaccFunctions() {
  static const SystemLibrary library(L"oleacc.dll");
  static const Oleacc functions{
      library.Get<decltype(&CreateStdAccessibleObject)>(
          "CreateStdAccessibleObject"),
      library.Get<decltype(&LresultFromObject)>("LresultFromObject")};
  return functions;
}

bool IsSelf(const VARIANT& child) {
  return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

HRESULT Text(std::u16string_view text, BSTR* out) {
  if (out == nullptr) return E_POINTER;
  *out =
      SysAllocStringLen(WideView(text).data(), static_cast<UINT>(text.size()));
  return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

// What a control tells screen readers beyond its standard object; an empty
// text leaves the standard one.
struct Annotation {
  std::u16string name;
  bool link = false;
  std::u16string description{};
};

// The control's standard object with the annotation's name and description
// and, for a link, the role, state and default action of a link; everything
// else is the standard object's.
class AnnotatedAccessible final : public IAccessible {
 public:
  AnnotatedAccessible(HWND control, IAccessible* standard,
                      Annotation annotation)
      : control_(control),
        standard_(standard),
        name_(std::move(annotation.name)),
        description_(std::move(annotation.description)),
        link_(annotation.link) {}
  AnnotatedAccessible(const AnnotatedAccessible&) = delete;
  AnnotatedAccessible& operator=(const AnnotatedAccessible&) = delete;

  // IUnknown: one object, whichever of its interfaces is asked for.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IDispatch && iid != IID_IAccessible)
      return E_NOINTERFACE;
    *out = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!IsSelf(child) || name_.empty())
      return standard_->get_accName(child, name);
    return Text(name_, name);
  }

  // What makes a link.
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!link_ || !IsSelf(child)) return standard_->get_accRole(child, role);
    if (role == nullptr) return E_POINTER;
    role->vt = VT_I4;
    role->lVal = ROLE_SYSTEM_LINK;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child,
                                         VARIANT* state) override {
    const HRESULT result = standard_->get_accState(child, state);
    if (SUCCEEDED(result) && link_ && IsSelf(child) && state->vt == VT_I4)
      state->lVal |= STATE_SYSTEM_LINKED;
    return result;
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child,
                                                 BSTR* action) override {
    if (!link_ || !IsSelf(child))
      return standard_->get_accDefaultAction(child, action);
    return Text(ui::kLinkActionName, action);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    if (!link_ || !IsSelf(child)) return standard_->accDoDefaultAction(child);
    if (!IsWindow(control_)) return E_FAIL;  // held on to after it closed
    PostMessageW(GetParent(control_), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(control_), STN_CLICKED),
                 reinterpret_cast<LPARAM>(control_));
    return S_OK;
  }

  // The rest as the standard object has it.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    return standard_->GetTypeInfoCount(count);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale,
                                        ITypeInfo** info) override {
    return standard_->GetTypeInfo(index, locale, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names,
                                          UINT count, LCID locale,
                                          DISPID* ids) override {
    return standard_->GetIDsOfNames(iid, names, count, locale, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale,
                                   WORD flags, DISPPARAMS* parameters,
                                   VARIANT* result, EXCEPINFO* exception,
                                   UINT* error) override {
    return standard_->Invoke(id, iid, locale, flags, parameters, result,
                             exception, error);
  }
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return standard_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    return standard_->get_accChildCount(count);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child,
                                         IDispatch** out) override {
    return standard_->get_accChild(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return standard_->get_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child,
                                               BSTR* text) override {
    if (!IsSelf(child) || description_.empty())
      return standard_->get_accDescription(child, text);
    return Text(description_, text);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return standard_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child,
                                             long* topic) override {
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child,
                                                    BSTR* keys) override {
    return standard_->get_accKeyboardShortcut(child, keys);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    return standard_->get_accFocus(focus);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    return standard_->get_accSelection(selection);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    return standard_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width,
                                        long* height, VARIANT child) override {
    return standard_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start,
                                        VARIANT* end) override {
    return standard_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y,
                                       VARIANT* child) override {
    return standard_->accHitTest(x, y, child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    return standard_->put_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return standard_->put_accValue(child, value);
  }

 private:
  ~AnnotatedAccessible() { standard_->Release(); }

  HWND control_;
  IAccessible* standard_;
  std::u16string name_;
  std::u16string description_;
  bool link_;
  std::atomic<ULONG> references_{1};
};

LRESULT CALLBACK AnnotatedProc(HWND control, UINT message, WPARAM wparam,
                               LPARAM lparam, UINT_PTR id, DWORD_PTR data) {
  auto* annotation = reinterpret_cast<Annotation*>(data);
  const auto object_id = static_cast<LONG>(lparam);
  // A window's description goes on its frame's object too: a screen reader
  // may read the window as either when it comes to the front.
  if (message == WM_GETOBJECT &&
      (object_id == OBJID_CLIENT ||
       (object_id == OBJID_WINDOW && !annotation->description.empty()))) {
    // Without oleacc.dll there is nothing to annotate: the standard answer.
    const Oleacc& oleacc = OleaccFunctions();
    void* standard = nullptr;
    if (oleacc.create_standard_object != nullptr &&
        oleacc.lresult_from_object != nullptr &&
        SUCCEEDED(oleacc.create_standard_object(control, object_id,
                                                IID_IAccessible, &standard))) {
      auto* object = new AnnotatedAccessible(
          control, static_cast<IAccessible*>(standard), *annotation);
      const LRESULT result =
          oleacc.lresult_from_object(IID_IAccessible, wparam, object);
      object->Release();
      // A failure (no COM on this thread) leaves the standard answer.
      if (result > 0) return result;
    }
  }
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(control, &AnnotatedProc, id);
    delete annotation;
  }
  return DefSubclassProc(control, message, wparam, lparam);
}

void Annotate(HWND control, Annotation annotation) {
  // Once a control: a second subclass would stand in front of the first.
  auto* data = new Annotation(std::move(annotation));
  if (!SetWindowSubclass(control, &AnnotatedProc, 0,
                         reinterpret_cast<DWORD_PTR>(data)))
    delete data;
}

}  // namespace

void SetSpokenName(HWND control, std::u16string name) {
  Annotate(control, {.name = std::move(name)});
}

void MakeAccessibleLink(HWND picture, std::u16string name) {
  Annotate(picture, {.name = std::move(name), .link = true});
}

void SetAccessibleDescription(HWND window, std::u16string text) {
  Annotate(window, {.name = {}, .link = false, .description = std::move(text)});
}

}  // namespace lotwheel::win32

// RegexMatcher over the scripting class "VBScript.RegExp", late bound through
// IDispatch. Texts are widened from code page 936 on the way in and narrowed
// back on the way out, so the engine counts characters, not bytes.
#include <windows.h>
#include <oleauto.h>

#include <cmath>
#include <string>

#include "text/codepage.h"
#include "text/regex_matcher.h"

namespace tzl {

namespace {

// Owns one VARIANT for the span of a call; VariantClear releases whatever
// string or interface it came back with.
class ScopedVariant {
 public:
  ScopedVariant() { VariantInit(&value_); }
  ~ScopedVariant() { VariantClear(&value_); }
  ScopedVariant(const ScopedVariant&) = delete;
  ScopedVariant& operator=(const ScopedVariant&) = delete;
  VARIANT* get() { return &value_; }

 private:
  VARIANT value_;
};

BSTR MakeBstr(const Text& text) {
  std::u16string wide = AnsiToUtf16(text);
  return SysAllocStringLen(reinterpret_cast<const OLECHAR*>(wide.data()),
                           static_cast<UINT>(wide.size()));
}

// Fills `out` with a BSTR variant; false when the string cannot be allocated
// (an empty text gives a valid empty BSTR, not a null one).
bool MakeStringVariant(const Text& text, VARIANT* out) {
  VariantInit(out);
  BSTR b = MakeBstr(text);
  if (b == nullptr) return false;
  out->vt = VT_BSTR;
  out->bstrVal = b;
  return true;
}

bool DispIdOf(IDispatch* object, const wchar_t* name, DISPID* id) {
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  return SUCCEEDED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, id));
}

// Calls member `name` with `args` given in the caller's order (IDispatch
// wants them last to first). `result` may be null.
bool Invoke(IDispatch* object, const wchar_t* name, WORD flags, VARIANT* args, UINT argCount,
            VARIANT* result) {
  if (object == nullptr) return false;
  DISPID id;
  if (!DispIdOf(object, name, &id)) return false;
  VARIANT reversed[2];
  if (argCount > 2) return false;
  for (UINT i = 0; i < argCount; ++i) reversed[i] = args[argCount - 1 - i];
  DISPPARAMS params = {};
  params.rgvarg = argCount ? reversed : nullptr;
  params.cArgs = argCount;
  DISPID putId = DISPID_PROPERTYPUT;
  if (flags & DISPATCH_PROPERTYPUT) {
    params.rgdispidNamedArgs = &putId;
    params.cNamedArgs = 1;
  }
  EXCEPINFO exception = {};
  UINT argError = 0;
  HRESULT hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result,
                              &exception, &argError);
  // The scripting engine reports an invalid pattern or a bad index through
  // an exception record whose strings are ours to free.
  SysFreeString(exception.bstrSource);
  SysFreeString(exception.bstrDescription);
  SysFreeString(exception.bstrHelpFile);
  return SUCCEEDED(hr);
}

bool PutBool(IDispatch* object, const wchar_t* name, bool value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BOOL;
  v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  return Invoke(object, name, DISPATCH_PROPERTYPUT, &v, 1, nullptr);
}

bool PutText(IDispatch* object, const wchar_t* name, const Text& value) {
  ScopedVariant v;
  if (!MakeStringVariant(value, v.get())) return false;
  return Invoke(object, name, DISPATCH_PROPERTYPUT, v.get(), 1, nullptr);
}

bool Get(IDispatch* object, const wchar_t* name, VARIANT* result) {
  return Invoke(object, name, DISPATCH_PROPERTYGET, nullptr, 0, result);
}

// The object held in a variant as IDispatch (with its own reference), or null.
IDispatch* DispatchOf(VARIANT* value) {
  if (value->vt == VT_DISPATCH && value->pdispVal != nullptr) {
    value->pdispVal->AddRef();
    return value->pdispVal;
  }
  ScopedVariant converted;
  if (FAILED(VariantChangeType(converted.get(), value, 0, VT_DISPATCH))) return nullptr;
  IDispatch* object = converted.get()->pdispVal;
  if (object != nullptr) object->AddRef();
  return object;
}

// Item(index) of a scripting collection, as a new reference.
IDispatch* ItemOf(IDispatch* collection, int zeroBasedIndex) {
  VARIANT index;
  VariantInit(&index);
  index.vt = VT_I4;
  index.lVal = zeroBasedIndex;
  ScopedVariant item;
  if (!Invoke(collection, L"Item", DISPATCH_PROPERTYGET | DISPATCH_METHOD, &index, 1, item.get()))
    return nullptr;
  return DispatchOf(item.get());
}

Text TextOf(VARIANT* value) {
  ScopedVariant converted;
  // Empty (a group that did not take part) converts to the empty string;
  // Null and anything else that cannot be a string gives the empty text.
  if (FAILED(VariantChangeType(converted.get(), value, 0, VT_BSTR))) return Text();
  BSTR b = converted.get()->bstrVal;
  if (b == nullptr) return Text();
  return Utf16ToAnsi(std::u16string(reinterpret_cast<const char16_t*>(b), SysStringLen(b)));
}

// The collection's Count, which may come back as any numeric type; a
// floating value is cut, not rounded.
int CountOf(IDispatch* collection) {
  ScopedVariant count;
  if (!Get(collection, L"Count", count.get())) return 0;
  ScopedVariant asDouble;
  if (FAILED(VariantChangeType(asDouble.get(), count.get(), 0, VT_R8))) return 0;
  double d = asDouble.get()->dblVal;
  if (!std::isfinite(d) || d < 1) return 0;
  if (d > 2147483647.0) return 2147483647;
  return static_cast<int>(d);
}

void Release(IDispatch** object) {
  if (*object != nullptr) {
    (*object)->Release();
    *object = nullptr;
  }
}

}  // namespace

struct RegexMatcher::Engine {
  bool comInitialised = false;
  IDispatch* regExp = nullptr;
  IDispatch* matches = nullptr;
  Text subject;

  IDispatch* MatchAt(int matchIndex) const {
    if (matches == nullptr || matchIndex < 1) return nullptr;
    return ItemOf(matches, matchIndex - 1);
  }
};

RegexMatcher::RegexMatcher() : engine_(new Engine) {
  HRESULT hr = CoInitialize(nullptr);
  // S_FALSE: already initialised on this thread, which still needs its
  // matching CoUninitialize; a failure (another apartment model) does not.
  engine_->comInitialised = hr == S_OK || hr == S_FALSE;
}

RegexMatcher::~RegexMatcher() {
  Release(&engine_->matches);
  Release(&engine_->regExp);
  engine_->subject.clear();
  if (engine_->comInitialised) CoUninitialize();
}

bool RegexMatcher::Create(const Text& pattern, const Text& subject, bool caseSensitive,
                          bool multiLine, bool global, bool quoteMarks) {
  Engine& e = *engine_;
  Release(&e.matches);
  Release(&e.regExp);
  e.subject = subject;

  CLSID clsid;
  if (FAILED(CLSIDFromProgID(L"VBScript.RegExp", &clsid))) return false;
  void* object = nullptr;
  if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, &object)) ||
      object == nullptr)
    return false;
  e.regExp = static_cast<IDispatch*>(object);

  Text prepared = quoteMarks ? ReplaceAll(pattern, "#引号", "\"") : pattern;
  if (!PutBool(e.regExp, L"IgnoreCase", !caseSensitive) ||
      !PutBool(e.regExp, L"Multiline", multiLine) || !PutBool(e.regExp, L"Global", global) ||
      !PutText(e.regExp, L"Pattern", prepared))
    return false;

  ScopedVariant arg;
  if (!MakeStringVariant(subject, arg.get())) return false;
  ScopedVariant result;
  if (!Invoke(e.regExp, L"Execute", DISPATCH_METHOD, arg.get(), 1, result.get())) return false;
  e.matches = DispatchOf(result.get());
  return e.matches != nullptr;
}

Text RegexMatcher::Pattern() const {
  if (engine_->regExp == nullptr) return Text();
  ScopedVariant value;
  if (!Get(engine_->regExp, L"Pattern", value.get())) return Text();
  return TextOf(value.get());
}

Text RegexMatcher::Replace(const Text& replacement) const {
  if (engine_->regExp == nullptr) return Text();
  VARIANT args[2];
  if (!MakeStringVariant(engine_->subject, &args[0])) return Text();
  if (!MakeStringVariant(replacement, &args[1])) {
    VariantClear(&args[0]);
    return Text();
  }
  ScopedVariant result;
  bool ok = Invoke(engine_->regExp, L"Replace", DISPATCH_METHOD, args, 2, result.get());
  VariantClear(&args[0]);
  VariantClear(&args[1]);
  return ok ? TextOf(result.get()) : Text();
}

int RegexMatcher::MatchCount() const {
  if (engine_->matches == nullptr) return 0;
  return CountOf(engine_->matches);
}

Text RegexMatcher::MatchText(int matchIndex) const {
  IDispatch* match = engine_->MatchAt(matchIndex);
  if (match == nullptr) return Text();
  ScopedVariant value;
  Text text = Get(match, L"Value", value.get()) ? TextOf(value.get()) : Text();
  match->Release();
  return text;
}

Text RegexMatcher::SubMatchText(int matchIndex, int groupIndex) const {
  if (groupIndex < 1) return Text();
  IDispatch* match = engine_->MatchAt(matchIndex);
  if (match == nullptr) return Text();
  Text text;
  ScopedVariant subMatchesValue;
  if (Get(match, L"SubMatches", subMatchesValue.get())) {
    IDispatch* subMatches = DispatchOf(subMatchesValue.get());
    if (subMatches != nullptr) {
      // Item beyond the last group fails in the engine; asking Count first
      // keeps that out of the common path.
      if (groupIndex <= CountOf(subMatches)) {
        VARIANT index;
        VariantInit(&index);
        index.vt = VT_I4;
        index.lVal = groupIndex - 1;
        ScopedVariant item;
        if (Invoke(subMatches, L"Item", DISPATCH_PROPERTYGET | DISPATCH_METHOD, &index, 1,
                   item.get()))
          text = TextOf(item.get());
      }
      subMatches->Release();
    }
  }
  match->Release();
  return text;
}

int RegexMatcher::SubMatchCount() const {
  IDispatch* match = engine_->MatchAt(1);
  if (match == nullptr) return 0;
  int count = 0;
  ScopedVariant subMatchesValue;
  if (Get(match, L"SubMatches", subMatchesValue.get())) {
    IDispatch* subMatches = DispatchOf(subMatchesValue.get());
    if (subMatches != nullptr) {
      count = CountOf(subMatches);
      subMatches->Release();
    }
  }
  match->Release();
  return count;
}

}  // namespace tzl

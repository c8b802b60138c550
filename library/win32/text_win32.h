// Text between automation strings and the system's single-byte code page, and
// values between VARIANTs and the library's rules.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <string>
#include <string_view>

#include "messages.h"
#include "value.h"

namespace pelmar {

// The library's rules work on UTF-8, where no byte of a character outside ASCII
// can be taken for "\\", "|", "." or a letter; texts go to the system's code page
// only at the platform's calls.

// Thrown for a text that cannot be held exactly (in the code page, or a broken
// surrogate pair): the member fails rather than hand the system "?", which a
// file search takes for a wildcard and the registry for part of a name.
struct UnrepresentableText {};

// Automation text to the library's text (UTF-8) and back.
std::string Narrow(const wchar_t* text, size_t length);
std::string Narrow(BSTR text);
std::wstring Widen(std::string_view text);
// The library's text to and from the system's code page.
std::string ToCodePage(std::string_view text);
std::string FromCodePage(std::string_view text);
// A new BSTR owned by the caller; E_OUTOFMEMORY when it cannot be made.
HRESULT ToBstr(const std::string& text, BSTR* out);

Value ToValue(const VARIANT& variant);
// Fills an initialised VARIANT with a String, a Long or Empty.
HRESULT ToVariant(const Value& value, VARIANT* out);

inline VARIANT_BOOL ToVariantBool(bool flag) { return flag ? VARIANT_TRUE : VARIANT_FALSE; }

// Sets the thread's error information and gives the HRESULT that carries the
// error number to automation clients (facility control).
HRESULT RaiseAutomationError(const AutomationError& error, REFIID source_interface);

}  // namespace pelmar

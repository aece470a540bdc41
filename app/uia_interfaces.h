// What the game's UI Automation provider speaks beyond mingw-w64's
// uiautomationcore.h: its uiautomationcoreapi.h does not compile as C++ (a
// parameter is named "new") and no header of it has the Value pattern, so the
// numbers and the one pattern interface the provider needs are declared here, as
// Windows defines them.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <uiautomationcore.h>

namespace uia {

// WM_GETOBJECT's object id (lParam, as a signed 32-bit value) of a UIA request.
constexpr LONG RootObjectId = -25;
// The first number of a runtime id that the host window's id is put before.
constexpr int AppendRuntimeId = 3;

constexpr PROPERTYID ControlTypePropertyId = 30003;
constexpr PROPERTYID NamePropertyId = 30005;
constexpr PROPERTYID HasKeyboardFocusPropertyId = 30008;
constexpr PROPERTYID IsKeyboardFocusablePropertyId = 30009;
constexpr PROPERTYID IsEnabledPropertyId = 30010;
constexpr PROPERTYID HelpTextPropertyId = 30013;
constexpr PROPERTYID ValueValuePropertyId = 30045;
constexpr PROPERTYID LiveSettingPropertyId = 30135;
constexpr PROPERTYID FullDescriptionPropertyId = 30159;

constexpr CONTROLTYPEID EditControlTypeId = 50004;
constexpr CONTROLTYPEID ListItemControlTypeId = 50007;
constexpr CONTROLTYPEID ListControlTypeId = 50008;
constexpr CONTROLTYPEID TextControlTypeId = 50020;

constexpr PATTERNID ValuePatternId = 10002;

constexpr EVENTID AutomationFocusChangedEventId = 20005;
constexpr EVENTID LiveRegionChangedEventId = 20024;

constexpr int LivePolite = 1; // LiveSetting: said when the reader is free

// An element a client still holds whose screen has gone.
const HRESULT ElementNotAvailable = static_cast<HRESULT>(0x80040201);
// An operation the element does not allow.
const HRESULT InvalidOperation = static_cast<HRESULT>(0x80131509);

} // namespace uia

MIDL_INTERFACE("c7935180-6fb3-4201-b174-7df73adbf64a")
IValueProvider : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE SetValue(LPCWSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Value(BSTR * value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsReadOnly(BOOL * readOnly) = 0;
};
__CRT_UUID_DECL(IValueProvider, 0xc7935180, 0x6fb3, 0x4201, 0xb1, 0x74, 0x7d, 0xf7, 0x3a, 0xdb,
                0xf6, 0x4a)

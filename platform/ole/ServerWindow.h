#pragma once
// The main window of the automation server that serves an object, reached through the object's
// connection (the server finds its own window; nothing is searched by title here).

#include "platform/ole/Dispatch.h"

struct COPYDATASTRUCT
{
    UINT_PTR dwData = 0;
    DWORD cbData = 0;
    const void* lpData = nullptr;
};

namespace ServerWindow
{
// Brings the window forward; found tells whether the server has one. E_INVALIDARG for an object of
// no server, a connection failure as its status.
HRESULT Raise(IDispatch* object, bool& found);
// Hands the data to the window as WM_COPYDATA would; its answer in result when found.
HRESULT SendCopyData(IDispatch* object, const COPYDATASTRUCT& data, bool& found, LRESULT& result);
} // namespace ServerWindow

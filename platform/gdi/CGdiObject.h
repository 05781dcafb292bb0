#pragma once
// The base of pens, brushes, fonts, bitmaps and regions: owns one shared drawing object.

#include "platform/gdi/GdiHandle.h"

#include <memory>

class CGdiObject
{
public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    virtual ~CGdiObject() = default;

    HGDIOBJ m_hObject = nullptr;

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    operator HGDIOBJ() const { return m_hObject; }

    BOOL DeleteObject();
    BOOL CreateStockObject(int index);
    // Copies the description (LOGFONT, LOGPEN, LOGBRUSH, BITMAP) into buffer; bytes copied, 0 on failure.
    int GetObject(int size, LPVOID buffer) const;
    BOOL Attach(HGDIOBJ handle);
    HGDIOBJ Detach();

    std::shared_ptr<Gdi::HandleObject> SharedObject() const { return m_object; }

protected:
    void Adopt(std::shared_ptr<Gdi::HandleObject> object);

private:
    std::shared_ptr<Gdi::HandleObject> m_object;
};

// Handle-level functions.
HGDIOBJ GetStockObject(int index);
BOOL DeleteObject(HGDIOBJ handle);
int GetObject(HGDIOBJ handle, int size, LPVOID buffer);

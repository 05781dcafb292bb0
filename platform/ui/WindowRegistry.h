#pragma once
// Which window object owns which widget.

#include <vector>

class CWnd;
class QWidget;

class WindowRegistry
{
public:
    static void Add(QWidget* widget, CWnd* wnd);
    static void Remove(QWidget* widget);
    static CWnd* Find(const QWidget* widget);
    // The window of the widget or of its nearest ancestor that has one.
    static CWnd* FindAncestor(const QWidget* widget);
    // Top-level windows whose owner is the window.
    static std::vector<CWnd*> OwnedBy(const CWnd* owner);
    static std::size_t Count();
};

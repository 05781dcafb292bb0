#pragma once
// The catalogue A of the document fixture open in its table window, and what its commands'
// update handlers say.

#include "dataeditor/document/tests/DocumentFixture.h"

#include "dataeditor/grid/CSobrelGrid.h"
#include "platform/ui/CCmdUI.h"

class ViewFixture : public DocumentFixture
{
protected:
    CSobrelView* OpenA()
    {
        CSobrelDoc* document = Open("A$");
        m_view = document ? document->View() : nullptr;
        return m_view;
    }
    CSobrelGrid& Grid() const { return *m_view->Grid(); }
    bool Enabled(UINT id) const { return CommandEnabled(m_view, id); }

    CSobrelView* m_view = nullptr;
};

#include "platform/ui/CEdit.h"

#include "platform/ui/ControlSignals.h"
#include "platform/ui/QtText.h"
#include "platform/ui/WindowRegistry.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>
#include <QTextBlock>

IMPLEMENT_DYNAMIC(CEdit, CWnd)

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::CreateEx(0, "EDIT", nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

QWidget* CEdit::CreateWidget(const CREATESTRUCT& cs, QWidget* parent)
{
    if (cs.style & ES_MULTILINE)
    {
        auto* edit = new QPlainTextEdit(parent);
        edit->setTabChangesFocus(true);
        edit->setLineWrapMode((cs.style & (WS_HSCROLL | ES_AUTOHSCROLL)) ? QPlainTextEdit::NoWrap
                                                                         : QPlainTextEdit::WidgetWidth);
        edit->setVerticalScrollBarPolicy((cs.style & WS_VSCROLL) ? Qt::ScrollBarAlwaysOn
                                                                 : Qt::ScrollBarAsNeeded);
        edit->setHorizontalScrollBarPolicy((cs.style & WS_HSCROLL) ? Qt::ScrollBarAlwaysOn
                                                                   : Qt::ScrollBarAsNeeded);
        return edit;
    }
    return new QLineEdit(parent);
}

void CEdit::ConnectWidget()
{
    ApplyEditStyle();
    // Any object may take the edit over, a plain window too.
    auto notify = [](CWnd& self, auto...)
    {
        self.NotifyParent(EN_UPDATE);
        self.NotifyParent(EN_CHANGE);
    };
    if (QLineEdit* line = Line())
        ConnectControl<CWnd>(line, line, &QLineEdit::textChanged, notify);
    else if (QPlainTextEdit* multi = Multi())
        ConnectControl<CWnd>(multi, multi, &QPlainTextEdit::textChanged, notify);
}

void CEdit::ApplyEditStyle()
{
    const bool framed = (m_style & WS_BORDER) || (m_exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
    const Qt::Alignment alignment = (m_style & ES_RIGHT)    ? Qt::AlignRight
                                    : (m_style & ES_CENTER) ? Qt::AlignHCenter
                                                            : Qt::AlignLeft;
    if (QLineEdit* line = Line())
    {
        line->setFrame(framed);
        line->setAlignment(alignment | Qt::AlignVCenter);
        line->setReadOnly(m_style & ES_READONLY);
        line->setEchoMode((m_style & ES_PASSWORD) ? QLineEdit::Password : QLineEdit::Normal);
        if (m_style & ES_NUMBER)
            line->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), line));
    }
    else if (QPlainTextEdit* multi = Multi())
    {
        multi->setFrameShape(framed ? QFrame::StyledPanel : QFrame::NoFrame);
        multi->setReadOnly(m_style & ES_READONLY);
    }
}

QLineEdit* CEdit::Line() const
{
    return qobject_cast<QLineEdit*>(GetWidget());
}
QPlainTextEdit* CEdit::Multi() const
{
    return qobject_cast<QPlainTextEdit*>(GetWidget());
}

QString CEdit::Text() const
{
    if (QLineEdit* line = Line())
        return line->text();
    if (QPlainTextEdit* multi = Multi())
        return multi->toPlainText();
    return {};
}

void CEdit::SetText(const QString& text)
{
    QString value = text;
    if (m_style & ES_MULTILINE)
        value.replace("\r\n", "\n");
    if (m_style & ES_UPPERCASE)
        value = value.toUpper();
    else if (m_style & ES_LOWERCASE)
        value = value.toLower();
    if (QLineEdit* line = Line())
    {
        line->setText(value);
        line->setModified(false);
    }
    else if (QPlainTextEdit* multi = Multi())
    {
        multi->setPlainText(value);
        multi->document()->setModified(false);
    }
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL)
{
    const int length = int(Text().size());
    if (nStartChar < 0)
    {
        // -1 removes the selection and keeps the caret.
        if (QLineEdit* line = Line())
            line->deselect();
        else if (QPlainTextEdit* multi = Multi())
        {
            QTextCursor c = multi->textCursor();
            c.clearSelection();
            multi->setTextCursor(c);
        }
        return;
    }
    int start = std::min(nStartChar, length);
    int end = (nEndChar < 0 || nEndChar > length) ? length : nEndChar;
    if (QLineEdit* line = Line())
    {
        // The caret goes to the second position.
        line->setCursorPosition(start);
        line->setSelection(start, end - start);
        if (end == start)
            line->setCursorPosition(end);
    }
    else if (QPlainTextEdit* multi = Multi())
    {
        QTextCursor c = multi->textCursor();
        c.setPosition(start);
        c.setPosition(end, QTextCursor::KeepAnchor);
        multi->setTextCursor(c);
    }
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const
{
    nStartChar = nEndChar = 0;
    if (QLineEdit* line = Line())
    {
        if (line->hasSelectedText())
        {
            nStartChar = line->selectionStart();
            nEndChar = line->selectionEnd();
        }
        else
        {
            nStartChar = nEndChar = line->cursorPosition();
        }
    }
    else if (QPlainTextEdit* multi = Multi())
    {
        const QTextCursor c = multi->textCursor();
        nStartChar = c.selectionStart();
        nEndChar = c.selectionEnd();
    }
}

DWORD CEdit::GetSel() const
{
    int start = 0, end = 0;
    GetSel(start, end);
    return MAKELONG(WORD(start), WORD(end));
}

void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL)
{
    const QString text = ToQString(lpszNewText);
    if (QLineEdit* line = Line())
        line->insert(text);
    else if (QPlainTextEdit* multi = Multi())
        multi->insertPlainText(text);
}

void CEdit::LimitText(int nChars)
{
    if (QLineEdit* line = Line())
        line->setMaxLength(nChars <= 0 ? 32767 : nChars);
    if (GetWidget())
        GetWidget()->setProperty("limitText", nChars);
}

UINT CEdit::GetLimitText() const
{
    if (QLineEdit* line = Line())
        return UINT(line->maxLength());
    const int limit = GetWidget() ? GetWidget()->property("limitText").toInt() : 0;
    return limit > 0 ? UINT(limit) : 32767u;
}

BOOL CEdit::SetReadOnly(BOOL bReadOnly)
{
    m_style = bReadOnly ? (m_style | ES_READONLY) : (m_style & ~ES_READONLY);
    if (QLineEdit* line = Line())
        line->setReadOnly(bReadOnly);
    else if (QPlainTextEdit* multi = Multi())
        multi->setReadOnly(bReadOnly);
    return TRUE;
}

int CEdit::GetLineCount() const
{
    if (QPlainTextEdit* multi = Multi())
        return multi->document()->blockCount();
    return 1;
}

int CEdit::LineFromChar(int nIndex) const
{
    QPlainTextEdit* multi = Multi();
    if (!multi)
        return 0;
    const int position = nIndex < 0 ? multi->textCursor().selectionStart() : nIndex;
    return multi->document()->findBlock(position).blockNumber();
}

int CEdit::LineIndex(int nLine) const
{
    QPlainTextEdit* multi = Multi();
    if (!multi)
        return nLine <= 0 ? 0 : -1;
    if (nLine < 0)
        return multi->textCursor().block().position();
    const QTextBlock block = multi->document()->findBlockByNumber(nLine);
    return block.isValid() ? block.position() : -1;
}

int CEdit::LineLength(int nLine) const
{
    QPlainTextEdit* multi = Multi();
    if (!multi)
        return int(Text().size());
    const QTextBlock block = multi->document()->findBlock(nLine < 0 ? multi->textCursor().position() : nLine);
    return block.isValid() ? block.length() - 1 : 0;
}

int CEdit::GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const
{
    QString line = Text();
    if (QPlainTextEdit* multi = Multi())
    {
        const QTextBlock block = multi->document()->findBlockByNumber(nIndex);
        line = block.isValid() ? block.text() : QString();
    }
    // No terminating zero: the count of bytes copied.
    const QByteArray bytes = line.toUtf8();
    const int n = std::min<int>(int(bytes.size()), nMaxLength);
    std::copy(bytes.constData(), bytes.constData() + n, lpszBuffer);
    return n;
}

BOOL CEdit::GetModify() const
{
    if (QLineEdit* line = Line())
        return line->isModified();
    if (QPlainTextEdit* multi = Multi())
        return multi->document()->isModified();
    return FALSE;
}

void CEdit::SetModify(BOOL bModified)
{
    if (QLineEdit* line = Line())
        line->setModified(bModified);
    else if (QPlainTextEdit* multi = Multi())
        multi->document()->setModified(bModified);
}

BOOL CEdit::CanUndo() const
{
    if (QLineEdit* line = Line())
        return line->isUndoAvailable();
    if (QPlainTextEdit* multi = Multi())
        return multi->document()->isUndoAvailable();
    return FALSE;
}

BOOL CEdit::Undo()
{
    if (QLineEdit* line = Line())
        line->undo();
    else if (QPlainTextEdit* multi = Multi())
        multi->undo();
    return TRUE;
}

void CEdit::Clear()
{
    ReplaceSel("");
}

void CEdit::Copy()
{
    if (QLineEdit* line = Line())
        line->copy();
    else if (QPlainTextEdit* multi = Multi())
        multi->copy();
}

void CEdit::Cut()
{
    if (QLineEdit* line = Line())
        line->cut();
    else if (QPlainTextEdit* multi = Multi())
        multi->cut();
}

void CEdit::Paste()
{
    if (QLineEdit* line = Line())
        line->paste();
    else if (QPlainTextEdit* multi = Multi())
        multi->paste();
}

LRESULT CEdit::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_SETTEXT:
        SetText(ToQString(reinterpret_cast<LPCTSTR>(lParam)));
        return TRUE;
    case WM_GETTEXTLENGTH:
        return ToCString(Text()).ByteLength();
    case WM_GETTEXT:
        return CopyText(ToCString(Text()), reinterpret_cast<char*>(lParam), int(wParam));
    case EM_SETSEL:
        SetSel(int(wParam), int(lParam));
        return 0;
    case EM_GETSEL:
    {
        int start = 0, end = 0;
        GetSel(start, end);
        if (wParam)
            *reinterpret_cast<DWORD*>(wParam) = DWORD(start);
        if (lParam)
            *reinterpret_cast<DWORD*>(lParam) = DWORD(end);
        return MAKELONG(WORD(start), WORD(end));
    }
    case EM_REPLACESEL:
        ReplaceSel(reinterpret_cast<LPCTSTR>(lParam), BOOL(wParam));
        return 0;
    case EM_LIMITTEXT:
        LimitText(int(wParam));
        return 0;
    case EM_SETREADONLY:
        return SetReadOnly(BOOL(wParam));
    case EM_GETMODIFY:
        return GetModify();
    case EM_SETMODIFY:
        SetModify(BOOL(wParam));
        return 0;
    case EM_GETLINECOUNT:
        return GetLineCount();
    case EM_SCROLLCARET:
        return TRUE;
    case WM_GETDLGCODE:
    {
        LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
        const auto* msg = reinterpret_cast<const MSG*>(lParam);
        if ((m_style & ES_MULTILINE) && (m_style & ES_WANTRETURN) && msg && msg->wParam == VK_RETURN)
            code |= DLGC_WANTALLKEYS;
        return code;
    }
    case WM_SETFOCUS:
        CWnd::DefWindowProc(message, wParam, lParam);
        NotifyParent(EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        CWnd::DefWindowProc(message, wParam, lParam);
        NotifyParent(EN_KILLFOCUS);
        return 0;
    default:
        return CWnd::DefWindowProc(message, wParam, lParam);
    }
}

#pragma once
// Message boxes: AfxMessageBox and MessageBox with caption, icon and buttons.
//
// Every box goes through MessageBoxes::Show, which records it and then answers it:
//  1. with the next scripted answer, when a test queued one (MessageBoxes::AnswerNext);
//  2. through the presenter that the user-interface layer installed (a QMessageBox);
//  3. else, with no one to ask, with the box's default button (and the text on stderr).

#include "platform/core/CString.h"

#include <functional>
#include <vector>

// Buttons.
constexpr UINT MB_OK = 0x0000;
constexpr UINT MB_OKCANCEL = 0x0001;
constexpr UINT MB_ABORTRETRYIGNORE = 0x0002;
constexpr UINT MB_YESNOCANCEL = 0x0003;
constexpr UINT MB_YESNO = 0x0004;
constexpr UINT MB_RETRYCANCEL = 0x0005;
constexpr UINT MB_TYPEMASK = 0x000F;
// Icons.
constexpr UINT MB_ICONHAND = 0x0010;
constexpr UINT MB_ICONSTOP = MB_ICONHAND;
constexpr UINT MB_ICONERROR = MB_ICONHAND;
constexpr UINT MB_ICONQUESTION = 0x0020;
constexpr UINT MB_ICONEXCLAMATION = 0x0030;
constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
constexpr UINT MB_ICONASTERISK = 0x0040;
constexpr UINT MB_ICONINFORMATION = MB_ICONASTERISK;
constexpr UINT MB_ICONMASK = 0x00F0;
// Default button.
constexpr UINT MB_DEFBUTTON1 = 0x0000;
constexpr UINT MB_DEFBUTTON2 = 0x0100;
constexpr UINT MB_DEFBUTTON3 = 0x0200;
constexpr UINT MB_DEFMASK = 0x0F00;
// Modality and placement (accepted, no further meaning here).
constexpr UINT MB_APPLMODAL = 0x0000;
constexpr UINT MB_SYSTEMMODAL = 0x1000;
constexpr UINT MB_TASKMODAL = 0x2000;
constexpr UINT MB_SETFOREGROUND = 0x10000;
constexpr UINT MB_TOPMOST = 0x40000;

// The answers IDOK ... IDNO are in WinTypes.h.

// The box with the program's caption (MessageBoxes::DefaultCaption).
int AfxMessageBox(const char* text, UINT type = MB_OK, UINT helpId = 0);
// The text of a string-table id.
int AfxMessageBox(UINT stringId, UINT type = MB_OK, UINT helpId = UINT(-1));
// A box with its own caption (null: "Error").
int MessageBox(HWND owner, const char* text, const char* caption, UINT type);

struct MessageBoxRequest
{
    HWND owner = nullptr;
    CString text;
    CString caption;
    UINT type = MB_OK;

    UINT Buttons() const { return type & MB_TYPEMASK; }
    UINT Icon() const { return type & MB_ICONMASK; }
    // The answer of the default button.
    int DefaultAnswer() const;
};

namespace MessageBoxes
{
using Presenter = std::function<int(const MessageBoxRequest&)>;
// Installed by the user-interface layer; an empty presenter removes it.
void SetPresenter(Presenter presenter);

// The caption of AfxMessageBox: the program's name.
void SetDefaultCaption(const char* caption);
CString DefaultCaption();

int Show(const MessageBoxRequest& request);

// Tests: queue the answer of the next box; read and forget what was shown.
void AnswerNext(int answer);
void ClearScript();
const std::vector<MessageBoxRequest>& Shown();
void ClearShown();
} // namespace MessageBoxes

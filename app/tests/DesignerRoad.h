#pragma once
// A heating designer's steps through the program's commands, off screen: each step answers
// the dialogs it opens as a designer would. The whole-job test drives them in a designer's
// order; a benchmark can drive the same road on a larger project.

#include <vector>

#include "platform/core/CString.h"

namespace DesignerRoad
{
// The manifold dialog that opens next: every circuit it offers put on manifold 1, then OK.
// The labels it offered are left in offered when it is given.
void AnswerManifoldsAllOnOne(std::vector<CString>* offered = nullptr);
} // namespace DesignerRoad

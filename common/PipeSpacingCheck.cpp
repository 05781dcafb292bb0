#include "common/PipeSpacingCheck.h"

#include "common/AppSettings.h"
#include "common/CommonIds.h"
#include "common/CommonRoutines.h"
#include "platform/core/MessageBox.h"
#include "platform/core/NumberText.h"

#include <cmath>

namespace
{
CString SpacingText(double spacing)
{
    CString text;
    text.Format("%.4f", spacing);
    text.TrimRight("0");
    text.TrimRight(".,");
    return text;
}
} // namespace

PipeSpacingOutcome CheckPipeSpacing(const std::vector<double>& spacings, CString& minimRoztec)
{
    const AppSettings& settings = AppSettings::Get();
    if (spacings.empty())
    {
        CString text;
        text.LoadString(IDS_NO_PIPE_SPACING);
        MessageBox(nullptr, text, settings.ErrorCaption(), MB_OK | MB_ICONSTOP);
        return PipeSpacingOutcome::NoSpacing;
    }
    const double spacing = spacings.front();
    const double set = NumberText::ToDouble(LocalizeDecimalSeparator(minimRoztec).str());
    if (std::fabs(spacing - set) < 1e-9)
        return PipeSpacingOutcome::Same;
    CString format;
    format.LoadString(IDS_SPACING_QUESTION);
    CString question;
    question.Format(format, spacing, minimRoztec.GetString());
    if (MessageBox(nullptr, question, settings.QuestionCaption(), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return PipeSpacingOutcome::Declined;
    minimRoztec = SpacingText(spacing);
    return PipeSpacingOutcome::Taken;
}

#include "hydraulics/CDimenzUsek.h"

#include "datalib/CData.h"
#include "hydraulics/DistributionSheet.h"
#include "hydraulics/NumberReading.h"
#include "hydraulics/PipeLoss.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CDimenzUsek, CObject)

namespace
{
int NextInternalId()
{
    static int next = 0;
    return ++next;
}

// A number in "." notation whatever the user's locale.
CString PointNumber(const char* format, double value)
{
    CString text = WriteNumber(format, value);
    text.Replace(char32_t(','), char32_t('.'));
    return text;
}
} // namespace

CDimenzUsek::CDimenzUsek() : m_nInternalId(NextInternalId()) {}

CDimenzUsek::CDimenzUsek(CDimenzUsek* parent) : m_nInternalId(NextInternalId())
{
    m_pParent = parent;
    m_nLevel = parent ? parent->m_nLevel + 1 : 1;
    m_dUpstreamLoss = parent ? parent->m_dAccumulatedLoss : 0.0;
    m_bAccumulatedKnown = parent ? parent->m_bAccumulatedKnown : true;
}

CDimenzUsek::~CDimenzUsek() = default;

CDimenzUsek* CDimenzUsek::FindById(int number)
{
    if (m_nNumber == number)
        return this;
    for (const auto& child : m_children)
        if (CDimenzUsek* found = child->FindById(number))
            return found;
    return nullptr;
}

CDimenzUsek* CDimenzUsek::FindByInternalId(int id)
{
    if (m_nInternalId == id)
        return this;
    for (const auto& child : m_children)
        if (CDimenzUsek* found = child->FindByInternalId(id))
            return found;
    return nullptr;
}

double CDimenzUsek::SumFlows()
{
    if (m_children.empty())
        return m_dFlowKgPerH;
    m_dFlowKgPerH = 0.0;
    for (const auto& child : m_children)
        m_dFlowKgPerH += child->SumFlows();
    return m_dFlowKgPerH;
}

bool CDimenzUsek::ComputeLoss()
{
    m_bLossKnown = true;
    m_dSectionLoss = 0.0;
    if (m_strItemCode.IsEmpty())
        return true;
    const std::optional<PipeLossParts> loss =
        ComputePipeLoss(m_strItemCode, m_dFlowKgPerH, m_dPipeLength, m_dInsertedResistances);
    if (!loss)
    {
        m_bLossKnown = false;
        return false;
    }
    m_dSectionLoss = loss->total;
    return true;
}

void CDimenzUsek::Recompute(int withLoss)
{
    m_nLevel = m_pParent ? m_pParent->m_nLevel + 1 : 1;
    m_dUpstreamLoss = m_pParent ? m_pParent->m_dAccumulatedLoss : 0.0;
    const bool upstreamKnown = m_pParent ? m_pParent->m_bAccumulatedKnown : true;
    if (withLoss)
        ComputeLoss();
    m_dAccumulatedLoss = m_dSectionLoss + m_dUpstreamLoss;
    m_bAccumulatedKnown = upstreamKnown && m_bLossKnown;
    for (const auto& child : m_children)
        child->Recompute(withLoss);
}

CString CDimenzUsek::ReadText(const char* column) const
{
    CString text;
    m_pData->GetStringValue(column, text, m_nRow, -1, 0);
    return text;
}

double CDimenzUsek::ReadNumber(const char* column, double fallback) const
{
    const double value = ::ReadNumber(ReadText(column));
    return value > 0.0 ? value : fallback;
}

void CDimenzUsek::LoadRow(int row, CData* data)
{
    using namespace DistributionSheet;
    m_pData = data;
    m_nRow = row;
    m_nNumber = int(ReadNumber(Number, row + 1));
    m_nLevel = int(ReadNumber(Level, 1));
    m_strDesignation = ReadText(Designation);
    m_strItemCode = ReadText(ItemCode);
    m_strItem = ReadText(Item);
    m_strItemDescription = ReadText(ItemDescription);
    m_dFlowKgPerH = ReadNumber(Flow, 0.0);
    m_dPipeLength = ReadNumber(PipeLength, 0.0);
    m_dInsertedResistances = ReadNumber(InsertedResistances, 0.0);
    m_dUpstreamLoss = ReadNumber(UpstreamLoss, 0.0);
    m_dSectionLoss = ReadNumber(SectionLoss, 0.0);
    m_dAccumulatedLoss = ReadNumber(AccumulatedLoss, 0.0);
    m_pData = nullptr;
}

void CDimenzUsek::WriteRow(int row, CData* data)
{
    using namespace DistributionSheet;
    data->AddRow();
    auto put = [data](const char* column, const CString& text) { data->SetStringValue(column, text, -1, 0); };
    put(Number, WriteInteger(row + 1));
    put(Level, WriteInteger(m_nLevel));
    put(Designation, m_strDesignation);
    put(ItemCode, m_strItemCode);
    put(Item, m_strItem);
    put(ItemDescription, m_strItemDescription);
    put(Flow, PointNumber("%.3f", m_dFlowKgPerH));
    put(PipeLength, PointNumber("%.1f", m_dPipeLength));
    put(InsertedResistances, PointNumber("%.3f", m_dInsertedResistances));
    const bool upstreamKnown = !m_pParent || m_pParent->m_bAccumulatedKnown;
    put(UpstreamLoss, upstreamKnown ? PointNumber("%.0f", m_dUpstreamLoss) : CString());
    put(SectionLoss, m_bLossKnown ? PointNumber("%.0f", m_dSectionLoss) : CString());
    put(AccumulatedLoss, m_bAccumulatedKnown ? PointNumber("%.0f", m_dAccumulatedLoss) : CString());
}

int CDimenzUsek::SaveTree(int row, CData* data)
{
    WriteRow(row, data);
    int next = row + 1;
    for (const auto& child : m_children)
        next = child->SaveTree(next, data);
    return next;
}

CDimenzUsek* CDimenzUsek::AddChild()
{
    m_children.push_back(std::make_unique<CDimenzUsek>(this));
    return m_children.back().get();
}

bool CDimenzUsek::RemoveChild(const CDimenzUsek* child)
{
    const auto it = std::find_if(m_children.begin(), m_children.end(),
                                 [child](const auto& owned) { return owned.get() == child; });
    if (it == m_children.end())
        return false;
    m_children.erase(it);
    return true;
}

void CDimenzUsek::CollectUnknownLosses(std::vector<const CDimenzUsek*>& sections) const
{
    if (!m_bLossKnown)
        sections.push_back(this);
    for (const auto& child : m_children)
        child->CollectUnknownLosses(sections);
}

int CDimenzUsek::CountSections() const
{
    int count = 1;
    for (const auto& child : m_children)
        count += child->CountSections();
    return count;
}

#pragma once
// One section of a pipe distribution: a run of pipe between two branch points with its flow,
// length, inserted resistances and chosen pipe. A section owns its child sections, so a whole
// distribution is one tree from the section at the heat source. Kept as a row of "DimenzSegm$".

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <memory>
#include <vector>

class CData;

class CDimenzUsek : public CObject
{
    DECLARE_DYNCREATE(CDimenzUsek)

public:
    CDimenzUsek();
    explicit CDimenzUsek(CDimenzUsek* parent);
    ~CDimenzUsek() override;

    // First section of the subtree in pre-order with that number, or null.
    CDimenzUsek* FindById(int number);
    // The section of the subtree with that internal id, or null.
    CDimenzUsek* FindByInternalId(int id);
    // Inner sections take the sum of their children's flows; returns this section's flow.
    double SumFlows();
    // Sets the section loss; false when the item code names no known pipe (loss unknown).
    bool ComputeLoss();
    // Level and upstream loss from the parent, the loss when asked, the accumulated loss,
    // then the same for every child.
    void Recompute(int withLoss);
    // Fills the section from a row of the open "DimenzSegm$".
    void LoadRow(int row, CData* data);
    // Appends a row to the open "DimenzSegm$" and fills it from the section.
    void WriteRow(int row, CData* data);
    // Writes the subtree in pre-order from the row on; returns the row after the last one.
    int SaveTree(int row, CData* data);
    // Appends a new child section and returns it.
    CDimenzUsek* AddChild();
    // Removes and destroys a child with its subtree; false when it is not a child.
    bool RemoveChild(const CDimenzUsek* child);
    // Sections of the subtree whose loss is unknown, in pre-order.
    void CollectUnknownLosses(std::vector<const CDimenzUsek*>& sections) const;
    int CountSections() const;

    int m_nNumber = 0;
    int m_nLevel = 0;
    CString m_strDesignation;
    CString m_strItemCode;              // "%04d-%04d"; empty while no pipe is chosen
    CString m_strItem;
    CString m_strItemDescription;
    double m_dFlowKgPerH = 0.0;         // kg/h
    double m_dPipeLength = 0.0;         // m
    double m_dInsertedResistances = 0.0; // sum of ξ
    double m_dSectionLoss = 0.0;        // Pa
    double m_dUpstreamLoss = 0.0;       // Pa
    double m_dAccumulatedLoss = 0.0;    // Pa
    bool m_bLossKnown = true;           // false when the pipe of the item code is unknown
    bool m_bAccumulatedKnown = true;    // false when this or an upstream loss is unknown
    CDimenzUsek* m_pParent = nullptr;   // not owned
    std::vector<std::unique_ptr<CDimenzUsek>> m_children;
    int m_nInternalId = 0;              // unique in a run; finds the section whatever its number
    CData* m_pData = nullptr;           // not owned; set while reading
    int m_nRow = -1;

private:
    double ReadNumber(const char* column, double fallback) const;
    CString ReadText(const char* column) const;
};

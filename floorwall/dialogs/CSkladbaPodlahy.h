#pragma once
// The editor of the floor build-ups of the catalogue workbook (dialog 292): the build-ups in the
// upper grid, the layers of the current one in the lower grid, layers added from the floor
// coverings, the materials and the insulation products, moved, deleted and re-measured; "&Uložit"
// replaces the build-up's rows in the catalogue. The caller may hand in a build-up key and, after
// "K&onec", takes the key of the build-up current at closing (a key the catalogue holds).

#include "controls/grid/fmt/CFmtGridCtrl.h"
#include "floorwall/FloorBuildUps.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CDialog.h"

#include <set>
#include <string>
#include <vector>

class CSkladbaPodlahy : public CDialog
{
public:
    explicit CSkladbaPodlahy(CWnd* pParent = nullptr);

    CString m_strKey;         // in: the caller's build-up; out (IDOK): the build-up chosen here
    int m_nBuildUpRow = -1;   // current row of the upper grid
    int m_nLayerRow = -1;     // current row of the lower grid
    int m_bModified = 0;
    CFmtGridCtrl m_buildUpGrid;
    CFmtGridCtrl m_layerGrid;
    CComboBox m_coverings;
    CComboBox m_screeds;
    CComboBox m_insulations;
    CComboBox m_structures;

    enum LayerColumn { LayerNumber, LayerCode, LayerTyp, LayerPopis, LayerVrstva, LayerVodivost, LayerOdpor,
                       LayerSkupina, LayerOdkaz };
    enum BuildUpColumn { BuildUpNumber, BuildUpName, BuildUpKey };

    // The key rule: the build-up's key, or a fresh one that neither the list nor the catalogue has.
    CString FetchKey();
    int LayerCount() const { return m_layerGrid.GetRowCount() - 1; }
    std::vector<BuildUpLayer> Layers() const;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    afx_msg void OnAddCovering();
    afx_msg void OnAddScreed();
    afx_msg void OnAddInsulation();
    afx_msg void OnAddStructure();
    afx_msg void OnNew();
    afx_msg void OnSave();
    afx_msg void OnUp();
    afx_msg void OnDown();
    afx_msg void OnDeleteLayer();
    afx_msg void OnBuildUpBeginEdit(NMHDR* pNotifyStruct, LRESULT* pResult);
    afx_msg void OnBuildUpEndEdit(NMHDR* pNotifyStruct, LRESULT* pResult);
    afx_msg void OnLayerBeginEdit(NMHDR* pNotifyStruct, LRESULT* pResult);
    afx_msg void OnLayerEndEdit(NMHDR* pNotifyStruct, LRESULT* pResult);
    afx_msg void OnBuildUpClick(NMHDR* pNotifyStruct, LRESULT* pResult);
    afx_msg void OnLayerClick(NMHDR* pNotifyStruct, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    void FillLists();
    void LoadBuildUpList();
    void LoadLayers();
    void ChooseBuildUp(int row);
    void AppendLayer(const BuildUpLayer& layer, bool focusThickness);
    void AddFrom(const std::vector<SheetTexts>& rows, CComboBox& list, int group);
    void SetLayerRow(int row, const BuildUpLayer& layer);
    BuildUpLayer LayerAt(int row) const;
    void SelectLayer(int row);
    void SelectBuildUp(int row);
    void SwapLayers(int row, int other);
    void UpdateButtons();
    void EnableAddButtons(BOOL enable);
    void Changed();
    // false when the user chose to stay (Cancel, or a save that failed).
    bool AskToSave();
    bool CatalogueHasKey(const CString& key) const;

    CString m_strCallerKey;
    std::set<std::string> m_catalogueKeys;
    std::vector<SheetTexts> m_coveringRows;
    std::vector<SheetTexts> m_materialRows;
    std::vector<SheetTexts> m_insulationRows;
};

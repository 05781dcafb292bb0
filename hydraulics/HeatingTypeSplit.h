#pragma once
// The results sheet "SeznamM$" as the heating-type split edits it: its rows with their kinds,
// the wall-heating mark of each row, the split of a room, the deletion of a row and the plan
// of the rows written back. Columns are found by name, so any column order works.

#include "platform/core/CString.h"

#include <vector>

class CData;

class HeatingTypeSplit
{
public:
    enum Level
    {
        Building = 1,
        Room = 2,
        Radiator = 3,
        FloorCircuit = 4,
        WallCircuit = 5,
        Other = 7
    };

    struct Row
    {
        std::vector<CString> cells; // by sheet column
        CString wall;               // the wall-heating mark: a system code or "Ne"
        int level = Other;
    };

    enum DeleteCheck
    {
        DeleteNever,     // the building row
        DeleteHasItems,  // a room with radiator or circuit rows under it
        DeleteAsk        // any other row, after the question
    };

    // The kind of a row: by "TYP_ZAZNAMU" when it is set, else from its texts.
    static int Classify(const CString& recordType, const CString& number, const CString& name,
                        const CString& floorText, const CString& system);

    // Reads every row of the open sheet. False when a column the split needs is missing
    // (MissingColumn names it); nothing is then loaded.
    bool Load(CData& data, const CString& wallCode);
    bool Loaded() const { return m_loaded; }
    const CString& MissingColumn() const { return m_missing; }

    const std::vector<CString>& Columns() const { return m_columns; }
    const std::vector<Row>& Rows() const { return m_rows; }
    int ColumnIndex(const char* name) const;
    CString Text(int row, const char* column) const;
    void SetText(int row, const char* column, const CString& text);
    double NumberIn(int row, const char* column) const;

    // A room's new split: the floor and wall marks, the three shares "%.1f" and its total.
    void ApplySplit(int row, bool floorOn, bool wallOn, double floor, double wall, double uncovered,
                    const CString& totalText, const CString& floorCode, const CString& wallCode);

    DeleteCheck CheckDelete(int row) const;
    // The text the question names the row by: its number and its item text.
    CString DeleteText(int row) const;
    // Removes the row (a radiator lowers its room's "PočetT" by one). False when a radiator
    // has no room above it: nothing is removed.
    bool Delete(int row);

    // The rows to write, each as (column, text) pairs: rooms always, floor circuits only of a
    // room with a floor share, wall circuits only of one with a wall share, the rest always;
    // a room's wall mark into "Stěnové Vytápění", its "Soustava" ±10 by its wall share.
    using Cells = std::vector<std::pair<CString, CString>>;
    std::vector<Cells> WritePlan() const;
    // Appends the planned rows to the open, emptied sheet.
    void Write(CData& data) const;

    // The whole write into the project's working copy, with the project's temperature gradient
    // ("Teplotní spád" of "DataAkce$"): "SeznamV$" must open, then "SeznamM$" is built anew
    // with the planned rows and put in place together with the gradient. After a load that
    // failed only the gradient is stored. False when nothing was stored (the failure was shown).
    bool Save(const CString& gradient) const;

private:
    int RoomAbove(int row) const;

    std::vector<CString> m_columns;
    std::vector<Row> m_rows;
    CString m_missing;
    bool m_loaded = false;
};

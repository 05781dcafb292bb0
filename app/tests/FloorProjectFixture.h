#pragma once
// The program started on a project made from the template whose results sheet holds the rows
// a test gives, with the floor design's settings of the tests: the catalogues beside the
// program, the smallest spacing 0.075 m, the pipe 9001-0004, 30 000 Pa a circuit.

#include "MekrFixture.h"

#include "../../hydraulics/tests/HydraulicsFixtures.h"

class FloorProjectFixture : public MekrFixture
{
protected:
    // Starts the program on the project with these rows of "SeznamM$" below the building row.
    void StartOnProject(const std::vector<RowCells>& rows);
    void TearDown() override;

    CString m_project;
};

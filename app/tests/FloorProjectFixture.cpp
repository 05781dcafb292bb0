#include "FloorProjectFixture.h"

#include "common/AppSettings.h"
#include "testing/ScriptedAnswers.h"

#include <QFile>

void FloorProjectFixture::StartOnProject(const std::vector<RowCells>& rows)
{
    ASSERT_TRUE(Start());
    m_project = (FolderPath("data") + "/Projekt.XLS").c_str();
    ASSERT_TRUE(QFile::copy(KALVENROD_BIN_DIR "/MekrOrig.xls", QString(m_project.GetString())));
    AppendRows(m_project, "SeznamM$", rows);
    AppSettings& settings = AppSettings::Get();
    settings.PathBase = m_project;
    settings.PathList = KALVENROD_BIN_DIR;
    settings.PathData = KALVENROD_BIN_DIR;
    settings.MinimRoztec = "0.075";
    settings.KodTopTrub = "9001-0004";
    settings.MaxTlakZtrata = 30000.0;
    settings.StartFloorWithSettings = 0;
    ScriptedAnswers::Reset();
}

void FloorProjectFixture::TearDown()
{
    ScriptedAnswers::AnswerBox(IDNO); // the new project's question when the program ends
    MekrFixture::TearDown();
}

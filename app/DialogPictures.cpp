#include "app/DialogPictures.h"

#include "app/CMekrApp.h"
#include "app/DocumentIds.h"
#include "common/AppSettings.h"
#include "common/CommonRoutines.h"
#include "app/ProjectHeaderSheet.h"
#include "datalib/CData.h"
#include "heatloss/InputSheetLoader.h"
#include "heatloss/ProjectModel.h"
#include "platform/core/FileOps.h"
#include "platform/ui/DialogShot.h"

#include <QFile>
#include <QTemporaryDir>

#include <iostream>

namespace
{
constexpr const char* kSampleProject = "MekrUkazka.xls";

// The sample project beside the catalogues, else the template of a new project.
CString SampleSource(const AppSettings& settings)
{
    const CString sample = JoinPath(settings.PathData, kSampleProject);
    if (FileOps::Exists(sample))
        return sample;
    CString templateName;
    templateName.LoadString(IDS_TEMPLATE_NAME);
    return JoinPath(settings.PathData, templateName);
}

// The project's header and its rooms, walls and openings in the model, as an opened project has
// them.
void LoadProject(const CString& path, AppSettings& settings)
{
    ProjectModel& model = ProjectModel::Instance();
    CData data;
    data.m_bShowErrors = 0;
    if (data.Open(path, "Excel 8.0", 0, 0) && data.OpenTable("DataAkce$", "", 0))
    {
        RadiatorCatalogueChoice radiators;
        CString version;
        ProjectHeaderSheet(model.Header, settings, radiators, version).Read(data);
    }
    data.Close();
    LoadInputSheet(path, model);
}
} // namespace

int RenderProgramDialogs(CMekrApp& app, const char* folder)
{
    app.ReadStartSettings();
    AppSettings& settings = AppSettings::Get();
    QTemporaryDir projectFolder;
    const QString project = projectFolder.filePath("Ukázka.XLS");
    if (QFile::copy(QString::fromStdString(SampleSource(settings).str()), project))
    {
        settings.CurrentProjectPath() = project.toUtf8().constData();
        LoadProject(settings.CurrentProjectPath(), settings);
    }
    for (const std::string& path : DialogShot::RenderAll(folder))
        std::cout << path << "\n";
    return 0;
}

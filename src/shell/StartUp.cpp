#include "shell/StartUp.h"

#include "stations/GeneralData.h"
#include "store/ProgramFolder.h"
#include "store/Store.h"
#include "util/Bde.h"

#include <QDir>

namespace StartUp {

std::unique_ptr<Store> OpenProgramStore(const QString &folder)
{
    if (QDir(folder).exists())
        ProgramFolder::DeleteTempMergeFiles(folder);
    SetBdeSystemParam(QStringLiteral("\\SYSTEM\\INIT"), QStringLiteral("LOCAL SHARE"),
                      QStringLiteral("TRUE"));
    auto store = std::make_unique<Store>(folder);
    store->open();
    ApplyRequirementDefaults(store->db());
    return store;
}

void CloseProgramStore(Store &store)
{
    store.close();
    ProgramFolder::DeleteTempMergeFiles(store.folder());
}

} // namespace StartUp

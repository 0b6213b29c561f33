#pragma once
// Opening and closing the program folder as the program starts and ends: the sharing setting,
// the store, the left-over merge files "TM_*.*" (removed whatever happens) and the
// requirement defaults of the general data.

#include <QString>
#include <memory>

class Store;

namespace StartUp {

// Deletes "TM_*.*", sets LOCAL SHARE, opens the store and applies the requirement defaults.
// Throws StoreError (a folder without tables names the `init` command) or BdeError.
std::unique_ptr<Store> OpenProgramStore(const QString &folder);
// At the end: closes the store and deletes "TM_*.*" again.
void CloseProgramStore(Store &store);

} // namespace StartUp

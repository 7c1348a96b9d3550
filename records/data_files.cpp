#include "records/data_files.h"

#include "records/atomic_file.h"
#include "records/data_lock.h"
#include "records/hi_score_upgrade.h"
#include "records/paths.h"
#include "records/record_names.h"
#include "records/section_file.h"

namespace tablamor {

bool BringDataFilesUpToDate(const std::filesystem::path& programDir, MessageSink& sink) {
    const std::filesystem::path dataDir = ProgramPath(programDir, kDataDirName);
    std::error_code ec;
    std::filesystem::create_directories(dataDir, ec);
    DataDirLock lock(dataDir); // no other copy is half-way through a rewrite
    RemoveStrayTempFiles(dataDir);
    CreateRecordFile(ProgramPath(programDir, kStatisticsFileName), sink);
    CreateRecordFile(ProgramPath(programDir, kHiScoreFileName), sink);
    return UpgradeHiScoreFile(programDir, sink);
}

} // namespace tablamor

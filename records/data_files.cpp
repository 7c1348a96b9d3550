#include "records/data_files.h"

#include "records/atomic_file.h"
#include "records/data_dir.h"
#include "records/data_lock.h"
#include "records/hi_score_upgrade.h"
#include "records/record_names.h"
#include "records/section_file.h"

namespace tablamor {

bool BringDataFilesUpToDate(const std::filesystem::path& dataDir, MessageSink& sink) {
    std::error_code ec;
    std::filesystem::create_directories(dataDir, ec);
    bool upgraded = false;
    CollectedMessages held; // told once the lock is released
    {
        DataDirLock lock(dataDir); // no other copy is half-way through a rewrite
        if (lock.Busy()) {
            sink.Show(MessageKind::Plain, DataDirBusyText(dataDir));
            return false;
        }
        if (lock.Held()) RemoveStrayTempFiles(dataDir);
        CreateRecordFile(DataFilePath(dataDir, kStatisticsFileName), held);
        CreateRecordFile(DataFilePath(dataDir, kHiScoreFileName), held);
        upgraded = UpgradeHiScoreFile(dataDir, held);
    }
    held.ShowTo(sink);
    return upgraded;
}

} // namespace tablamor

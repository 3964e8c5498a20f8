#include "shell/backup_texts.h"

namespace kalvodrin {

std::string BackupNoticeText(BackupPlace place, const BackupResult& result) {
  const bool drive = place == BackupPlace::kFixedFolder;
  switch (result.folder) {
    case FolderState::kMissing:
      if (drive) return std::string(kNoDiskNotice);
      return "Yedek klasörü bulunamadı. Hiçbir dosya yazılmadı.";
    case FolderState::kReadOnly:
      if (drive) return std::string(kWriteProtectedNotice);
      return "Yedek klasörüne yazılamıyor: " + result.status.message();
    case FolderState::kFailed:
      return "Yedek alınamadı: " + result.status.message();
    case FolderState::kWritable:
      break;
  }
  if (!result.status.ok())
    return "Yedek alınamadı: " + result.status.message() +
           "\nÖnceki yedek olduğu gibi duruyor.";
  return std::string(kBackupDoneNotice);
}

std::string RestoreNoticeText(BackupPlace place, const RestoreResult& result) {
  if (place == BackupPlace::kFixedFolder && result.problem == RestoreProblem::kFolderMissing)
    return std::string(kNoBackupFolderNotice);
  return RestoreProblemText(result);
}

}  // namespace kalvodrin

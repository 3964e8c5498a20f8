#include "shell/backup_texts.h"

namespace kalvodrin {

namespace {

// A chosen folder that is gone is most often a USB stick taken out or not yet mounted.
std::string ChosenFolderMissingText(const std::string& folder) {
  return "Seçilen yedek klasörü bulunamadı: " + folder +
         "\nÇıkarılabilir bir bellekse takılı olduğunu denetleyip tekrar deneyiniz.";
}

}  // namespace

std::string BackupNoticeText(BackupPlace place, const BackupResult& result,
                             const std::string& folder) {
  const bool drive = place == BackupPlace::kFixedFolder;
  switch (result.folder) {
    case FolderState::kMissing:
      if (drive) return std::string(kNoDiskNotice);
      if (place == BackupPlace::kChosenFolder)
        return ChosenFolderMissingText(folder) + "\nHiçbir dosya yazılmadı.";
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

std::string RestoreNoticeText(BackupPlace place, const RestoreResult& result,
                              const std::string& folder) {
  if (result.problem == RestoreProblem::kFolderMissing) {
    if (place == BackupPlace::kFixedFolder) return std::string(kNoBackupFolderNotice);
    if (place == BackupPlace::kChosenFolder)
      return ChosenFolderMissingText(folder) + "\nHiçbir dosya geri alınmadı.";
  }
  return RestoreProblemText(result);
}

}  // namespace kalvodrin

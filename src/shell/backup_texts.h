#pragma once
// What the backup window tells the user after each command (UTF-8). Its two places
// to back up to: the working folder itself, and the fixed backup folder, which stands
// for a removable drive and so has the drive's own notices (not ready, write-protected).

#include <string>
#include <string_view>

#include "shell/backup.h"

namespace kalvodrin {

enum class BackupPlace {
  kWorkFolder,    // ComboBox1 item 0
  kFixedFolder,   // item 1, kBackupFolder
  kChosenFolder,  // a folder the user chose, a USB stick for instance
};

inline constexpr std::string_view kBackupDoneNotice = "Yedek alma işlemi tamamlandı.";
inline constexpr std::string_view kNoDiskNotice =
    "Disket sürücünüzce disket yok. Lüften disket sürücünüze disket yerleştirip tekrar "
    "deneyiniz.";
inline constexpr std::string_view kWriteProtectedNotice =
    "Disketin üzerine yazılamıyor çünkü yazmaya karşı korumalı. Yazmaya karşı koruma "
    "sekmesini kaldırın veya kaydırın sonra tekrar deneyin.";
inline constexpr std::string_view kNoBackupFolderNotice =
    " D Diskindeki Yedek klasörünü bulamıyor . Lüften D diskinde yedek klasörü açarak "
    "tekrar deneyiniz.";

// The notice after a backup, done or not. `folder` is named where the user must act
// on it (a chosen folder that is gone or read-only).
std::string BackupNoticeText(BackupPlace place, const BackupResult& result,
                             const std::string& folder = {});

// The notice after a restore that changed nothing; empty after one that succeeded.
std::string RestoreNoticeText(BackupPlace place, const RestoreResult& result,
                              const std::string& folder = {});

}  // namespace kalvodrin

#pragma once
// The master-data windows of the program, created once and living until it ends, and
// their place in the main window's menu: "DERS HAVUZU", "ÖĞRETMEN GİRİŞİ",
// "SINIF-DERSHANE GİRİŞİ" and "DERS SAATLERİ GİRİŞİ".

#include <memory>

#include "gui/common/app_context.h"
#include "gui/common/window_registry.h"

class QWidget;

namespace kalvodrin {

class TDerslerForm;
class TGDSForm;
class TOgretmenForm;
class TSinifForm;

inline constexpr const char* kNoClassNotice = "Programda hiçbir SINIF tanımlanmamış. ";

class MasterDataWindows : public AreaWindows {
 public:
  MasterDataWindows(AppContext context, QWidget* parent);
  ~MasterDataWindows() override;
  MasterDataWindows(const MasterDataWindows&) = delete;
  MasterDataWindows& operator=(const MasterDataWindows&) = delete;

  // Gives the main window's four items their windows.
  void Register(WindowRegistry& registry) override;

  // "DERS SAATLERİ GİRİŞİ": the weekly hours need a class; without one the notice
  // kNoClassNotice is shown instead.
  void OpenWeeklyHours();

  TDerslerForm& lessonPool() const { return *lessonPool_; }
  TSinifForm& classes() const { return *classes_; }
  TOgretmenForm& teachers() const { return *teachers_; }
  TGDSForm& weeklyHours() const { return *weeklyHours_; }

 private:
  AppContext context_;
  std::unique_ptr<TDerslerForm> lessonPool_;
  std::unique_ptr<TSinifForm> classes_;
  std::unique_ptr<TOgretmenForm> teachers_;
  std::unique_ptr<TGDSForm> weeklyHours_;
};

}  // namespace kalvodrin

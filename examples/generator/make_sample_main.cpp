// kalvodrin-make-sample FOLDER [--classes N --seed S] [--force]
// Writes the sample school (or a generated one) into FOLDER as a complete set of data
// files, creating the folder when missing. A folder that already holds a school is
// only overwritten with --force, so a mistyped path cannot wipe a school's data. The
// bundled examples/sample-school is made with:
//   kalvodrin-make-sample examples/sample-school --force
// Exit code 0 on success, 1 when nothing was written, 2 on usage errors.

#include <CLI/CLI.hpp>

#include <cstdint>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <system_error>

#include "core/data_files.h"
#include "core/storage.h"
#include "core/turkish_text.h"
#include "sample_school.h"

namespace {

// The first data file found in the folder, matched without regard to case; empty
// when there is none.
std::string ExistingDataFile(const std::filesystem::path& folder) {
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    const std::string name = kalvodrin::TurkUpCaseText(entry.path().filename().string());
    for (const kalvodrin::DataFileInfo& info : kalvodrin::kDataFiles)
      if (name == info.name) return entry.path().filename().string();
  }
  return {};
}

int Write(const kalvodrin::School& school, const std::filesystem::path& folder) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) {
    std::cerr << folder.string() << ": " << ec.message() << '\n';
    return 1;
  }
  const kalvodrin::Status s = kalvodrin::SaveFiles(school, kalvodrin::FileSet::All());
  if (!s) {
    std::cerr << s.message() << '\n';
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Örnek okul verilerini bir çalışma klasörüne yazar."};
  std::string folder;
  int classes = 0;
  uint32_t seed = 1;
  bool force = false;
  app.add_option("folder", folder, "Çalışma klasörü")->required();
  app.add_option("--classes", classes,
                 "Örnek okul yerine bu kadar sınıflı bir okul üret (1-120)")
      ->check(CLI::Range(1, kalvodrin::kMaxGeneratedClasses));
  app.add_option("--seed", seed, "Üretilen okulun tohum değeri");
  app.add_flag("--force", force, "Klasörde bir okul varsa üzerine yaz");
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? 0 : 2;  // help is no error; usage errors exit with 2
  }

  if (const std::string found = ExistingDataFile(folder); !found.empty() && !force) {
    std::cerr << "kalvodrin-make-sample: " << folder << ": zaten bir çalışma klasörü ("
              << found << " var); hiçbir şey yazılmadı. Üzerine yazmak için --force\n";
    return 1;
  }
  auto school = std::make_unique<kalvodrin::School>();
  school->WorkFolder = folder;
  if (classes > 0)
    kalvodrin::BuildGeneratedSchool(*school, classes, seed);
  else
    kalvodrin::BuildSampleSchool(*school);
  return Write(*school, folder);
}

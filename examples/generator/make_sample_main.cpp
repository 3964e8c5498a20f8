// kalvodrin-make-sample FOLDER [--classes N --seed S]
// Writes the sample school (or a generated one) into FOLDER as a complete set of data
// files, creating the folder when missing. The bundled examples/sample-school is made
// with: kalvodrin-make-sample examples/sample-school
// Exit code 0 on success, 1 when the files could not be written, 2 on usage errors.

#include <CLI/CLI.hpp>

#include <cstdint>
#include <filesystem>
#include <iostream>
#include <memory>
#include <system_error>

#include "core/data_files.h"
#include "core/storage.h"
#include "sample_school.h"

int main(int argc, char** argv) {
  CLI::App app{"Örnek okul verilerini bir çalışma klasörüne yazar."};
  std::string folder;
  int classes = 0;
  uint32_t seed = 1;
  app.add_option("folder", folder, "Çalışma klasörü")->required();
  app.add_option("--classes", classes,
                 "Örnek okul yerine bu kadar sınıflı bir okul üret (1-120)");
  app.add_option("--seed", seed, "Üretilen okulun tohum değeri");
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? 0 : 2;  // help is no error; usage errors exit with 2
  }

  auto school = std::make_unique<kalvodrin::School>();
  school->WorkFolder = folder;
  if (classes > 0)
    kalvodrin::BuildGeneratedSchool(*school, classes, seed);
  else
    kalvodrin::BuildSampleSchool(*school);

  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) {
    std::cerr << folder << ": " << ec.message() << '\n';
    return 1;
  }
  const kalvodrin::Status s = kalvodrin::SaveFiles(*school, kalvodrin::FileSet::All());
  if (!s) {
    std::cerr << s.message() << '\n';
    return 1;
  }
  return 0;
}

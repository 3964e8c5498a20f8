#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstring>
#include <random>

#include "core/record_fields.h"
#include "core/school_json.h"
#include "core/storage.h"
#include "school_files.h"

namespace kalvodrin {
namespace {

using Json = nlohmann::ordered_json;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;
namespace fs = std::filesystem;

// What JSON cannot carry: the bytes after a text's length, and a length beyond the
// field (the text reads as the whole field).
struct ClearTextTails {
  template <typename T>
  void operator()(const char*, T&) {}
  template <std::size_t N>
  void operator()(const char*, PStr<N>& text) {
    text.assign(text.str());
  }
  template <std::size_t N, std::size_t M>
  void operator()(const char*, std::array<PStr<M>, N>& texts) {
    for (PStr<M>& t : texts) t.assign(t.str());
  }
};

void ClearAllTextTails(School& s) {
  ClearTextTails clear;
  auto each = [&clear](auto& list) {
    for (auto& r : list) Fields(clear, r);
  };
  each(s.LessonGroups);
  each(s.Lessons);
  each(s.Classes);
  each(s.Rooms);
  each(s.Teachers);
  each(s.DutyPlaces);
  Fields(clear, s.Settings);
}

void WriteRandomFiles(const fs::path& folder, unsigned seed) {
  std::mt19937 random(seed);
  for (const DataFileInfo& info : kDataFiles) {
    const bool single = info.file == DataFile::kAnnexFlags || info.file == DataFile::kSettings;
    Bytes bytes((single ? 1 : 5) * info.recordSize);
    for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
    WriteBytes(folder / info.name, bytes);
  }
}

TEST(SchoolJson, ToJsonAndBackGivesTheSameRecordBytes) {
  TempFolder temp;
  const fs::path original = temp.path() / "a";
  const fs::path copied = temp.path() / "b";
  const fs::path expected = temp.path() / "c";
  fs::create_directories(original);
  WriteRandomFiles(original, 11);  // every byte of every field, texts with garbage
  auto school = testing::NewSchool(original);
  ASSERT_TRUE(LoadSchool(*school));

  auto back = testing::NewSchool(copied);
  const Status s = SchoolFromJsonText(SchoolJsonText(*school), *back);
  ASSERT_TRUE(s) << s.message();
  EXPECT_EQ(back->WorkFolder, copied);  // the folder is not part of the school's data
  fs::create_directories(copied);
  ASSERT_TRUE(SaveFiles(*back, FileSet::All()));

  ClearAllTextTails(*school);
  school->WorkFolder = expected;
  fs::create_directories(expected);
  ASSERT_TRUE(SaveFiles(*school, FileSet::All()));
  for (const DataFileInfo& info : kDataFiles)
    EXPECT_EQ(ReadBytes(copied / info.name), ReadBytes(expected / info.name)) << info.name;
}

TEST(SchoolJson, WritesFieldsByNameTextsAsUtf8AndPlanesAsNumbers) {
  auto school = testing::SampleSchool();
  const Json j = SchoolToJson(*school);
  EXPECT_EQ(j["format"], "kalvodrin-school");
  EXPECT_EQ(j["version"], 1);
  EXPECT_EQ(j["lessons"][2]["name"], "MATEMATİK");
  EXPECT_EQ(j["lessons"][2]["pattern"], Json::parse("[2,2,1,0,0]"));
  EXPECT_EQ(j["teachers"][0]["club"], "SATRANÇ");
  EXPECT_EQ(j["annexFlags"].size(), 250u);
  EXPECT_EQ(j["annexFlags"][1], 1);
  EXPECT_EQ(j["teacherGrids"][0]["open"].size(), 80u);
  EXPECT_EQ(j["teacherGrids"][0]["special"]["maxHoursPerDay"], 6);
  EXPECT_EQ(j["classLessons"][0]["teachers"].size(), 15u);
  EXPECT_EQ(j["settings"]["schoolName"], "ATATÜRK LİSESİ");
  EXPECT_EQ(j["settings"]["pageLength"], -5);
  EXPECT_EQ(j["settings"]["startTimes"][0], "08:30");
  EXPECT_FALSE(j["teacherGrids"][0].contains("link"));
}

// A record that holds no object and whose compact text fits in 160 characters stays
// on one line; one character more and it is laid out a field a line, and so is a
// record holding an object.
TEST(SchoolJson, KeepsShortRecordsOnOneLine) {
  auto school = testing::SampleSchool();
  school->Lessons[0].name.assign("");
  const std::size_t bare = SchoolToJson(*school)["lessons"][0].dump().size();
  ASSERT_LT(bare, 150u);
  school->Lessons[0].name.assign(std::string(160 - bare, 'A'));
  school->Lessons[1].name.assign(std::string(161 - bare, 'B'));
  const Json j = SchoolToJson(*school);
  const std::string text = SchoolJsonText(*school);
  EXPECT_NE(text.find("\n    " + j["lessons"][0].dump() + ",\n"), std::string::npos);
  EXPECT_EQ(text.find(j["lessons"][1].dump()), std::string::npos);
  EXPECT_NE(text.find("\n      \"name\": \"" + std::string(161 - bare, 'B') + "\",\n"),
            std::string::npos);
  EXPECT_EQ(text.find(j["teacherGrids"][0].dump()), std::string::npos);
  EXPECT_NE(text.find("\n        \"maxHoursPerDay\": 6"), std::string::npos);
  EXPECT_EQ(Json::parse(text), j);
}

struct BadCase {
  const char* pointer;  // JSON pointer of the value to replace, "" = none
  const char* value;    // the replacement, as JSON text; "DELETE" removes it
  const char* message;  // the start of the expected message
};

TEST(SchoolJson, RefusesBadInputNamingTheFieldAndChangesNothing) {
  auto sample = testing::SampleSchool();
  const Json good = SchoolToJson(*sample);
  const std::vector<BadCase> cases = {
      {"/lessons/1/pattern/1", "256", "lessons[1].pattern[1]: 0..255"},
      {"/lessons/1/weeklyHours", "-1", "lessons[1].weeklyHours: 0..255"},
      {"/lessons/0/number", "1.5", "lessons[0].number: 0..255"},
      {"/lessons/0/name", "7", "lessons[0].name: bir metin"},
      {"/teachers/0/name", "\"ABCDEFGHIJKLMNOPQRSTUVWXYZABCDE\"", "teachers[0].name: en çok 30"},
      {"/classes/0/name", "\"日本\"", "classes[0].name: Türkçe"},
      {"/rooms/0/order", "DELETE", "rooms[0].order: alan eksik"},
      {"/lessons/0/colour", "1", "lessons[0].colour: bilinmeyen alan"},
      {"/colour", "1", "colour: bilinmeyen alan"},
      {"/teacherGrids/0/open/79", "DELETE", "teacherGrids[0].open: 80 öğelik"},
      {"/teacherGrids/0/special/maxHoursPerDay", "300",
       "teacherGrids[0].special.maxHoursPerDay: 0..255"},
      {"/settings/topMargin", "2147483648", "settings.topMargin: -2147483648..2147483647"},
      {"/settings/startTimes/3", "\"123456\"", "settings.startTimes[3]: en çok 5"},
      {"/annexFlags", "[1,2]", "annexFlags: 250 öğelik"},
      {"/duties", "{}", "duties: bir dizi"},
      {"/duties/0", "[1,2,3]", "duties[0]: bir nesne"},
      {"/settings", "DELETE", "settings: alan eksik"},
      {"/version", "2", "version: 1 olmalı"},
      {"/format", "\"okul\"", "format:"},
  };
  for (const BadCase& c : cases) {
    SCOPED_TRACE(c.pointer);
    Json bad = good;
    const Json::json_pointer at(c.pointer);
    if (std::string(c.value) == "DELETE") {
      Json& parent = bad[at.parent_pointer()];
      if (parent.is_array())
        parent.erase(std::stoul(at.back()));
      else
        parent.erase(at.back());
    } else {
      bad[at] = Json::parse(c.value);
    }
    auto target = testing::SampleSchool();
    target->Lessons.pop_back();
    target->Settings.searchLevel = 3;
    const Status s = SchoolFromJson(bad, *target);
    ASSERT_FALSE(s);
    EXPECT_EQ(s.message().rfind(c.message, 0), 0u) << s.message();
    EXPECT_EQ(target->Lessons.size(), sample->Lessons.size() - 1);
    EXPECT_EQ(target->Settings.searchLevel, 3);
  }
}

TEST(SchoolJson, SyntaxErrorsSayWhere) {
  auto school = testing::NewSchool();
  const Status s = SchoolFromJsonText("{\"format\": \"kalvodrin-school\",", *school);
  ASSERT_FALSE(s);
  EXPECT_NE(s.message().find("JSON sözdizimi hatası"), std::string::npos);
  EXPECT_NE(s.message().find("line 1"), std::string::npos) << s.message();
  EXPECT_FALSE(SchoolFromJsonText("[]", *school));
}

// A number past what a double holds is refused like a syntax error, the school left as
// it was; the reader threw it past the caller (found by the fuzzer).
TEST(SchoolJson, ANumberTooLargeIsRefusedNotThrown) {
  auto school = testing::SampleSchool();
  const Bytes before = DataFileImage(*school, DataFile::kLessons);
  for (const char* text : {"9e999", "{\"format\": -1e400}", "[1, 2e5000]"}) {
    Status s = Status::Ok();
    ASSERT_NO_THROW(s = SchoolFromJsonText(text, *school)) << text;
    EXPECT_FALSE(s) << text;
    EXPECT_NE(s.message().find("JSON"), std::string::npos) << s.message();
  }
  EXPECT_EQ(before, DataFileImage(*school, DataFile::kLessons));
}

}  // namespace
}  // namespace kalvodrin

#include "core/school_json.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <nlohmann/json.hpp>
#include <set>
#include <utility>
#include <vector>

#include "core/record_fields.h"
#include "core/turkish_text.h"

namespace kalvodrin {
namespace {

using Json = nlohmann::ordered_json;

// Collections are vectors of records underneath their indexes; the JSON form only
// needs the records.
template <typename List>
auto& Records(List& list) {
  using Rec = typename std::remove_const_t<List>::value_type;
  if constexpr (std::is_const_v<List>)
    return static_cast<const std::vector<Rec>&>(list);
  else
    return static_cast<std::vector<Rec>&>(list);
}

// The parts of a school in the order of the data files.
template <typename V, typename S>
void SchoolParts(V& v, S& s) {
  v("lessonGroups", Records(s.LessonGroups));
  v("lessons", Records(s.Lessons));
  v("classes", Records(s.Classes));
  v("rooms", Records(s.Rooms));
  v("teachers", Records(s.Teachers));
  v("annexFlags", s.Annex.bytes);
  v("classLessons", Records(s.ClassLessons));
  v("commonGroups", Records(s.CommonGroups));
  v("dutyPlaces", Records(s.DutyPlaces));
  v("duties", s.Duties);
  v("teacherLessons", s.TeacherLessons);
  v("teacherGrids", Records(s.TeacherGrids));
  v("classGrids", Records(s.ClassGrids));
  v("roomGrids", Records(s.RoomGrids));
  v("settings", s.Settings);
}

class Writer {
 public:
  explicit Writer(Json& out) : out_(out) {}

  void operator()(const char* name, const uint8_t& value) { out_[name] = value; }
  void operator()(const char* name, const LeI32& value) { out_[name] = value.get(); }
  template <std::size_t N>
  void operator()(const char* name, const PStr<N>& text) {
    out_[name] = Cp1254ToUtf8(text.view());
  }
  template <std::size_t N>
  void operator()(const char* name, const std::array<uint8_t, N>& bytes) {
    out_[name] = Json::array();
    for (uint8_t b : bytes) out_[name].push_back(b);
  }
  template <std::size_t N, std::size_t M>
  void operator()(const char* name, const std::array<PStr<M>, N>& texts) {
    out_[name] = Json::array();
    for (const PStr<M>& t : texts) out_[name].push_back(Cp1254ToUtf8(t.view()));
  }
  template <typename Rec>
  void operator()(const char* name, const Rec& record) {
    out_[name] = Object(record);
  }
  template <typename Rec>
  void operator()(const char* name, const std::vector<Rec>& records) {
    out_[name] = Json::array();
    for (const Rec& r : records) out_[name].push_back(Object(r));
  }

 private:
  template <typename Rec>
  static Json Object(const Rec& record) {
    Json object = Json::object();
    Writer w(object);
    Fields(w, record);
    return object;
  }

  Json& out_;
};

// Reads the fields of one JSON object into a record, stopping at the first fault;
// `error` then names the field by its path ("teachers[3].name").
class Reader {
 public:
  Reader(const Json& object, std::string path, std::string& error)
      : object_(object), path_(std::move(path)), error_(error) {}

  void operator()(const char* name, uint8_t& value) {
    int64_t v = 0;
    if (const Json* j = Get(name); j != nullptr && Int(*j, Path(name), 0, 255, v))
      value = static_cast<uint8_t>(v);
  }
  void operator()(const char* name, LeI32& value) {
    int64_t v = 0;
    if (const Json* j = Get(name); j != nullptr &&
        Int(*j, Path(name), std::numeric_limits<int32_t>::min(),
            std::numeric_limits<int32_t>::max(), v))
      value.set(static_cast<int32_t>(v));
  }
  template <std::size_t N>
  void operator()(const char* name, PStr<N>& text) {
    if (const Json* j = Get(name)) Text(*j, Path(name), text);
  }
  template <std::size_t N>
  void operator()(const char* name, std::array<uint8_t, N>& bytes) {
    const Json* j = Get(name);
    if (j == nullptr || !Array(*j, Path(name), N)) return;
    for (std::size_t k = 0; k < N && error_.empty(); ++k) {
      int64_t v = 0;
      if (Int((*j)[k], Item(name, k), 0, 255, v)) bytes[k] = static_cast<uint8_t>(v);
    }
  }
  template <std::size_t N, std::size_t M>
  void operator()(const char* name, std::array<PStr<M>, N>& texts) {
    const Json* j = Get(name);
    if (j == nullptr || !Array(*j, Path(name), N)) return;
    for (std::size_t k = 0; k < N && error_.empty(); ++k) Text((*j)[k], Item(name, k), texts[k]);
  }
  template <typename Rec>
  void operator()(const char* name, Rec& record) {
    if (const Json* j = Get(name)) ReadObject(*j, Path(name), record, error_);
  }
  template <typename Rec>
  void operator()(const char* name, std::vector<Rec>& records) {
    const Json* j = Get(name);
    if (j == nullptr) return;
    if (!j->is_array()) return Fail(Path(name), "bir dizi olmalı");
    std::vector<Rec> read(j->size());
    for (std::size_t k = 0; k < read.size() && error_.empty(); ++k)
      ReadObject((*j)[k], Item(name, k), read[k], error_);
    if (error_.empty()) records = std::move(read);
  }

  // A key read elsewhere, so not unknown.
  void Known(const char* name) { seen_.insert(name); }

  // Reports the first key no field asked for.
  void RefuseUnknownKeys() {
    if (!error_.empty()) return;
    for (const auto& item : object_.items())
      if (seen_.count(item.key()) == 0) return Fail(Path(item.key()), "bilinmeyen alan");
  }

  template <typename Rec>
  static void ReadObject(const Json& j, const std::string& path, Rec& record,
                         std::string& error) {
    if (!j.is_object()) {
      error = path + ": bir nesne ({...}) olmalı";
      return;
    }
    std::memset(&record, 0, sizeof record);
    Reader r(j, path, error);
    Fields(r, record);
    r.RefuseUnknownKeys();
  }

 private:
  std::string Path(std::string_view name) const {
    return path_.empty() ? std::string(name) : path_ + "." + std::string(name);
  }
  std::string Item(std::string_view name, std::size_t k) const {
    return Path(name) + "[" + std::to_string(k) + "]";
  }
  void Fail(const std::string& path, const std::string& what) {
    if (error_.empty()) error_ = path + ": " + what;
  }

  const Json* Get(const char* name) {
    if (!error_.empty()) return nullptr;
    seen_.insert(name);
    const auto it = object_.find(name);
    if (it == object_.end()) {
      Fail(Path(name), "alan eksik");
      return nullptr;
    }
    return &*it;
  }

  bool Int(const Json& j, const std::string& path, int64_t lo, int64_t hi, int64_t& out) {
    const std::string want = std::to_string(lo) + ".." + std::to_string(hi) +
                             " arası bir tam sayı olmalı";
    if (!j.is_number_integer()) return Fail(path, want), false;
    if (j.is_number_unsigned()) {
      const auto u = j.get<uint64_t>();
      if (u > static_cast<uint64_t>(hi)) return Fail(path, want), false;
      out = static_cast<int64_t>(u);
      return true;
    }
    out = j.get<int64_t>();
    if (out < lo || out > hi) return Fail(path, want), false;
    return true;
  }

  bool Array(const Json& j, const std::string& path, std::size_t n) {
    if (j.is_array() && j.size() == n) return true;
    Fail(path, std::to_string(n) + " öğelik bir dizi olmalı");
    return false;
  }

  template <std::size_t N>
  void Text(const Json& j, const std::string& path, PStr<N>& text) {
    if (!j.is_string()) return Fail(path, "bir metin olmalı");
    const auto cp1254 = Utf8ToCp1254(j.get_ref<const std::string&>());
    if (!cp1254) return Fail(path, "Türkçe Windows kod sayfasında olmayan bir karakter içeriyor");
    if (cp1254->size() > N)
      return Fail(path, "en çok " + std::to_string(N) + " karakter olabilir");
    text.assign(*cp1254);
  }

  const Json& object_;
  std::string path_;
  std::string& error_;
  std::set<std::string, std::less<>> seen_;
};

bool AllPrimitive(const Json& j) {
  for (const Json& item : j)
    if (item.is_structured()) return false;
  return true;
}

// Fits on one line when it holds no nested structure and is short.
constexpr std::size_t kLineWidth = 160;

void Print(const Json& j, int indent, std::string& out) {
  // A dump costs the whole subtree, so only a node that may fit on one line is dumped
  // as a whole; the others are laid out part by part.
  const bool mayBeFlat = !j.is_structured() || j.empty() || (j.is_array() && AllPrimitive(j)) ||
                         (j.is_object() && std::none_of(j.begin(), j.end(), [](const Json& v) {
                            return v.is_object();
                          }));
  if (mayBeFlat) {
    std::string compact = j.dump();
    if (!j.is_object() || j.empty() || compact.size() <= kLineWidth) {
      out += compact;
      return;
    }
  }
  const std::string inner(static_cast<std::size_t>(indent + 2), ' ');
  const bool object = j.is_object();
  out += object ? "{\n" : "[\n";
  bool first = true;
  for (const auto& item : j.items()) {
    if (!first) out += ",\n";
    first = false;
    out += inner;
    if (object) out += Json(item.key()).dump() + ": ";
    Print(item.value(), indent + 2, out);
  }
  out += "\n" + std::string(static_cast<std::size_t>(indent), ' ') + (object ? "}" : "]");
}

Status ReadHeader(const Json& json) {
  if (!json.is_object()) return Status::Error("belge bir nesne ({...}) olmalı");
  const auto format = json.find("format");
  if (format == json.end() || !format->is_string() ||
      format->get_ref<const std::string&>() != kSchoolJsonFormat)
    return Status::Error("format: \"" + std::string(kSchoolJsonFormat) + "\" olmalı");
  const auto version = json.find("version");
  if (version == json.end() || !version->is_number_integer() ||
      version->get<int64_t>() != kSchoolJsonVersion)
    return Status::Error("version: " + std::to_string(kSchoolJsonVersion) + " olmalı");
  return Status::Ok();
}

}  // namespace

nlohmann::ordered_json SchoolToJson(const School& school) {
  Json out = Json::object();
  out["format"] = kSchoolJsonFormat;
  out["version"] = kSchoolJsonVersion;
  Writer w(out);
  SchoolParts(w, school);
  return out;
}

std::string SchoolJsonText(const School& school) {
  std::string out;
  Print(SchoolToJson(school), 0, out);
  return out + "\n";
}

Status SchoolFromJson(const nlohmann::ordered_json& json, School& school) {
  if (Status s = ReadHeader(json); !s) return s;
  std::string error;
  // A fresh school: nothing of `school` changes until the whole text is read.
  auto read = std::make_unique<School>();
  Reader r(json, "", error);
  r.Known("format");
  r.Known("version");
  SchoolParts(r, *read);
  if (error.empty()) r.RefuseUnknownKeys();
  if (!error.empty()) return Status::Error(error);
  read->WorkFolder = school.WorkFolder;
  read->ReindexAll();
  school = std::move(*read);
  return Status::Ok();
}

Status SchoolFromJsonText(std::string_view text, School& school) {
  Json json;
  try {
    json = Json::parse(text);
  } catch (const Json::parse_error& e) {
    return Status::Error(std::string("JSON sözdizimi hatası: ") + e.what());
  } catch (const Json::out_of_range& e) {
    // A number past what a double holds is not a syntax error to the parser, but it is
    // bad input all the same: refused, never thrown past the caller.
    return Status::Error(std::string("JSON'da okunamayan sayı: ") + e.what());
  }
  return SchoolFromJson(json, school);
}

}  // namespace kalvodrin

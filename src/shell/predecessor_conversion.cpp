#include "shell/predecessor_conversion.h"

#include <algorithm>
#include <bitset>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

#include "core/record_creation.h"
#include "core/text_cat.h"
#include "core/turkish_text.h"
#include "engine/counts.h"
#include "shell/predecessor_records.h"

namespace kalvodrin {
namespace {

using std::to_string;

// The whole records of a file, in file order; bytes after the last whole one are
// not a record.
template <typename Rec>
std::vector<Rec> RecordsOf(const std::optional<Bytes>& bytes) {
  std::vector<Rec> records;
  if (!bytes) return records;
  records.resize(bytes->size() / sizeof(Rec));
  for (std::size_t i = 0; i < records.size(); ++i)
    std::memcpy(&records[i], bytes->data() + i * sizeof(Rec), sizeof(Rec));
  return records;
}

template <typename Rec>
Bytes ImageOf(const std::vector<Rec>& records) {
  Bytes bytes(records.size() * sizeof(Rec));
  if (!records.empty()) std::memcpy(bytes.data(), records.data(), bytes.size());
  return bytes;
}

// A text as it can be stored: within its field and up to the first control byte. A
// length byte past the field reaches into filler, which the predecessor left as NULs.
template <std::size_t N>
std::string_view StorableText(const PStr<N>& text) {
  const std::string_view v = text.view();
  for (std::size_t i = 0; i < v.size(); ++i)
    if (static_cast<uint8_t>(v[i]) < 0x20) return v.substr(0, i);
  return v;
}

template <std::size_t N>
std::string Utf8(const PStr<N>& text) {
  return Cp1254ToUtf8(StorableText(text));
}

// Adds `key` to the sorted `taken`; false when it was there already. A sorted vector:
// a set took an allocation for every record of a file.
bool Take(std::vector<uint32_t>& taken, uint32_t key) {
  const auto at = std::lower_bound(taken.begin(), taken.end(), key);
  if (at != taken.end() && *at == key) return false;
  taken.insert(at, key);
  return true;
}

// The blocks `hours` would have if typed as evenly as five blocks allow: 7 is 2+2+1+1+1.
PatternBytes EvenBlocks(int hours) {
  PatternBytes blocks{};
  const int count = std::min<int>(hours, static_cast<int>(blocks.size()));
  for (int k = 0; k < count; ++k)
    blocks[static_cast<std::size_t>(k)] = static_cast<uint8_t>(hours / count + (k < hours % count));
  return blocks;
}

bool Increasing(const PatternBytes& blocks) {
  for (std::size_t k = 1; k < blocks.size(); ++k)
    if (blocks[k] > blocks[k - 1]) return true;
  return false;
}

int Sum(const PatternBytes& blocks) {
  int sum = 0;
  for (uint8_t b : blocks) sum += b;
  return sum;
}

class Converter {
 public:
  Converter() : school_(std::make_unique<School>()) {}

  void Lessons(const std::vector<VelLessonRec>& records);
  void Classes(const std::vector<VelClassRec>& records);
  void Teachers(const std::vector<VelTeacherRec>& records);
  void ClassLessons(const std::vector<VelClassLessonRec>& records);
  void TeacherLessons(const std::vector<TTeacherLessonRec>& records);
  void MakeGrids();
  void Windows(const std::vector<VelClassGridRec>& records);
  void Availability(const std::vector<VelTeacherGridRec>& records);

  VelConversion Finish();

 private:
  void Report(std::string_view file, std::size_t record, std::string_view text) {
    report_.push_back(Cat({file, ", kayıt ", to_string(record), ": ", text}));
  }
  // False, reported, when the number cannot be given to a record of this kind: it is 0
  // or among the numbers given so far, `taken`. Asking the school's list instead meant
  // indexing it again after every record: a file's worth of work for each record.
  bool FreshNumber(std::bitset<256>& taken, std::string_view file, std::size_t record,
                   std::string_view kind, int number) {
    if (number != 0 && !taken.test(static_cast<std::size_t>(number))) {
      taken.set(static_cast<std::size_t>(number));
      return true;
    }
    Report(file, record,
           Cat({kind, " ", to_string(number),
                number == 0 ? ": numara 0 olamaz, aktarılmadı"
                            : ": bu numara daha önce kullanılmış, aktarılmadı"}));
    return false;
  }
  // The pattern bytes of a predecessor pattern for a lesson of `weeklyHours`; one that
  // cannot be a pattern of ours is reported and replaced by even blocks. `who()` names
  // the record: made only for a report, as a file of sound records needs none.
  template <typename Who>
  PatternBytes Pattern(int32_t value, int weeklyHours, std::string_view file, std::size_t record,
                       const Who& who);
  // The text as it can be stored; a cut one is reported.
  template <std::size_t N, typename Who>
  std::string_view Text(const PStr<N>& text, std::string_view field, std::string_view file,
                        std::size_t record, const Who& who) {
    const std::string_view stored = StorableText(text);
    if (text.damaged() || stored.size() != text.view().size())
      Report(file, record,
             Cat({who(), ": ", field, " uzunluk baytı ", to_string(text.length), ", alan en çok ",
                  to_string(N), " karakter ya da denetim karakterli; \"", Cp1254ToUtf8(stored),
                  "\" olarak aktarıldı"}));
    return stored;
  }

  std::unique_ptr<School> school_;
  std::array<Bytes, 5> copies_;
  std::vector<std::string> report_;
};

template <typename Who>
PatternBytes Converter::Pattern(int32_t value, int weeklyHours, std::string_view file,
                                std::size_t record, const Who& who) {
  const std::optional<PatternBytes> blocks = PatternFromInteger(value);
  std::string why;
  if (!blocks)
    why = "beş basamağa sığmıyor ya da 0 uzunlukta blok içeriyor";
  else if (Increasing(*blocks))
    why = "bloklarının uzunluğu artıyor";
  else if (Sum(*blocks) != weeklyHours)
    why = Cat(
        {"toplamı ", to_string(Sum(*blocks)), ", haftalık ders saati ", to_string(weeklyHours)});
  if (why.empty()) return *blocks;
  const PatternBytes even = EvenBlocks(weeklyHours);
  Report(file, record,
         Cat({who(), ": yerleştirme biçimi ", to_string(value), " ", why, "; ",
              weeklyHours == 0 ? std::string("biçimsiz") : PatternText(even),
              " olarak aktarıldı, gerekirse düzeltiniz"}));
  return even;
}

void Converter::Lessons(const std::vector<VelLessonRec>& records) {
  std::bitset<256> taken;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const VelLessonRec& v = records[i];
    if (!FreshNumber(taken, kVelLessons, i + 1, "ders", v.number)) continue;
    const auto who = [&v] { return Cat({"ders ", to_string(v.number), " (", Utf8(v.name), ")"}); };
    const std::string_view name = Text(v.name, "ad", kVelLessons, i + 1, who);
    const std::string_view shortName = Text(v.shortName, "kısa ad", kVelLessons, i + 1, who);
    const PatternBytes pattern = Pattern(v.pattern.get(), v.weeklyHours, kVelLessons, i + 1, who);
    AddLesson(*school_, v.number, name, shortName, 0, v.weeklyHours, pattern, v.divisible);
  }
  school_->ReindexLessons();
  copies_[0] = ImageOf<TLessonRec>(school_->Lessons);
}

void Converter::Classes(const std::vector<VelClassRec>& records) {
  std::bitset<256> taken;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const VelClassRec& v = records[i];
    if (!FreshNumber(taken, kVelClasses, i + 1, "sınıf", v.number)) continue;
    const auto who = [&v] { return Cat({"sınıf ", to_string(v.number)}); };
    const std::string_view name = Text(v.name, "ad", kVelClasses, i + 1, who);
    const std::string_view section = Text(v.section, "şube", kVelClasses, i + 1, who);
    AddClass(*school_, v.number, name, section).order = v.number;
  }
  school_->ReindexClasses();
  copies_[1] = ImageOf<TClassRec>(school_->Classes);
}

void Converter::Teachers(const std::vector<VelTeacherRec>& records) {
  std::bitset<256> taken;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const VelTeacherRec& v = records[i];
    if (!FreshNumber(taken, kVelTeachers, i + 1, "öğretmen", v.number)) continue;
    const auto who = [&v] {
      return Cat({"öğretmen ", to_string(v.number), " (", Utf8(v.name), ")"});
    };
    const std::string_view name = Text(v.name, "ad", kVelTeachers, i + 1, who);
    const std::string_view branch = Text(v.branch, "branş", kVelTeachers, i + 1, who);
    const std::string_view classTeacherOf =
        Text(v.classTeacherOf, "sınıf öğretmenliği", kVelTeachers, i + 1, who);
    const std::string_view club = Text(v.club, "kulüp", kVelTeachers, i + 1, who);
    AddTeacher(*school_, v.number, name, branch, classTeacherOf, club).order = v.number;
  }
  school_->ReindexTeachers();
  copies_[2] = ImageOf<TTeacherRec>(school_->Teachers);
}

void Converter::ClassLessons(const std::vector<VelClassLessonRec>& records) {
  School& s = *school_;
  // The index is rebuilt once at the end (a rebuild is a pass over the whole list);
  // until then this set answers which pairs are taken.
  std::vector<uint32_t> taken;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const VelClassLessonRec& v = records[i];
    const auto who = [&v] {
      return Cat({"sınıf ", to_string(v.classNo), ", ders ", to_string(v.lesson)});
    };
    std::string_view fault;
    if (s.ClassByNo(v.classNo) == nullptr)
      fault = "sınıf yok";
    else if (s.LessonByNo(v.lesson) == nullptr)
      fault = "ders yok";
    else if (!Take(taken, static_cast<uint32_t>(v.classNo << 8 | v.lesson)))
      fault = "sınıf bu dersi zaten alıyor";
    if (!fault.empty()) {
      Report(kVelClassLessons, i + 1, Cat({who(), ": ", fault, ", aktarılmadı"}));
      continue;
    }
    TClassLessonRec& cl = AddClassLesson(s, v.classNo, v.lesson);
    cl.divisible = v.divisible;
    cl.pattern =
        Pattern(v.pattern.get(), s.LessonByNo(v.lesson)->weeklyHours, kVelClassLessons, i + 1, who);
    cl.blockCount = static_cast<uint8_t>(CountBlocks(cl.pattern));
  }
  s.ClassLessons.reindex();
  copies_[3] = ImageOf<TClassLessonRec>(s.ClassLessons);
}

void Converter::TeacherLessons(const std::vector<TTeacherLessonRec>& records) {
  School& s = *school_;
  std::vector<uint32_t> seen;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const TTeacherLessonRec& v = records[i];
    const auto who = [&v] {
      return Cat({"öğretmen ", to_string(v.teacher), ", sınıf ", to_string(v.classNo), ", ders ",
                  to_string(v.lesson)});
    };
    std::string_view fault;
    if (s.TeacherByNo(v.teacher) == nullptr)
      fault = "öğretmen yok";
    else if (s.ClassByNo(v.classNo) == nullptr)
      fault = "sınıf yok";
    else if (s.ClassLessonAt(v.classNo, v.lesson) == nullptr)
      fault = "sınıf bu dersi almıyor";
    else if (!Take(seen, static_cast<uint32_t>(v.teacher << 16 | v.classNo << 8 | v.lesson)))
      fault = "aynı kayıt daha önce var";
    else if (!AttachTeacher(s, v.teacher, v.classNo, v.lesson))
      fault = "dersin 15 öğretmeni var";
    if (!fault.empty()) {
      Report(kVelTeacherLessons, i + 1, Cat({who(), ": ", fault, ", aktarılmadı"}));
      continue;
    }
    s.TeacherLessons.push_back(v);
  }
  copies_[4] = ImageOf(s.TeacherLessons);
}

void Converter::Windows(const std::vector<VelClassGridRec>& records) {
  for (std::size_t i = 0; i < records.size(); ++i) {
    const VelClassGridRec& v = records[i];
    TClassGridRec* g = school_->ClassGridByNo(v.classNo);
    if (g == nullptr) {
      Report(kVelClassGrids, i + 1,
             Cat({"sınıf ", to_string(v.classNo), " yok, ders saatleri alınmadı"}));
      continue;
    }
    for (std::size_t d = 0; d < g->firstHour.size(); ++d) {
      const int first = v.firstHour[d];
      const int last = v.lastHour[d];
      // A 0 at either end is the predecessor's day without lessons.
      const bool none = first == 0 || last == 0;
      if (first > kHoursPerDay || last > kHoursPerDay || (!none && first > last)) {
        Report(kVelClassGrids, i + 1,
               Cat({"sınıf ", to_string(v.classNo), ", gün ", to_string(d + 1), ": ilk saat ",
                    to_string(first), ", son saat ", to_string(last), " olamaz (1..",
                    to_string(kHoursPerDay), "), o günün ders saatleri alınmadı"}));
        continue;
      }
      g->firstHour[d] = v.firstHour[d];
      g->lastHour[d] = v.lastHour[d];
      // A day without lessons (0 to 0) has no free hour, not one.
      g->freeHours[d] = static_cast<uint8_t>(DayWindowLength(*g, d));
    }
  }
}

void Converter::Availability(const std::vector<VelTeacherGridRec>& records) {
  for (std::size_t i = 0; i < records.size(); ++i) {
    const VelTeacherGridRec& v = records[i];
    TTeacherGridRec* g = school_->TeacherGridByNo(v.teacher);
    if (g == nullptr) {
      Report(kVelTeacherGrids, i + 1,
             Cat({"öğretmen ", to_string(v.teacher), " yok, uygun saatleri alınmadı"}));
      continue;
    }
    // A cell that held a lesson says nothing about whether the teacher is free then.
    for (std::size_t k = 0; k < g->open.size(); ++k)
      if (v.occupied[k] == 0) g->open[k] = v.available[k] != 0 ? 1 : 0;
  }
}

// As start-up makes them for a school that has none: one per teacher and class.
void Converter::MakeGrids() {
  School& s = *school_;
  for (const TTeacherRec& t : s.Teachers) NewTeacherGrid(s, t.number);
  for (const TClassRec& c : s.Classes) NewClassGrid(s, c.number);
  s.ReindexTeacherGrids();
  s.ReindexClassGrids();
}

// The teachers' hours as the teacher distribution would have counted them, so the
// imported teachers show in the timetables at once.
VelConversion Converter::Finish() {
  CountAllHours(*school_);
  return {std::move(school_), std::move(copies_), std::move(report_)};
}

}  // namespace

std::optional<PatternBytes> PatternFromInteger(int32_t value) {
  if (value < 0) return std::nullopt;
  const std::string digits = value == 0 ? std::string() : to_string(value);
  PatternBytes blocks{};
  if (digits.size() > blocks.size()) return std::nullopt;
  for (std::size_t k = 0; k < digits.size(); ++k) {
    // One block per digit: a block of no hours is no block.
    if (digits[k] == '0') return std::nullopt;
    blocks[k] = static_cast<uint8_t>(digits[k] - '0');
  }
  return blocks;
}

VelConversion ConvertVel(const VelFiles& files) {
  Converter c;
  c.Lessons(RecordsOf<VelLessonRec>(files.lessons));
  c.Classes(RecordsOf<VelClassRec>(files.classes));
  c.Teachers(RecordsOf<VelTeacherRec>(files.teachers));
  c.ClassLessons(RecordsOf<VelClassLessonRec>(files.classLessons));
  c.TeacherLessons(RecordsOf<TTeacherLessonRec>(files.teacherLessons));
  // The day windows and availability go into timetables made here, so that they are
  // written with the rest instead of waiting for a later save that may never come.
  c.MakeGrids();
  c.Windows(RecordsOf<VelClassGridRec>(files.classGrids));
  c.Availability(RecordsOf<VelTeacherGridRec>(files.teacherGrids));
  return c.Finish();
}

}  // namespace kalvodrin

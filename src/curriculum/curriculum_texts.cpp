#include "curriculum/curriculum_texts.h"

#include "core/pick_rows.h"

namespace kalvodrin {

std::string CurriculumNotice(const Change& change) {
  const std::string n = std::to_string(change.number);
  switch (change.outcome) {
    case Outcome::kOverCapacity:
      return "Bu sınıfa " + n + " den fazla ders veremezsiniz." +
             " Bu sınıfta bu dersin okutulup okutulmadığını kontrol ediniz. Okutuluyorsa, "
             "daha önceden okutulmayan bir ders" +
             " girmiş veya günlük ders sayılarını yanlış girmiş olabilirsiniz.";
    case Outcome::kInGroup: return "Bu ders " + n + " nolu grupta ortak ders olarak atanmış.";
    case Outcome::kHasTeachers:
      return "Bu dersin Öğretmenlere dağıtımı yapılmış. Öğretmenlere Dağıtımı yapılmış bir "
             "dersi Ortak atayamazsınız.Bu dersi ortak atamak için öğretmen ders "
             "dağıtımından silin. Öğretmen Ders Dağıtımını Ortak atadıktan sonra yapın";
    case Outcome::kGroupHasTeachers:
      return "Bu grupta Öğretmenlere dağıtımı yapılmış dersler var. Bu dersi ortak atamak "
             "için bu gruptaki dersleri öğretmen ders dağıtımından silin. Öğretmen "
             "Dağıtımını Ortak atadıktan sonra yapın";
    case Outcome::kSameClass:
      return "Bu grupta aynı sınıftan ders var. Bir grupta aynı sınıftan sadece bir ders "
             "atayabilirsiniz";
    case Outcome::kOtherHours:
      return "Aynı gruptaki derslerin Haftalık Ders Saatleri aynı olmalıdır.";
    case Outcome::kHasRooms:
      return "Bu ders için Derslik atanmış. Derslik atanmış bir dersi ortak atayamazsınız.Bu "
             "dersi ortak atamak için derslik atamasını kaldırın. Derslik atamasını Ortak "
             "atadıktan sonra yapın";
    case Outcome::kOtherLesson: return "Aynı ortak gruptaki bütün dersler aynı olmalıdır.";
    case Outcome::kListFull:
      return "Bir ortak ders grubunda en çok 15 ders olabilir. Bu dersi başka bir gruba "
             "atayınız.";
    case Outcome::kPlaced:
      return "Bu dersin ya da bu gruptaki derslerin saatleri haftalık ders programına "
             "yerleştirilmiş. Bu dersi ortak atamak için önce bu saatleri programdan silin.";
    case Outcome::kFull: return "En çok 255 ortak ders grubu açılabilir.";
    case Outcome::kNotFound: return "Seçili ders bulunamadı.";
    default: return "";
  }
}

std::string RemoveClassLessonConfirm(const School& school, int classNo, int lesson) {
  return ClassTitle(school, classNo) + " Sınıfından " + LessonTitle(school, lesson) +
         " Dersi silinecek !";
}

std::string RemoveMemberConfirm(const School& school, int classNo, int lesson, int group) {
  return ClassTitle(school, classNo) + " sınıfı " + LessonTitle(school, lesson) + " dersi " +
         std::to_string(group) + " nolu ortak ders grubundan silinecek ?";
}

}  // namespace kalvodrin

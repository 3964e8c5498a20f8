#include "names.h"

#include <array>
#include <utility>
#include <string_view>

namespace kalvodrin::samples {
namespace {

constexpr std::array<std::string_view, 64> kFirstNames = {
    "AYŞE",   "FATMA",  "EMİNE",  "HATİCE", "ZEYNEP", "ELİF",   "MERVE",  "ÖZLEM",
    "SEVGİ",  "GÜLSÜM", "NURAY",  "SERAP",  "DERYA",  "FİLİZ",  "HÜLYA",  "PINAR",
    "SİBEL",  "TUĞBA",  "YASEMİN", "BÜŞRA", "ESRA",   "GÜLAY",  "NESRİN", "ŞULE",
    "ÇİĞDEM", "DİLEK",  "AYNUR",  "MELEK",  "NİLGÜN", "SEDA",   "EBRU",   "İPEK",
    "MEHMET", "MUSTAFA", "AHMET", "ALİ",    "HÜSEYİN", "HASAN", "İBRAHİM", "İSMAİL",
    "OSMAN",  "YUSUF",  "MURAT",  "ÖMER",   "RAMAZAN", "HALİL", "SÜLEYMAN", "ABDULLAH",
    "KEMAL",  "ERKAN",  "SERKAN", "KORAY",  "VOLKAN", "TUNCAY", "ÇAĞLAR", "EMRE",
    "GÖKHAN", "ŞENOL",  "ÜMİT",   "ERDAL",  "BURAK",  "OĞUZ",   "CEM",    "TANER"};

constexpr std::array<std::string_view, 64> kSurnames = {
    "YILMAZ",  "KAYA",    "DEMİR",   "ŞAHİN",   "ÇELİK",   "YILDIZ",  "YILDIRIM", "ÖZTÜRK",
    "AYDIN",   "ÖZDEMİR", "ARSLAN",  "DOĞAN",   "KILIÇ",   "ASLAN",   "ÇETİN",   "KARA",
    "KOÇ",     "KURT",    "ÖZKAN",   "ŞİMŞEK",  "POLAT",   "ÖZCAN",   "KORKMAZ", "ÇAKIR",
    "ERDOĞAN", "YAVUZ",   "CAN",     "ACAR",    "ŞEN",     "AKTAŞ",   "GÜLER",   "YALÇIN",
    "GÜNEŞ",   "BOZKURT", "BULUT",   "KESKİN",  "ÜNAL",    "TURAN",   "GÜL",     "ÖZER",
    "IŞIK",    "KAPLAN",  "AVCI",    "SARI",    "TEKİN",   "TAŞ",     "KÖSE",    "YÜKSEL",
    "ATEŞ",    "AKSOY",   "UYSAL",   "SEVİM",   "ERTÜRK",  "KARACA",  "TOPRAK",  "ÇİFTÇİ",
    "DURMAZ",  "AKIN",    "ORHAN",   "ERDEM",   "UĞUR",    "BAYRAK",  "GÜNDOĞDU", "ALTUN"};

constexpr std::array<std::string_view, 16> kClubs = {
    "SATRANÇ",  "TİYATRO",  "MÜNAZARA", "KÜTÜPHANE", "FOTOĞRAF",  "İZCİLİK",
    "BİLİM",    "HALK OYUN", "ÇEVRE",   "SPOR",      "KIZILAY",   "MÜZİK",
    "GEZİ",     "YAYIN",     "ROBOTİK", "AFET"};

std::vector<int> Shuffled(Rng& rng, int n) {
  std::vector<int> order(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) order[static_cast<std::size_t>(i)] = i;
  for (int i = n - 1; i > 0; --i)
    std::swap(order[static_cast<std::size_t>(i)], order[static_cast<std::size_t>(rng.Below(i + 1))]);
  return order;
}

}  // namespace

NamePool::NamePool(uint64_t seed)
    : rng_(seed),
      firstOrder_(Shuffled(rng_, static_cast<int>(kFirstNames.size()))),
      surnameOrder_(Shuffled(rng_, static_cast<int>(kSurnames.size()))) {}

// The k-th person takes first name k and surname k + k / 64 (both modulo 64), so the
// first 4096 whole names are all different.
std::string NamePool::NextPerson() {
  const int n = static_cast<int>(kFirstNames.size());
  const int k = dealt_++;
  std::string name(kFirstNames[static_cast<std::size_t>(firstOrder_[static_cast<std::size_t>(k % n)])]);
  name += ' ';
  name += kSurnames[static_cast<std::size_t>(surnameOrder_[static_cast<std::size_t>((k + k / n) % n)])];
  return name;
}

std::string NamePool::NextClub() {
  return std::string(kClubs[static_cast<std::size_t>(rng_.Below(static_cast<int>(kClubs.size())))]);
}

}  // namespace kalvodrin::samples

// `from-json` on any text. A refused document leaves the school exactly as it was; an
// accepted one converts back to JSON that is accepted again and gives the same bytes.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "core/school_json.h"
#include "fuzz_support.h"

using namespace kalvodrin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const School& sample = *fuzz::SmallSchools()[0];
  static const std::vector<Bytes> sampleImage = fuzz::SchoolImage(sample);
  auto school = std::make_unique<School>(sample);
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (!SchoolFromJsonText(text, *school)) {
    if (fuzz::SchoolImage(*school) != sampleImage)
      fuzz::Fail("from-json", "a refused document changed the school");
    return 0;
  }
  const std::vector<Bytes> image = fuzz::SchoolImage(*school);
  auto again = std::make_unique<School>();
  if (Status s = SchoolFromJsonText(SchoolJsonText(*school), *again); !s)
    fuzz::Fail("from-json", "the school's own JSON was refused: " + s.message());
  if (fuzz::SchoolImage(*again) != image)
    fuzz::Fail("from-json", "the school's own JSON gave other bytes");
  return 0;
}

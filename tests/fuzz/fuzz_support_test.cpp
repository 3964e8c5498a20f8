// The input format the seeds and the fuzz targets agree on: parts joined and split
// again come back the same, whatever they hold, and the choices past the input's end
// are all 0.

#include "fuzz_support.h"

#include <gtest/gtest.h>

namespace kalvodrin::fuzz {
namespace {

std::vector<Bytes> RoundTrip(const std::vector<Bytes>& parts) {
  const Bytes joined = JoinParts(parts);
  return SplitParts(joined.data(), joined.size());
}

TEST(FuzzInputTest, PartsSurviveJoiningAndSplitting) {
  const Bytes sep(kPartSeparator.begin(), kPartSeparator.end());
  // A separator short of its first or last byte is content.
  const Bytes head(sep.begin(), sep.end() - 1);
  const Bytes tail(sep.begin() + 1, sep.end());
  const std::vector<std::vector<Bytes>> cases = {
      {{1, 2, 3}}, {{}, {}, {}}, {{1}, {}, {2, 3}}, {tail, {9}}, {{0}, head}, {tail, head},
  };
  for (const auto& parts : cases) EXPECT_EQ(RoundTrip(parts), parts);
  // A separator at either end makes an empty first or last part.
  Bytes edged = sep;
  edged.push_back(7);
  edged.insert(edged.end(), sep.begin(), sep.end());
  EXPECT_EQ(SplitParts(edged.data(), edged.size()), (std::vector<Bytes>{{}, {7}, {}}));
  EXPECT_EQ(SplitParts(nullptr, 0), std::vector<Bytes>{{}});
}

TEST(FuzzInputTest, ChoicesStayInRangeAndAreZeroPastTheEnd) {
  const uint8_t data[] = {255, 7, 200};
  Choices in(data, sizeof data);
  EXPECT_EQ(in.Below(10), 5);  // 255 % 10
  EXPECT_EQ(in.Below(7), 0);
  EXPECT_EQ(in.Below(0), 0);  // nothing to choose from: reads nothing
  EXPECT_FALSE(in.empty());
  EXPECT_EQ(in.Byte(), 200);
  EXPECT_TRUE(in.empty());
  EXPECT_EQ(in.Byte(), 0);
  EXPECT_EQ(in.Below(3), 0);
  EXPECT_EQ(in.Text(10), "");
}

TEST(FuzzInputTest, ChangingAnyByteOrBitDrawsTheCostlierPathAgain) {
  // Inputs of one size that differ in one byte, or in one high bit of a byte: about a
  // quarter of them take the path of one in four, not all or none.
  const auto quarter = [](auto vary) {
    int taken = 0;
    for (int v = 0; v < 256; ++v) {
      std::vector<uint8_t> input(40, 'a');
      vary(input, v);
      taken += InputHash(input.data(), input.size()) % 4 == 0;
    }
    return taken;
  };
  const int byteChanged = quarter([](auto& in, int v) { in[7] = static_cast<uint8_t>(v); });
  const int highBits = quarter([](auto& in, int v) {
    for (int b = 0; b < 8; ++b) in[static_cast<std::size_t>(b)] ^= ((v >> b) & 1) << 7;
  });
  for (const int taken : {byteChanged, highBits}) {
    EXPECT_GT(taken, 40);
    EXPECT_LT(taken, 90);
  }
}

TEST(FuzzInputTest, RarestFeaturesOptionComesBeforeTheCommandLinesOwn) {
  char name[] = "x_fuzz", seed[] = "-seed=1", own[] = "-entropic_feature_frequency_threshold=9";
  char* argv[] = {name, seed, own, nullptr};
  const std::vector<char*> args = WithRarestFeaturesOnly(3, argv);
  ASSERT_EQ(args.size(), 5u);
  EXPECT_EQ(args[0], name);
  EXPECT_STREQ(args[1], "-entropic_feature_frequency_threshold=1");
  // libFuzzer takes the last of an option given twice: the command line's.
  EXPECT_EQ(args[2], seed);
  EXPECT_EQ(args[3], own);
  EXPECT_EQ(args[4], nullptr);
  char* nameOnly[] = {name, nullptr};
  EXPECT_EQ(WithRarestFeaturesOnly(1, nameOnly).size(), 3u);
}

}  // namespace
}  // namespace kalvodrin::fuzz

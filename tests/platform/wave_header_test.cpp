// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wave_header.h"

#include "support/wave_fixture.h"

#include <gtest/gtest.h>

namespace quorvia::platform {
namespace {

using testing::makeWave;
using testing::WaveLayout;

TEST(WaveHeader, ReadsTheFormatAndTheData)
{
    WaveLayout layout;
    layout.samples_per_second = 22050;
    layout.block_align = 4;
    layout.channels = 2;
    layout.bits_per_sample = 16;
    layout.data_bytes = 400;
    const std::optional<WaveHeader> header = readWaveHeader(makeWave(layout));
    ASSERT_TRUE(header);
    EXPECT_EQ(header->samples_per_second, 22050u);
    EXPECT_EQ(header->block_align, 4);
    EXPECT_EQ(header->channels, 2);
    EXPECT_EQ(header->bits_per_sample, 16);
    EXPECT_EQ(header->riff_size, 436u);
    EXPECT_EQ(header->data_offset, 44);
    EXPECT_EQ(header->data_size, 400);
}

TEST(WaveHeader, DataChunkLongerThanTheFileIsCutToTheFile)
{
    QByteArray wave = makeWave();
    wave.chop(3000);
    const std::optional<WaveHeader> header = readWaveHeader(wave);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->data_size, 5000);
}

struct LengthCase {
    const char* name;
    QByteArray bytes;
    std::optional<double> seconds;
};

QByteArray withRiffSize(qint64 size)
{
    WaveLayout layout;
    layout.riff_size = size;
    return makeWave(layout);
}

QByteArray withoutFormat()
{
    WaveLayout layout;
    layout.with_format = false;
    return makeWave(layout);
}

QByteArray withRate(std::uint32_t rate, std::uint16_t align)
{
    WaveLayout layout;
    layout.samples_per_second = rate;
    layout.block_align = align;
    return makeWave(layout);
}

void PrintTo(const LengthCase& c, std::ostream* os)
{
    *os << c.name;
}

class WaveLength : public ::testing::TestWithParam<LengthCase> {};

TEST_P(WaveLength, IsRiffSizeOverBytesPerSecondOrUnknown)
{
    const std::optional<double> seconds = waveLengthSeconds(GetParam().bytes);
    ASSERT_EQ(seconds.has_value(), GetParam().seconds.has_value());
    if (seconds) {
        EXPECT_DOUBLE_EQ(*seconds, *GetParam().seconds);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WaveLength,
    ::testing::Values(
        LengthCase{"OneSecond", testing::makeWaveOfSeconds(1.0), 1.0},
        LengthCase{"TwoByteBlocks", withRate(4000, 2), 8036.0 / 8000.0},
        LengthCase{"RiffSizeSlightlyOverTheFile", withRiffSize(12000), 1.5},
        LengthCase{"RiffSizeFarBeyondTheFile", withRiffSize(0xFFFFFFF0), std::nullopt},
        LengthCase{"NoFormatChunk", withoutFormat(), std::nullopt},
        LengthCase{"ZeroRate", withRate(0, 1), std::nullopt},
        LengthCase{"ZeroAlignment", withRate(8000, 0), std::nullopt},
        LengthCase{"NotRiff", QByteArray("RIFX\x10\0\0\0WAVEfmt ", 16), std::nullopt},
        LengthCase{"TextFile", QByteArray("this is no sound at all"), std::nullopt},
        LengthCase{"Empty", QByteArray(), std::nullopt},
        LengthCase{"FormatChunkCutShort", makeWave().left(30), std::nullopt}),
    [](const ::testing::TestParamInfo<LengthCase>& info) { return std::string(info.param.name); });

TEST(WaveHeader, HugeChunkSizesNeverReadPastTheEnd)
{
    // A chunk claiming 4 GiB before the format chunk: the walk stops at the
    // end of the bytes instead of wrapping around.
    QByteArray wave("RIFF\x40\0\0\0WAVEjunk\xFF\xFF\xFF\xFF", 20);
    wave.append(makeWave().mid(12));
    EXPECT_FALSE(readWaveHeader(wave));
}

}  // namespace
}  // namespace quorvia::platform

// The file loader against truncated, oversized, random and mutated input:
// it must refuse cleanly or open something that saves and reopens.

// std
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <vector>

// gtest
#include <gtest/gtest.h>

// project
#include "radio/main_doc.h"
#include "support/temp_config.h"

namespace {

using namespace radio;
using Bytes = std::vector<std::uint8_t>;

Bytes ValidFile()
{
    CMainDoc doc('.');
    doc.SetComment(1, "comment");
    auto bytes = doc.Bytes();
    return Bytes(bytes.begin(), bytes.end());
}

bool IsKnownRefusal(const std::string& text)
{
    static const std::set<std::string> fixed = {"Radio data file has invalid header", "Radio data file has invalid format"};
    return fixed.count(text) != 0 || text.rfind("Not a radio data file:\n", 0) == 0 ||
           text.rfind("Radio data file for different radio:\n", 0) == 0;
}

// Feeds one input; an opened document must save and reopen to the same bytes.
void Check(const Bytes& input)
{
    CMainDoc doc('.');
    if (!doc.LoadBytes(input.data(), input.size(), "input.rdf")) {
        ASSERT_TRUE(IsKnownRefusal(doc.ErrorText())) << doc.ErrorText();
        return;
    }
    auto saved = doc.Bytes();
    CMainDoc again('.');
    ASSERT_TRUE(again.LoadBytes(saved.data(), saved.size(), "saved.rdf")) << again.ErrorText();
    auto resaved = again.Bytes();
    ASSERT_TRUE(std::equal(saved.begin(), saved.end(), resaved.begin()));
}

void SetTotalSize(Bytes& bytes, std::uint32_t size)
{
    for (int i = 0; i < 4; ++i)
        bytes[rdf::kTotalSizeAt + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(size >> (8 * i));
}

TEST(LoaderRobustness, TruncatedAndOversized)
{
    const Bytes valid = ValidFile();
    std::mt19937 random(1);
    for (std::size_t length : {std::size_t{0}, std::size_t{1}, std::size_t{423}, std::size_t{424},
                               std::size_t{425}, std::size_t{63580}, std::size_t{63581} + 424})
        Check(Bytes(valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(length)));
    for (int i = 0; i < 300; ++i) {
        std::size_t length = random() % (valid.size() + 1);
        Check(Bytes(valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(length)));
    }
    for (std::uint32_t total : {64005u, 64008u, 64773u, 67205u, 67208u}) {
        Bytes longer = valid;
        SetTotalSize(longer, total);
        longer.resize(valid.size() + random() % 100000, 0xCC);
        Check(longer);
    }
}

TEST(LoaderRobustness, RandomAndMutated)
{
    const Bytes valid = ValidFile();
    std::mt19937 random(2);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < 500; ++i) {
        Bytes noise(random() % 70000);
        for (auto& b : noise)
            b = static_cast<std::uint8_t>(byte(random));
        // Half of them pass the header checks, so the body is exercised too.
        if (i % 2 == 0 && noise.size() >= kRdfHeaderSize) {
            std::copy_n(valid.begin(), 16, noise.begin());
            SetTotalSize(noise, 67205);
        }
        Check(noise);
    }
    for (int i = 0; i < 2000; ++i) {
        Bytes mutated = valid;
        int flips = 1 + static_cast<int>(random() % 64);
        for (int f = 0; f < flips; ++f)
            mutated[random() % (i % 4 == 0 ? kRdfHeaderSize : mutated.size())] = static_cast<std::uint8_t>(byte(random));
        Check(mutated);
    }
}

TEST(LoaderRobustness, FilesReadOnlyWhatIsNeeded)
{
    test_support::TempDir dir;
    const std::string path = dir.path() + "/big.rdf";
    Bytes big = ValidFile();
    SetTotalSize(big, 67208);
    big.resize(4 * 1024 * 1024, 0xAB);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(big.data()),
                                                static_cast<std::streamsize>(big.size()));
    CMainDoc doc('.');
    EXPECT_TRUE(doc.Load(path)) << doc.ErrorText();
    for (const char* device : {"/dev/zero", "/dev/null"}) {
        CMainDoc other('.');
        EXPECT_FALSE(other.Load(device));
    }
}

} // namespace

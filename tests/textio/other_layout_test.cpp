#include "textio/other_layout.h"

// gtest
#include <gtest/gtest.h>

// project
#include "radio/main_doc.h"

namespace {

using textio::OtherRow;

// A row of the other layout from its 17 cells in heading order.
OtherRow Other(std::initializer_list<const char*> cells)
{
    OtherRow row;
    std::size_t k = 0;
    for (const char* cell : cells)
        row[k++] = cell;
    return row;
}

// Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment
OtherRow Base()
{
    return Other({"1", "RPT", "146.940000", "-", "0.600000", "", "88.5", "88.5", "023", "NN", "023", "Tone->Tone", "FM",
                  "5.00", "", "50W", ""});
}

class OtherLayout : public ::testing::Test {
protected:
    OtherLayout() : doc('.')
    {
        doc.OnNewDocument();
        std::fill_n(doc.Image().begin() + 1224, 16, std::uint8_t{0});
    }
    // Places a converted row into channel 0 and returns its record.
    const std::uint8_t* Place(const OtherRow& row)
    {
        const textio::ConvertedRow converted = textio::FromOtherRow(row);
        textio::RowImporter importer(doc);
        EXPECT_TRUE(importer.PlaceRow(converted.fields, 0, true, converted.extras));
        return doc.Image().data() + 1224;
    }

    radio::CMainDoc doc{'.'};
};

TEST(OtherLayoutHeading, IsRecognisedWithOrWithoutMoreColumns)
{
    const std::string heading = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                                "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment";
    EXPECT_TRUE(textio::IsOtherHeading(heading));
    EXPECT_TRUE(textio::IsOtherHeading(heading + ",URCALL,RPT1CALL"));
    EXPECT_EQ(textio::OtherHeadingLine(), heading + "\n");
}

// Cells go by their heading's name: order, case and blanks do not matter,
// unknown headings are passed over, a missing column reads as empty.
TEST(OtherLayoutHeading, RowsAreReadByTheHeadingsNames)
{
    const std::vector<std::string> heading{"URCALL", " frequency", "NAME", "power", "Skip", "Mystery"};
    const OtherRow row = textio::OtherRowByHeading(heading, {"CQCQCQ", "146.520000", "Call", "5W", "S", "x"});
    EXPECT_EQ(row[2], "146.520000");
    EXPECT_EQ(row[1], "Call");
    EXPECT_EQ(row[15], "5W");
    EXPECT_EQ(row[14], "S");
    EXPECT_EQ(row[0], "");
    EXPECT_EQ(row[11], "");
    EXPECT_EQ(textio::OtherColumnOf("RxDtcsCode"), 10);
    EXPECT_EQ(textio::OtherColumnOf("DVCODE"), -1);
}

TEST_F(OtherLayout, DuplexAndOffset)
{
    OtherRow row = Base();
    const std::uint8_t* rec = Place(row);
    EXPECT_EQ(rec[0] & 0x07, 2);
    EXPECT_EQ(rec[12], 12); // 600 kHz
    EXPECT_EQ(rec[5], 0x01);
    EXPECT_EQ(rec[6], 0x46);
    EXPECT_EQ(rec[7], 0x34); // 146.34 MHz

    row[3] = "+";
    row[4] = "5.000000";
    row[2] = "442.500000";
    rec = Place(row);
    EXPECT_EQ(rec[0] & 0x07, 3);
    EXPECT_EQ(rec[12], 100);

    row = Base();
    row[3] = "split";
    row[4] = "147.120000";
    row[2] = "146.520000";
    rec = Place(row);
    EXPECT_EQ(rec[0] & 0x07, 4);
    EXPECT_EQ(rec[5], 0x01);
    EXPECT_EQ(rec[6], 0x47);
    EXPECT_EQ(rec[7], 0x12);

    for (const char* simplex : {"", "off"}) {
        row = Base();
        row[3] = simplex;
        rec = Place(row);
        EXPECT_EQ(rec[0] & 0x07, 0) << simplex;
        EXPECT_EQ(rec[7], 0x94) << simplex; // transmits on 146.94
    }
}

TEST_F(OtherLayout, ToneModesAndTheirTones)
{
    struct Case {
        const char* tone;
        const char* cross;
        int mode;
        int ctcss; // index
        int dcs;   // index
    };
    // rToneFreq 88.5 (index 8), cToneFreq 100.0 (12), DtcsCode 023 (0), RxDtcsCode 754 (103).
    const Case cases[] = {
        {"", "Tone->Tone", 0, 8, 0},          {"Tone", "Tone->Tone", 1, 8, 0},
        {"TSQL", "Tone->Tone", 2, 12, 0},     {"DTCS", "Tone->Tone", 4, 8, 0},
        {"Cross", "Tone->DTCS", 6, 8, 103},   {"Cross", "DTCS->Tone", 7, 12, 0},
        {"Cross", "DTCS->", 5, 8, 0},         {"Cross", "Tone->Tone", 2, 8, 0},
        {"Cross", "->Tone", 2, 12, 0},        {"Cross", "Tone->", 1, 8, 0},
        {"Cross", "DTCS->DTCS", 4, 8, 0},     {"Cross", "->DTCS", 4, 8, 103},
        {"Cross", "Tone->Nowhere", 0, 8, 0},  {"DTCS-X", "Tone->Tone", 0, 8, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.tone) + " " + c.cross);
        OtherRow row = Base();
        row[5] = c.tone;
        row[7] = "100.0";
        row[10] = "754";
        row[11] = c.cross;
        const std::uint8_t* rec = Place(row);
        EXPECT_EQ(rec[4] & 0x0F, c.mode);
        EXPECT_EQ(rec[8] & 0x3F, c.ctcss);
        EXPECT_EQ(rec[9], c.dcs);
    }
}

TEST_F(OtherLayout, ModeStepPowerSkip)
{
    OtherRow row = Base();
    row[12] = "NFM";
    row[13] = "12.50";
    row[15] = "20W";
    row[14] = "S";
    const std::uint8_t* rec = Place(row);
    EXPECT_EQ(rec[0] & 0x30, 0x20); // FM, narrow
    EXPECT_EQ(rec[4] & 0x70, 0x20); // 12.5 kHz
    EXPECT_EQ(rec[8] & 0xC0, 0x40); // Mid1
    for (int hyper = 0; hyper < 5; ++hyper)
        EXPECT_EQ(doc.Image()[30280 + 256 * hyper] & 0xC0, 0x40) << hyper; // memory 1 skipped

    row[12] = "AM";
    row[13] = "100.00";
    row[14] = "P";
    rec = Place(row);
    EXPECT_EQ(rec[0] & 0x30, 0x10);
    EXPECT_EQ(rec[4] & 0x70, 0x70);
    EXPECT_EQ(doc.Image()[30280] & 0xC0, 0x80);

    const std::pair<const char*, int> power[] = {{"50W", 0}, {"35", 0},  {"34.9W", 1}, {"15.0W", 1}, {"14W", 2},
                                                 {"7.5W", 2}, {"5W", 3}, {"0.5W", 3},  {"Low", 3},   {"", 0}};
    for (const auto& [text, level] : power) {
        row[15] = text;
        EXPECT_EQ(Place(row)[8] >> 6, level) << text;
    }
}

TEST(OtherLayoutRows, WizardSlotsStandForTheirPartners)
{
    textio::RowFields slots;
    slots[0] = "3";
    slots[1] = "146.520000";
    slots[4] = "split";
    slots[3] = "147.120000";
    slots[8] = "TSQL";
    slots[9] = "123.0";
    slots[10] = "065";
    const OtherRow row = textio::OtherRowFromSlots(slots);
    EXPECT_EQ(row[0], "3");
    EXPECT_EQ(row[2], "146.520000");
    EXPECT_EQ(row[3], "split");
    EXPECT_EQ(row[4], "147.120000");
    EXPECT_EQ(row[5], "TSQL");
    EXPECT_EQ(row[6], "123.0");
    EXPECT_EQ(row[7], "123.0");
    EXPECT_EQ(row[8], "065");
    EXPECT_EQ(row[10], "065");
    EXPECT_EQ(row[11], "");
    EXPECT_EQ(row[14], "");
}

TEST(OtherLayoutRows, OurRowWrittenInTheOtherLayout)
{
    textio::RowFields ours;
    const char* cells[36] = {"12", "146,52000", "147,12000", "600 kHz", "Split", "FM", "SIMPLX", "Show Name", "D-Dec",
                             "88,5", "754", "12.5 kHz", "Off", "Mid2", "On"};
    for (int k = 0; k < 15; ++k)
        ours[static_cast<std::size_t>(k)] = cells[k];
    ours[35] = "say \"hi\", then go";
    const OtherRow row = textio::ToOtherRow(ours, 1);
    EXPECT_EQ(textio::OtherLine(row),
              "12,SIMPLX,146.520000,split,147.120000,Cross,88.5,88.5,754,NN,754,DTCS->Tone,NFM,12.50,S,10W,"
              "\"say \"\"hi\"\", then go\"\n");

    ours[4] = "Minus";
    ours[5] = "AM";
    ours[8] = "Rev TN";
    ours[13] = "Low";
    const OtherRow second = textio::ToOtherRow(ours, 2);
    EXPECT_EQ(second[3], "-");
    EXPECT_EQ(second[4], "0.600000");
    EXPECT_EQ(second[5], ""); // Rev TN has no place there
    EXPECT_EQ(second[11], "Tone->Tone");
    EXPECT_EQ(second[12], "AM");
    EXPECT_EQ(second[14], "P");
    EXPECT_EQ(second[15], "5W");
}

} // namespace

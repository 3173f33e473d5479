// Table files written by other programs (the folder of samples that QUILLBY_SAMPLES_DIR names).
#include "data/CdsWriter.h"
#include "data/TableFile.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace quillby {
namespace {

const std::filesystem::path kSamples = std::filesystem::path(QUILLBY_SAMPLES_DIR) / "cds";

std::vector<std::string> column(const Table& t, std::string_view field) {
    std::vector<std::string> values;
    const std::size_t f = t.fieldIndex(field);
    for (RowIndex r = 0; r < t.rowCount(); ++r) {
        values.emplace_back(t.text(r, f));
    }
    return values;
}

TEST(SampleFiles, EveryBinaryFileGivesTheSameTableAsItsXmlTwin) {
    int twins = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kSamples)) {
        if (entry.path().extension() != ".cds") {
            continue;
        }
        SCOPED_TRACE(entry.path().filename().string());
        const Table binary = readTableFile(entry.path());
        auto xmlPath = entry.path();
        xmlPath.replace_extension(".xml");
        if (!std::filesystem::exists(xmlPath)) {
            continue;
        }
        ++twins;
        const Table xml = readTableFile(xmlPath);
        ASSERT_EQ(binary.fieldCount(), xml.fieldCount());
        for (std::size_t f = 0; f < binary.fieldCount(); ++f) {
            EXPECT_EQ(binary.fields()[f], xml.fields()[f]);
        }
        ASSERT_EQ(binary.rowCount(), xml.rowCount());
        for (RowIndex r = 0; r < binary.rowCount(); ++r) {
            for (std::size_t f = 0; f < binary.fieldCount(); ++f) {
                ASSERT_EQ(binary.value(r, f), xml.value(r, f)) << "row " << r << ", field " << f;
            }
        }
    }
    EXPECT_EQ(twins, 2);
}

TEST(SampleFiles, ReadsTheValuesOfEveryCommonType) {
    const Table customer = readTableFile(kSamples / "customer.cds");
    EXPECT_EQ(customer.rowCount(), 55u);
    EXPECT_EQ(customer.text(0, customer.fieldIndex("LastInvoiceDate")), "1995-02-02 01:05:03");
    EXPECT_EQ(customer.text(0, customer.fieldIndex("TaxRate")), "8.5");
    EXPECT_FALSE(customer.value(1, customer.fieldIndex("Addr2")));

    const Table reservat = readTableFile(kSamples / "reservat.cds");
    EXPECT_EQ(column(reservat, "Card_Exp")[0], "1996-11-30");
    EXPECT_EQ(column(reservat, "Paid")[0], "True");
    EXPECT_EQ(reservat.fields()[reservat.fieldIndex("Pay_Notes")].type, FieldType::Memo);

    const Table country = readTableFile(kSamples / "country.cds");
    EXPECT_EQ(column(country, "Area")[0], "2777815");
}

// A table edited with its change log on holds 206 row versions; the program that saved it
// showed 8 products.
TEST(SampleFiles, ShowsTheRowsOfAChangeLoggedTableAsTheirProgramShowedThem) {
    const Table products = readTableFile(kSamples / "Products.cds");
    EXPECT_EQ(column(products, "Code"),
              (std::vector<std::string>{"10", "11", "12", "13", "14", "15", "16", "17"}));
    EXPECT_EQ(column(products, "ProductName")[0], "DiegoE");
}

// A string field as we write it is described exactly as the platform described its own
// ftString(20) field ProductName.
TEST(SampleFiles, WritesStringFieldsAsThePlatformDoes) {
    const std::string platform = test::readFile(kSamples / "Products_dfm_packet.cds");
    Table t({{"ProductName", 20}});
    const std::string ours = encodeCdsPacket(t);
    const std::string descriptor = ours.substr(24, ours.size() - 24 - 2);
    EXPECT_NE(platform.find(descriptor), std::string::npos);
    EXPECT_EQ(readTableFile(kSamples / "Products_dfm_packet.cds").rowCount(), 0u);
}

} // namespace
} // namespace quillby

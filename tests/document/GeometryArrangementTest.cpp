#include "processing/GeometryArrangement.h"
#include "record/CKVTDoc.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kvt {
namespace {

std::vector<ReceiverPoint> Receivers(std::initializer_list<std::pair<float, float>> positionAndCdp) {
    std::vector<ReceiverPoint> receivers;
    int32_t channel = 1;
    for (const auto& [position, cdp] : positionAndCdp) {
        receivers.push_back({channel++, position, cdp});
    }
    return receivers;
}

TEST(ReceiverProgression, TheFirstTwoRowsFixStartAndStep) {
    auto receivers = Receivers({{5, 1}, {7, 1}, {0, 0}, {0, 0}, {99, 99}});
    ContinueReceiverProgression(receivers);
    const float positions[] = {5, 7, 9, 11, 13};
    for (size_t i = 0; i < receivers.size(); ++i) {
        EXPECT_EQ(receivers[i].fPosition, positions[i]) << i;
        EXPECT_EQ(receivers[i].fCdp, 1.0f) << i;
        EXPECT_EQ(receivers[i].nChannel, static_cast<int32_t>(i) + 1);
    }

    receivers = Receivers({{0, 10}, {2, 9.5f}, {0, 0}, {0, 0}});
    ContinueReceiverProgression(receivers);
    EXPECT_EQ(receivers[2].fPosition, 4.0f);
    EXPECT_EQ(receivers[3].fPosition, 6.0f);
    EXPECT_EQ(receivers[2].fCdp, 9.0f);
    EXPECT_EQ(receivers[3].fCdp, 8.5f) << "a falling step";

    // A step that is not exact in binary: start plus i steps, rounded once.
    receivers = Receivers(
        {{0.1f, 0}, {0.35f, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}});
    ContinueReceiverProgression(receivers);
    EXPECT_FLOAT_EQ(receivers[10].fPosition, 2.6f);
}

TEST(ReceiverProgression, TablesOfFewerThanThreeStayAsTheyAre) {
    for (auto receivers : {Receivers({}), Receivers({{3, 4}}), Receivers({{3, 4}, {8, 1}})}) {
        const auto before = receivers;
        ContinueReceiverProgression(receivers);
        EXPECT_EQ(receivers, before);
    }
}

TEST(GeometryTexts, ShowChannelsWholeAndEverythingElseWithTwoDecimals) {
    CKVTDoc doc;
    doc.m_record.m_receivers = Receivers({{5, 1}, {7.125f, -2.5f}});
    doc.m_record.m_shot = {3.0f, -1.005f, 1234.5f};
    const GeometryTexts texts = doc.GeometryAsTexts();
    ASSERT_EQ(texts.rows.size(), 2u);
    EXPECT_EQ(texts.rows[0], (GeometryTexts::Row{"1", "5.00", "1.00"}));
    EXPECT_EQ(texts.rows[1], (GeometryTexts::Row{"2", "7.12", "-2.50"}));
    EXPECT_EQ(texts.shotNumber, "3.00");
    EXPECT_EQ(texts.shotX, "-1.00");
    EXPECT_EQ(texts.shotY, "1234.50");
}

TEST(GeometryTexts, StoringReadsLeadingNumbersAndNeverTheChannel) {
    CKVTDoc doc;
    doc.m_record.m_receivers = Receivers({{5, 1}, {7, 1}});
    GeometryTexts texts = doc.GeometryAsTexts();
    texts.rows[0] = {"99", "abc", " 12.5m"};
    texts.rows[1].position = "-3e1";
    texts.rows.push_back({"3", "100", "100"}); // no receiver to take it
    texts.shotNumber = "7";
    texts.shotX = "";
    texts.shotY = "1e39";
    doc.StoreGeometry(texts);
    ASSERT_EQ(doc.m_record.m_receivers.size(), 2u);
    EXPECT_EQ(doc.m_record.m_receivers[0], (ReceiverPoint{1, 0.0f, 12.5f}));
    EXPECT_EQ(doc.m_record.m_receivers[1], (ReceiverPoint{2, -30.0f, 1.0f}));
    EXPECT_EQ(doc.m_record.m_shot.fNumber, 7.0f);
    EXPECT_EQ(doc.m_record.m_shot.fX, 0.0f);
    EXPECT_TRUE(std::isinf(doc.m_record.m_shot.fY));
    EXPECT_FALSE(doc.m_bDataChanged) << "the dialog's OK handler marks the record changed, not the store";
}

TEST(GeometryTexts, AutoFillStoresWhatIsTypedThenContinuesTheTable) {
    CKVTDoc doc;
    doc.m_record.m_receivers = Receivers({{0, 0}, {0, 0}, {0, 0}, {0, 0}});
    GeometryTexts texts = doc.GeometryAsTexts();
    texts.rows[0] = {"1", "0", "1"};
    texts.rows[1] = {"2", "2", "1"};
    texts.shotX = "-5";
    doc.AutoFillGeometry(texts);
    const GeometryTexts shown = doc.GeometryAsTexts();
    EXPECT_EQ(shown.rows[2], (GeometryTexts::Row{"3", "4.00", "1.00"}));
    EXPECT_EQ(shown.rows[3], (GeometryTexts::Row{"4", "6.00", "1.00"}));
    EXPECT_EQ(shown.shotX, "-5.00");
    EXPECT_FALSE(doc.m_bDataChanged);

    doc.m_record.m_receivers.clear();
    texts = doc.GeometryAsTexts();
    texts.shotNumber = "12";
    doc.AutoFillGeometry(texts);
    EXPECT_TRUE(doc.m_record.m_receivers.empty());
    EXPECT_EQ(doc.m_record.m_shot.fNumber, 12.0f);
}

} // namespace
} // namespace kvt

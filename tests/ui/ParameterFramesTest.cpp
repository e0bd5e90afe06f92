// The three parameter frames: rows filled in list order, the height they ask for, and the
// edits handing typed numbers back through the parameter's unit.
#include "ConcreteCollections.h"
#include "Errors.h"
#include "FrameDecisionVariables.h"
#include "FrameFieldParameters.h"
#include "FrameResults.h"
#include "uParameter.h"
#include "uUnit.h"

#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct FrameFixture : ::testing::Test {
    // n parameters "P1".."Pn" with the values 1..n in a unit of the given factor.
    TAssociationList &List(int n, double factor = 1.0)
    {
        unit.SetName("Meters");
        unit.SetKind(ukMeters);
        unit.SetFactor(factor);
        unit.SetInverseFactor(1.0 / factor);
        for (int i = 1; i <= n; ++i) {
            auto p = std::make_unique<TParameter>(i, &unit);
            p->SetName("P" + std::to_string(i));
            p->SetDescription("Parameter " + std::to_string(i));
            list.Add(p.get());
            owned.push_back(std::move(p));
        }
        return list;
    }
    TUnit unit;
    TAssociationList list;
    std::vector<std::unique_ptr<TParameter>> owned;
};

int ShownEdits(const TInputFrame &frame)
{
    int shown = 0;
    for (int r = 1; r <= frame.EditCount(); ++r)
        shown += frame.Edit(r)->isHidden() ? 0 : 1;
    return shown;
}

}  // namespace

TEST_F(FrameFixture, HeightCountsEveryParameterAndRowsStopAtTheLastRow)
{
    struct Case {
        int parameters;
        int decisionHeight, fieldHeight, resultsHeight;
        int decisionRows, fieldRows;
    };
    // The field frame has a row for each of the furrow's fifteen field parameters.
    const Case cases[] = {{0, 42, 62, 40, 0, 0}, {5, 142, 162, 160, 5, 5}, {6, 162, 182, 184, 5, 6},
                          {15, 342, 362, 400, 5, 15}, {20, 442, 462, 520, 5, 15}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.parameters);
        while (list.Count() > 0)
            list.Delete(list.Count());
        owned.clear();
        List(c.parameters);
        TfraDecisionVariables decisions;
        TfraFieldParameters fields;
        TfraResults results;
        decisions.Display(&list);
        fields.Display("Title", &list);
        results.Display(&list);
        EXPECT_EQ(decisions.FHeight, c.decisionHeight);
        EXPECT_EQ(fields.FHeight, c.fieldHeight);
        EXPECT_EQ(results.FHeight, c.resultsHeight);
        EXPECT_EQ(ShownEdits(decisions), c.decisionRows);
        EXPECT_EQ(ShownEdits(fields), c.fieldRows);
        EXPECT_FALSE(fields.TitleLabel->isHidden());
        for (int r = 1; r <= c.fieldRows; ++r)
            EXPECT_EQ(fields.EditRow(fields.Edit(r)), r);
    }
}

TEST_F(FrameFixture, RowsShowCaptionValueAndUnitInTheirColumns)
{
    List(15);
    TfraFieldParameters fields;
    fields.Display("", &list);
    EXPECT_EQ(fields.TitleLabel->text(), "");
    EXPECT_FALSE(fields.TitleLabel->isHidden());
    // Row 15 is the furrow's "TrialSlope" row: it is shown and editable like the others.
    EXPECT_EQ(fields.Edit(15)->text(), "15");
    EXPECT_EQ(fields.Edit(15)->pos(), QPoint(152, 32 + 20 * 14));
    EXPECT_EQ(fields.Edit(13)->pos(), QPoint(151, 272));
    EXPECT_EQ(fields.findChild<QLabel *>("Label30")->text(), "Parameter 15");
    EXPECT_EQ(fields.findChild<QLabel *>("Label31")->text(), " m");

    TfraResults results;
    results.Display(&list);
    EXPECT_EQ(results.CaptionLabel(2)->text(), "Parameter 2");
    EXPECT_EQ(results.ValueLabel(2)->text().left(2), "= ");
    EXPECT_EQ(results.ValueLabel(2)->pos(), QPoint(160, 40));
    EXPECT_EQ(results.UnitLabel(2)->text(), " m");
    EXPECT_TRUE(results.CaptionLabel(16)->isHidden());
}

TEST_F(FrameFixture, GetValuesStoresThroughTheUnitAndStopsAtACommaNumber)
{
    List(3, 0.1);
    TfraDecisionVariables frame;
    frame.Display(&list);
    frame.Edit(1)->setText("12.5");
    frame.Edit(2)->setText("2,5");
    frame.Edit(3)->setText("7");
    EXPECT_THROW(frame.GetValues(&list), EConvertError);
    auto value = [this](int i) { return static_cast<TParameter *>(list.GetItem(i))->GetValue(); };
    EXPECT_DOUBLE_EQ(value(1), 125);
    EXPECT_DOUBLE_EQ(value(2), 20);  // unchanged: 2 shown x 10
    EXPECT_DOUBLE_EQ(value(3), 30);
}

TEST_F(FrameFixture, ClearUnlocksTheEditsAndHidesEveryRow)
{
    List(4);
    TfraFieldParameters frame;
    frame.Display("T", &list);
    frame.DisableEdits();
    EXPECT_FALSE(frame.Edit(1)->isEnabled());
    frame.Display("T", &list);
    EXPECT_TRUE(frame.Edit(1)->isEnabled());
    frame.Clear();
    EXPECT_EQ(ShownEdits(frame), 0);
    EXPECT_EQ(frame.FHeight, 62);
    EXPECT_TRUE(frame.TitleLabel->isHidden());
    EXPECT_EQ(frame.Edit(1)->text(), "");
}

// Typing into the inputs and leaving them: the key filter, Enter, the range and family
// warnings, and values that are taken back.
#include "UiDriver.h"

#include "FrameDecisionVariables.h"
#include "FrameFieldParameters.h"
#include "TStatusBar.h"
#include "uIrrigationDataSet.h"

#include <QApplication>
#include <QGroupBox>
#include <QTest>

namespace {

std::vector<std::string> Lines(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
        lines.push_back(text.substr(start, at - start));
    lines.push_back(text.substr(start));
    return lines;
}

}  // namespace

TEST_F(UiFixture, AnEditTakesDigitsPointAndCommaOnly)
{
    TfrmDesignWindow &w = Open(imBasin);
    ClickMenu(w, {"mniCalculation", "mniN2Dimensions"});
    QLineEdit *edit = w.fraDecisionVariables1->Edit(1);
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, "a-1 e2.5,x");
    EXPECT_EQ(edit->text(), "12.5,");
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "12.5");
}

// One character at a time, as the keyboard sends it: the key with its text.
TEST_F(UiFixture, TheKeyFilterPassesOnlyTheAsciiDigitsAndTheSeparators)
{
    struct Case {
        char16_t character;
        bool passes;
    };
    const Case cases[] = {
        {u'0', true},      {u'5', true},       {u'9', true},      {u'.', true},  {u',', true},
        {u'a', false},     {u'E', false},      {u'-', false},     {u'+', false}, {u' ', false},
        {u'\u0663', false},  // Arabic-Indic digit three
        {u'\uFF15', false},  // full-width digit five
        {u'\u00B2', false},  // superscript two
        {u'\u0966', false},  // Devanagari digit zero
    };
    TfrmDesignWindow &w = Open(imBasin);
    ClickMenu(w, {"mniCalculation", "mniN2Dimensions"});
    QLineEdit *edit = w.fraDecisionVariables1->Edit(1);
    for (const Case &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.character));
        QTest::mouseClick(edit, Qt::LeftButton);
        edit->clear();
        const QString text(QChar(c.character));
        QKeyEvent press(QEvent::KeyPress, QChar(c.character).toUpper().unicode(), Qt::NoModifier, text);
        QKeyEvent release(QEvent::KeyRelease, QChar(c.character).toUpper().unicode(), Qt::NoModifier, text);
        QApplication::sendEvent(edit, &press);
        QApplication::sendEvent(edit, &release);
        EXPECT_EQ(edit->text(), c.passes ? text : QString());
    }
}

TEST_F(UiFixture, EnterMovesTheFocusAndNeverReachesTheEdit)
{
    TfrmDesignWindow &w = Open(imBorder);
    ClickMenu(w, {"mniCalculation", "mniN4Mindepth"});
    QLineEdit *first = w.fraDecisionVariables1->Edit(1);
    QLineEdit *second = w.fraDecisionVariables1->Edit(2);
    QTest::mouseClick(first, Qt::LeftButton);
    bool returned = false;
    QObject::connect(first, &QLineEdit::returnPressed, [&] { returned = true; });
    QTest::keyClick(first, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), second);
    EXPECT_FALSE(returned);
    QTest::keyClick(second, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), first);
}

TEST_F(UiFixture, AnOutOfRangeValueIsReportedAndTakenBack)
{
    TfrmDesignWindow &w = Open(imBasin);
    ClickMenu(w, {"mniCalculation", "mniN1Flowrate"});
    QLineEdit *length = w.fraDecisionVariables1->Edit(1);
    TypeInto(*length, "900");
    QTest::keyClick(length, Qt::Key_Tab);
    ASSERT_EQ(errors.Showings().size(), 1u);
    EXPECT_EQ(errors.Showings()[0].kind, ekWarning);
    EXPECT_EQ(Lines(errors.Showings()[0].text),
              (std::vector<std::string>{"The Basin length, input is out of bounds", "value\t\t : 900",
                                        "should be between\t : 5", "and\t\t : 800"}));
    EXPECT_EQ(length->text(), "40.00");
    EXPECT_EQ(QApplication::focusWidget(), length);
    EXPECT_EQ(Parameter("BasinLength").GetValue(), 40);
    EXPECT_TRUE(w.Editing());
}

TEST_F(UiFixture, LeavingAnUnchangedEditWhileAnotherIsOutOfRangeWarnsAndMovesOn)
{
    TfrmDesignWindow &w = Open(imBasin);
    ClickMenu(w, {"mniCalculation", "mniN1Flowrate"});
    w.fraDecisionVariables1->Edit(2)->setText("900");  // the width, as a table pick might leave it
    QLineEdit *length = w.fraDecisionVariables1->Edit(1);
    QTest::mouseClick(length, Qt::LeftButton);
    QTest::keyClick(length, Qt::Key_Tab);
    ASSERT_EQ(errors.Showings().size(), 1u);
    EXPECT_EQ(Lines(errors.Showings()[0].text)[0], "The Basin width, input is out of bounds");
    EXPECT_EQ(QApplication::focusWidget(), w.fraDecisionVariables1->Edit(2));
    EXPECT_EQ(length->text(), "40.00");
    // The rejected number never stays in its parameter, though no edit's text came back.
    EXPECT_EQ(Parameter("BasinWidth").GetValue(), 50);
}

TEST_F(UiFixture, AnIntakeFamilyNumberIsCheckedAgainstTheModulesFamilies)
{
    struct Case {
        TIrrigationModule module;
        const char *typed;
        int listed;  // numbers the warning lists, 0 when the number is valid
    };
    const Case cases[] = {{imBasin, "0.2", 8}, {imBasin, "1.5", 0}, {imBorder, "0.2", 0}, {imBorder, "3.0", 17},
                          {imFurrow, "0.45", 0}, {imFurrow, "0.55", 17}};
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.module) + " " + c.typed);
        const std::size_t before = errors.Showings().size();
        TfrmDesignWindow &w = Open(c.module);
        ClickMenu(w, {"mniCalculation", "mniN4Mindepth"});
        const int row = c.module == imFurrow ? 7 : 1;
        QLineEdit *scs = w.fraFieldParameters1->Edit(row);
        const std::string former = scs->text().toStdString();
        TypeInto(*scs, c.typed);
        QTest::keyClick(scs, Qt::Key_Tab);
        if (c.listed == 0) {
            EXPECT_EQ(errors.Showings().size(), before);
            EXPECT_EQ(Parameter("SCS #").GetDisplayValue(), std::stod(c.typed));
            continue;
        }
        ASSERT_EQ(errors.Showings().size(), before + 1);
        const std::vector<std::string> lines = Lines(errors.Showings().back().text);
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(lines[0], "The SCS #, input is out of bounds.");
        EXPECT_EQ(lines[1], "The only acceptable values are : ");
        EXPECT_EQ(std::count(lines[2].begin(), lines[2].end(), ',') + 1, c.listed);
        EXPECT_EQ(scs->text().toStdString(), former);
    }
}

TEST_F(UiFixture, ACommaNumberIsAConversionErrorAndIsUndone)
{
    TfrmDesignWindow &w = Open(imFurrow);
    ClickMenu(w, {"mniCalculation", "mniN2Dimensions"});
    QLineEdit *flow = w.fraDecisionVariables1->Edit(1);
    const QString former = flow->text();
    TypeInto(*flow, "2,5");
    QTest::keyClick(flow, Qt::Key_Tab);
    ASSERT_EQ(dialogs.Texts().size(), 1u);
    EXPECT_EQ(dialogs.Texts()[0], "EConvertError\n\r'2,5' is not a valid floating point value");
    EXPECT_EQ(flow->text(), former);
    EXPECT_EQ(QApplication::focusWidget(), flow);
}

TEST_F(UiFixture, TheFurrowChecksItsFieldsAfterAFailingDecisionVariable)
{
    TfrmDesignWindow &w = Open(imFurrow);
    ClickMenu(w, {"mniCalculation", "mniN3Cutofftime"});
    w.fraFieldParameters1->Edit(1)->setText("1000");  // required depth beyond 250
    QLineEdit *flow = w.fraDecisionVariables1->Edit(1);
    TypeInto(*flow, "99");
    QTest::keyClick(flow, Qt::Key_Tab);
    ASSERT_EQ(errors.Showings().size(), 2u);
    EXPECT_EQ(Lines(errors.Showings()[0].text)[0], "The Flow rate, input is out of bounds");
    EXPECT_EQ(Lines(errors.Showings()[1].text)[0], "The Required depth, input is out of bounds");
}

TEST_F(UiFixture, EnteringAnEditSaysWhetherF1HasATableForIt)
{
    struct Case {
        TIrrigationModule module;
        const char *infiltration;  // item under the window's infiltration menu, nullptr: families
        int row;
        const char *status;
    };
    const Case cases[] = {{imBasin, nullptr, 1, "F1 Help   F2 Calculate"},
                          {imBasin, nullptr, 3, "F2 Calculate"},
                          {imBasin, "mniKostiakovequation", 3, "F1 Help   F2 Calculate"},
                          {imBorder, "mniKostiakovequation", 1, "F2 Calculate"},
                          {imBorder, "mniKostiakovequation", 4, "F1 Help   F2 Calculate"},
                          {imFurrow, nullptr, 7, "F1 Help   F2 Calculate"},
                          {imFurrow, nullptr, 6, "F2 Calculate"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.module) + " row " + std::to_string(c.row));
        TfrmDesignWindow &w = Open(c.module);
        if (c.infiltration)
            ClickMenu(w, {"mniInfiltration", c.infiltration});
        ClickMenu(w, {"mniCalculation", "mniN4Mindepth"});
        w.grbExtraInformation->show();
        QTest::mouseClick(w.fraFieldParameters1->Edit(c.row), Qt::LeftButton);
        EXPECT_EQ(Status(0), c.status);
        EXPECT_TRUE(w.grbExtraInformation->isHidden());
        QTest::mouseClick(w.fraDecisionVariables1->Edit(1), Qt::LeftButton);
        EXPECT_EQ(Status(0), "F2 Calculate");
    }
}

TEST_F(UiFixture, AnEditTypedIntoAgainAfterACalculationIsValidatedAgain)
{
    // The edit the user left for F2 is entered anew on the next screen.
    TfrmDesignWindow &w = Open(imBorder);
    ClickMenu(w, {"mniCalculation", "mniN3Cutofftime"});
    QLineEdit *flow = w.fraDecisionVariables1->Edit(1);
    TypeInto(*flow, "30");
    PressKey(w, Qt::Key_F2);
    ASSERT_FALSE(w.grbResults->isHidden());
    PressKey(w, Qt::Key_Escape);
    TypeInto(*flow, "999");
    QTest::keyClick(flow, Qt::Key_Tab);
    ASSERT_EQ(errors.Showings().size(), 1u);
    EXPECT_EQ(Lines(errors.Showings()[0].text)[0], "The Flow rate, input is out of bounds");
    EXPECT_EQ(flow->text(), "30.00");
}

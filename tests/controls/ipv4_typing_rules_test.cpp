// The IPv4 typing rules without a widget: rows of a start state, the keys
// typed and the state they leave.
//
// A state is written as the four parts joined by dots, with '|' at the caret
// and '^' at the other end of a selection, both in the part that holds the
// caret: "192.1|6.." has the caret after "1" in the second part, "^192|..."
// has the first part selected. " (whole)" follows while the whole address is
// selected.
#include "ipv4_typing_rules.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <string>

namespace vela::test {
namespace {

using Outcome = Ipv4TypingRules::Outcome;
using PartEditing = Ipv4TypingRules::PartEditing;

const QString kWhole = QStringLiteral(" (whole)");

Ipv4TypingRules state_from(const char* written) {
  const QStringList texts = QString::fromLatin1(written).split(QLatin1Char('.'));
  EXPECT_EQ(texts.size(), Ipv4TypingRules::kPartCount) << written;
  Ipv4TypingRules::Parts parts;
  int caret_part = 0;
  for (int i = 0; i < Ipv4TypingRules::kPartCount && i < texts.size(); ++i) {
    QString text = texts[i];
    Ipv4TypingRules::Part& part = parts[static_cast<std::size_t>(i)];
    const int caret = static_cast<int>(text.indexOf(QLatin1Char('|')));
    const int anchor = static_cast<int>(text.indexOf(QLatin1Char('^')));
    if (caret >= 0) caret_part = i;
    text.remove(QLatin1Char('|')).remove(QLatin1Char('^'));
    part.text = text;
    part.caret = caret < 0 ? static_cast<int>(text.size()) : caret - (anchor >= 0 && anchor < caret ? 1 : 0);
    part.anchor = anchor < 0 ? part.caret : anchor - (caret >= 0 && caret < anchor ? 1 : 0);
  }
  Ipv4TypingRules rules;
  rules.set_parts(parts, caret_part);
  return rules;
}

std::string written(const Ipv4TypingRules& rules) {
  QStringList texts;
  for (int i = 0; i < Ipv4TypingRules::kPartCount; ++i) {
    const Ipv4TypingRules::Part& part = rules.part(i);
    QString text = part.text;
    if (i == rules.caret_part()) {
      // Marks go in from the right so that the left one keeps its place.
      const bool anchor_first = part.anchor < part.caret;
      if (part.has_selection() && !anchor_first) text.insert(part.anchor, QLatin1Char('^'));
      text.insert(part.caret, QLatin1Char('|'));
      if (part.has_selection() && anchor_first) text.insert(part.anchor, QLatin1Char('^'));
    }
    texts << text;
  }
  return (texts.join(QLatin1Char('.')) + (rules.whole_selected() ? kWhole : QString())).toStdString();
}

// Key script: digits and letters are typed, '.' the dot key, '\b' Backspace,
// '~' Delete, '<' and '>' the arrows, '*' select-all, '@' paste.
Outcome press(Ipv4TypingRules& rules, char key, const QString& pasted) {
  switch (key) {
    case '.':
      return rules.type_dot();
    case '\b':
      return rules.backspace();
    case '~':
      return rules.delete_forward();
    case '<':
      return rules.move_left();
    case '>':
      return rules.move_right();
    case '*':
      rules.select_all();
      return Outcome::Taken;
    case '@':
      return rules.paste(pasted);
    default:
      return rules.type_character(QLatin1Char(key));
  }
}

struct KeysCase {
  const char* name;
  const char* start;
  const char* keys;
  const char* pasted;
  const char* expected;
  bool refused;
};

void PrintTo(const KeysCase& c, std::ostream* out) { *out << c.name; }

class Ipv4TypingRulesTest : public ::testing::TestWithParam<KeysCase> {};

TEST_P(Ipv4TypingRulesTest, KeysLeaveTheExpectedPartsAndCaret) {
  const KeysCase& c = GetParam();
  Ipv4TypingRules rules = state_from(c.start);
  ASSERT_EQ(written(rules), c.start) << "the start state does not read back";
  bool refused = false;
  for (const char* key = c.keys; *key != '\0'; ++key)
    refused |= press(rules, *key, QString::fromLatin1(c.pasted)) == Outcome::Refused;
  EXPECT_EQ(written(rules), c.expected);
  EXPECT_EQ(refused, c.refused);
}

INSTANTIATE_TEST_SUITE_P(Rows, Ipv4TypingRulesTest,
                         ::testing::Values(
                             // Digits fill a part; the third moves on.
                             KeysCase{"DigitsFillAPartAndMoveOn", "|...", "192168", "", "192.168.|.", false},
                             KeysCase{"TenDigitsWithoutDots", "|...", "1921681100", "", "192.168.110.0|", false},
                             KeysCase{"DigitBehindAFullPartStartsTheNext", "192|.1.2.3", "4", "", "192.4|.2.3", false},
                             KeysCase{"DigitBehindTheFullLastPartRefused", "1.2.3.123|", "4", "", "1.2.3.123|", true},
                             KeysCase{"DigitInTheMiddleOfAPart", "1|5...", "2", "", "12|5...", false},
                             KeysCase{"FourthDigitInTheMiddleRefused", "19|2...", "1", "", "19|2...", true},
                             KeysCase{"DigitReplacesASelectedPart", "^192|.1.1.1", "5", "", "5|.1.1.1", false},
                             KeysCase{"LettersAreDropped", "|...", "1x2", "", "12|...", false},
                             // Leading zeros are digits: they fill a part like any other.
                             KeysCase{"LeadingZerosFillAPart", "|...", "010", "", "010.|..", false},
                             KeysCase{"ZerosOnly", "|...", "0000", "", "000.0|..", false},
                             // The dot.
                             KeysCase{"DotMovesOn", "|...", "1.2", "", "1.2|..", false},
                             KeysCase{"DotSelectsTheOldPart", "1|.2.3.4", ".", "", "1.^2|.3.4", false},
                             KeysCase{"DotInABlankPartStays", "|...", ".1..2", "", "1.2|..", false},
                             KeysCase{"DotRightAfterAMoveOnStays", "^1|.2.3.4", "127.5.6", "", "127.5.6|.4", false},
                             KeysCase{"DotInTheLastPartStays", "1.2.3.4|", ".", "", "1.2.3.4|", false},
                             // Values over 255.
                             KeysCase{"255IsTaken", "|...", "255", "", "255.|..", false},
                             KeysCase{"256Refused", "|...", "256", "", "25|...", true},
                             KeysCase{"300Refused", "|...", "300", "", "30|...", true},
                             KeysCase{"InsertAbove255Refused", "2|5...", "6", "", "2|5...", true},
                             // Backspace and Delete.
                             KeysCase{"BackspaceWithinAPart", "12|3...", "\b", "", "1|3...", false},
                             KeysCase{"BackspaceOverASelection", "1.^23|..", "\b", "", "1.|..", false},
                             KeysCase{"BackspaceAcrossTheDot", "1.|2..", "\b", "", "1|.2..", false},
                             KeysCase{"BackspaceAcrossTheDotThenOn", "|...", "10.20\b\b\b\b5", "", "15|...", false},
                             KeysCase{"BackspaceAfterAMoveOnTakesBackTheDigit", "|...", "127\b8.9", "", "128.9|..",
                                      false},
                             KeysCase{"BackspaceAtTheVeryStart", "|1.2.3.4", "\b", "", "|1.2.3.4", false},
                             KeysCase{"DeleteWithinAPart", "1|23...", "~", "", "1|3...", false},
                             KeysCase{"DeleteAtAPartsEndStays", "12|.3..", "~", "", "12|.3..", false},
                             // The arrows.
                             KeysCase{"ArrowsCrossTheDots", "1|.2..", ">>>", "", "1.2.|.", false},
                             KeysCase{"LeftCrossesBack", "1.|2..", "<", "", "1|.2..", false},
                             KeysCase{"LeftWithinAPartStaysInIt", "1.2|3..", "<", "", "1.|23..", false},
                             KeysCase{"ArrowsStopAtTheEnds", "|1.2.3.4", "<", "", "|1.2.3.4", false},
                             KeysCase{"RightStopsAtTheEnd", "1.2.3.4|", ">", "", "1.2.3.4|", false},
                             KeysCase{"ArrowOverASelectionLandsOnItsEnd", "^192|...", "<", "", "|192...", false},
                             // The whole address selected.
                             KeysCase{"SelectAllThenADigit", "1.2|.3.4", "*5", "", "5|...", false},
                             KeysCase{"SelectAllThenBackspace", "1.2.3.4|", "*\b", "", "|...", false},
                             KeysCase{"SelectAllThenDelete", "1.2.3.4|", "*~", "", "|...", false},
                             KeysCase{"SelectAllOutlivesALetter", "1.2.3.4|", "*x", "", "^1|.2.3.4 (whole)", false},
                             KeysCase{"AnArrowEndsTheWholeSelection", "1.2.3.4|", "*<", "", "|1.2.3.4", false},
                             // Pasting.
                             KeysCase{"PasteAWholeAddress", "1.2|.3.4", "@", "10.0.0.5", "10.0.0.5|", false},
                             KeysCase{"PasteAnAddressInSpaces", "|...", "@", " 192.168.1.20\n", "192.168.1.20|", false},
                             KeysCase{"PasteOutOfRangeRefusedWhole", "1.2.3.4|", "@", "10.0.0.300", "1.2.3.4|", true},
                             KeysCase{"PasteThreePartsRefused", "1.2.3.4|", "@", "10.0.5", "1.2.3.4|", true},
                             KeysCase{"PasteFivePartsRefused", "1.2.3.4|", "@", "1.2.3.4.5", "1.2.3.4|", true},
                             KeysCase{"PasteTextRefused", "1.2.3.4|", "@", "host", "1.2.3.4|", true},
                             KeysCase{"PasteDigitsAreTyped", "|...", "@", "1921", "192.1|..", false},
                             KeysCase{"PastedDigitsStopAtARefusal", "|...", "@", "999", "99|...", true},
                             KeysCase{"PasteDigitsOverTheWholeSelection", "1.2.3.4|", "*@", "77", "77|...", false},
                             KeysCase{"PasteNothing", "1.2|.3.4", "@", "", "1.2|.3.4", false}),
                         [](const ::testing::TestParamInfo<KeysCase>& info) { return std::string(info.param.name); });

// With modifiers the part's own field edits within a part; the rules still
// take the keys that cross a dot.
TEST(Ipv4TypingRulesFieldEditing, OnlyCrossingKeysAreTaken) {
  Ipv4TypingRules within = state_from("1.2|..");
  EXPECT_EQ(within.backspace(PartEditing::ByField), Outcome::LeftToPart);
  EXPECT_EQ(within.move_left(PartEditing::ByField), Outcome::LeftToPart);
  EXPECT_EQ(written(within), "1.2|..");

  Ipv4TypingRules at_start = state_from("1.|2..");
  EXPECT_EQ(at_start.backspace(PartEditing::ByField), Outcome::Taken);
  EXPECT_EQ(written(at_start), "1|.2..");
  EXPECT_EQ(at_start.move_right(PartEditing::ByField), Outcome::Taken);
  EXPECT_EQ(written(at_start), "1.|2..");

  Ipv4TypingRules whole = state_from("1.2.3.4|");
  whole.select_all();
  EXPECT_EQ(whole.delete_forward(PartEditing::ByField), Outcome::Taken);
  EXPECT_EQ(written(whole), "|...");
}

TEST(Ipv4TypingRulesCopy, CopyAndCutActOnlyOnTheWholeAddress) {
  Ipv4TypingRules rules = state_from("10.2|0.30.40");
  EXPECT_EQ(rules.copy(), Outcome::LeftToPart);
  EXPECT_EQ(rules.cut(), Outcome::LeftToPart);
  EXPECT_EQ(written(rules), "10.2|0.30.40");
  rules.select_all();
  EXPECT_EQ(rules.copy(), Outcome::Taken);
  EXPECT_EQ(written(rules), "^10|.20.30.40 (whole)");
  EXPECT_EQ(rules.cut(), Outcome::Taken);
  EXPECT_EQ(written(rules), "|...");
}

TEST(Ipv4TypingRulesReading, BlankPartsReadAsZeroAndLeadingZerosAreDropped) {
  const Ipv4TypingRules some = state_from("010..255.7|");
  EXPECT_EQ(some.address(), (Ipv4TypingRules::Address{10, 0, 255, 7}));
  EXPECT_EQ(some.text(), QStringLiteral("010..255.7"));
  EXPECT_FALSE(some.is_blank());

  const Ipv4TypingRules none = state_from("|...");
  EXPECT_EQ(none.address(), (Ipv4TypingRules::Address{0, 0, 0, 0}));
  EXPECT_EQ(none.text(), QStringLiteral("..."));
  EXPECT_TRUE(none.is_blank());
}

TEST(Ipv4TypingRulesReading, SetAddressWritesEveryPartAndForgetsTheWholeSelection) {
  Ipv4TypingRules rules = state_from("1.2|.3.4");
  rules.select_all();
  rules.set_address({192, 168, 0, 20});
  EXPECT_FALSE(rules.whole_selected());
  EXPECT_EQ(rules.text(), QStringLiteral("192.168.0.20"));
  EXPECT_TRUE(rules.set_address_text(QStringLiteral("10.0.0.1")));
  EXPECT_FALSE(rules.set_address_text(QStringLiteral("10.300.5")));
  EXPECT_EQ(rules.text(), QStringLiteral("10..5."));
}

}  // namespace
}  // namespace vela::test

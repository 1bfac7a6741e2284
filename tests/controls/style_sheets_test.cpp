// The shared style sheets reach the widgets with the skin's colours.
#include "style_sheets.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>

#include "drop_down_list.h"
#include "gui_test_environment.h"
#include "skin_style.h"

namespace vela::test {
namespace {

TEST(StyleSheets, ColoursAreWrittenAsStyleSheetsReadThem) {
  EXPECT_EQ(css_colour(style::accent), QStringLiteral("rgb(60,180,255)"));
  EXPECT_EQ(css_colour(style::translucent(style::accent, 90)), QStringLiteral("rgba(60,180,255,90)"));
}

TEST(StyleSheets, ListsAndButtonsTakeTheSkinsTextColours) {
  QWidget window;
  window.setStyleSheet(drop_down_list_style() + push_button_style());
  auto* list = new DropDownList(&window);
  auto* button = new QPushButton(QStringLiteral("Connect"), &window);
  window.ensurePolished();
  list->ensurePolished();
  button->ensurePolished();
  EXPECT_EQ(list->palette().color(QPalette::Active, QPalette::ButtonText), style::accent);
  EXPECT_EQ(button->palette().color(QPalette::Active, QPalette::ButtonText), style::caption);
}

}  // namespace
}  // namespace vela::test
